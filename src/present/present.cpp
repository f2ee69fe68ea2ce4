// The question on screen in either mode, the switch of the buttons to review,
// and the result and verdict labels.

#include "present.h"

#include "form/option_columns.h"

namespace vorn {

namespace {

// What both modes show of the question at the current position: its text, as
// many option boxes and buttons as it has options, in its drawn order, the
// earlier choice selected, and its picture.
void ShowQuestion(const Attempt& run, FormControls& form) {
    const int Q = run.currentQuestion();
    const int k = run.optionCount(Q);
    form.questionText.Text = run.question(Q).text;
    const std::array<OptionColumn, 5> columns = OptionColumns(k);
    for (int slot = 0; slot < 5; ++slot) {
        const OptionColumn& column = columns[static_cast<std::size_t>(slot)];
        TextBox& box = form.options.texts(slot);
        OptionButton& button = form.options.buttons(slot);
        box.Left = column.boxLeft;
        box.Width = column.boxWidth;
        button.Left = column.buttonLeft;
        button.Width = column.buttonWidth;
        const bool shown = slot < k;
        box.Visible = shown;
        button.Visible = shown;
        if (shown) box.Text = run.optionText(Q, slot);
        box.Picture = shown ? run.optionPicture(Q, slot) : nullptr;
        button.setValue(false);
    }
    const std::optional<int> chosen = run.chosenSlot(run.currentPosition());
    if (chosen) form.options.buttons(*chosen).setValue(true);
    // The preview shows the sentence exactly when the position has an answer.
    form.phraseText.Text = chosen && run.settings().phrasePreview
                               ? FilledPhrase(form.questionText.Text, run.optionText(Q, *chosen))
                               : QString();
    form.pictureArea.Picture = run.question(Q).picture;
}

} // namespace

void SetIndicator(AnsweredIndicator& indicator, IndicatorMark mark) {
    indicator.mark = mark;
    const bool good = mark == IndicatorMark::Answered || mark == IndicatorMark::Right;
    indicator.light.BackColor = good ? kGreen : kRed;
}

void MarkOption(OptionButton& button, OptionMark mark) {
    button.mark = mark;
    button.BackColor = mark == OptionMark::None    ? kNeutral
                       : mark == OptionMark::Wrong ? kRed
                                                   : kGreen;
}

namespace {

// Test mode: the indicator tells whether the position has an answer.
void ShowTestMarks(const Attempt& run, FormControls& form) {
    const bool answered = run.judgement(run.currentPosition()) != Judgement::Unanswered;
    SetIndicator(form.indicator, answered ? IndicatorMark::Answered : IndicatorMark::Unanswered);
}

// Review: the correct option green, the chosen one green or red over it, the
// indicator green only for a right answer, and the explanation, or the note
// that there was no answer.
void ShowReviewMarks(const Attempt& run, FormControls& form) {
    const int p = run.currentPosition();
    const int Q = run.currentQuestion();
    for (int slot = 0; slot < 5; ++slot)
        MarkOption(form.options.buttons(slot), OptionMark::None);
    const Judgement judged = run.judgement(p);
    if (const std::optional<int> chosen = run.chosenSlot(p)) {
        if (const std::optional<int> key = run.keySlot(Q))
            MarkOption(form.options.buttons(*key), OptionMark::RightNotChosen);
        MarkOption(form.options.buttons(*chosen),
                   judged == Judgement::Right ? OptionMark::Right : OptionMark::Wrong);
    }
    SetIndicator(form.indicator,
                 judged == Judgement::Right ? IndicatorMark::Right : IndicatorMark::NotRight);

    QString info;
    if (judged == Judgement::Unanswered)
        info = QStringLiteral("Няма въведен отговор!");
    else if (run.settings().explanations)
        for (const QString& line : run.question(Q).explanation)
            info += line + QStringLiteral("\r\n");
    form.infoBox.Text = info;
}

// After grading: no answers or test moves any more, review moves where the
// bank allows them, the score and the verdict of the check.
void ShowGraded(const GradeResult& grade, const BankSettings& settings, FormControls& form) {
    form.gradeButton.Enabled = false;
    form.moves.forward.Visible = false;
    form.moves.back.Visible = false;
    form.moves.reviewForward.Visible = settings.reviewNavigation;
    form.moves.reviewBack.Visible = settings.reviewNavigation;
    for (int slot = 0; slot < 5; ++slot)
        form.options.buttons(slot).Enabled = false;
    form.resultLabel.Caption = QStringLiteral("Резултат: ") + ScoreText(grade);
    if (grade.verdict) form.checkLabel.Caption = *grade.verdict;
    form.checkLabel.Visible = settings.showsVerdict();
}

} // namespace

void Present(const Attempt& run, FormControls& form, ReviewShows review) {
    form.titleLabel.Caption = run.settings().title;
    form.phraseText.Visible = run.settings().phrasePreview;
    ShowProgress(run, form);
    ShowQuestion(run, form);
    if (run.mode() == RunMode::Test) {
        ShowTestMarks(run, form);
        return;
    }
    ShowGraded(*run.grade(), run.settings(), form);
    switch (review) {
    case ReviewShows::Everything:
        ShowReviewMarks(run, form);
        break;
    case ReviewShows::Score:
        ShowScoreOnly(run, form);
        break;
    case ReviewShows::Nothing:
        ShowHandedIn(form);
        break;
    }
}

} // namespace vorn
