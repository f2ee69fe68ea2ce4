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
    form.Text2(0).Text = run.question(Q).text;
    const std::array<OptionColumn, 5> columns = OptionColumns(k);
    for (int slot = 0; slot < 5; ++slot) {
        const OptionColumn& column = columns[static_cast<std::size_t>(slot)];
        form.Text2(slot + 1).Left = column.boxLeft;
        form.Text2(slot + 1).Width = column.boxWidth;
        form.Option1(slot).Left = column.buttonLeft;
        form.Option1(slot).Width = column.buttonWidth;
        const bool shown = slot < k;
        form.Text2(slot + 1).Visible = shown;
        form.Option1(slot).Visible = shown;
        if (shown) form.Text2(slot + 1).Text = run.optionText(Q, slot);
        form.Option1(slot).setValue(false);
    }
    const std::optional<int> chosen = run.chosenSlot(run.currentPosition());
    if (chosen) form.Option1(*chosen).setValue(true);
    // The preview shows the sentence exactly when the position has an answer.
    form.Text2(6).Text = chosen && run.settings().phrasePreview
                             ? FilledPhrase(form.Text2(0).Text, run.optionText(Q, *chosen))
                             : QString();
    form.Picture2.Picture = run.question(Q).picture;
}

// Test mode: the indicator tells whether the position has an answer.
void ShowTestMarks(const Attempt& run, FormControls& form) {
    const bool answered = run.judgement(run.currentPosition()) != Judgement::Unanswered;
    form.Picture1.BackColor = answered ? kGreen : kRed;
}

// Review: the correct option green, the chosen one green or red over it, the
// indicator green only for a right answer, and the explanation, or the note
// that there was no answer.
void ShowReviewMarks(const Attempt& run, FormControls& form) {
    const int p = run.currentPosition();
    const int Q = run.currentQuestion();
    for (int slot = 0; slot < 5; ++slot)
        form.Option1(slot).BackColor = kNeutral;
    const Judgement judged = run.judgement(p);
    if (const std::optional<int> chosen = run.chosenSlot(p)) {
        if (const std::optional<int> key = run.keySlot(Q)) form.Option1(*key).BackColor = kGreen;
        form.Option1(*chosen).BackColor = judged == Judgement::Right ? kGreen : kRed;
    }
    form.Picture1.BackColor = judged == Judgement::Right ? kGreen : kRed;

    QString info;
    if (judged == Judgement::Unanswered)
        info = QStringLiteral("Няма въведен отговор!");
    else if (run.settings().explanations)
        for (const QString& line : run.question(Q).explanation)
            info += line + QStringLiteral("\r\n");
    form.Text1(0).Text = info;
}

// After grading: no answers or test moves any more, review moves where the
// bank allows them, the score and the verdict of the check.
void ShowGraded(const GradeResult& grade, const RunSettings& settings, FormControls& form) {
    form.Command2(0).Enabled = false;
    form.Command1(0).Visible = false;
    form.Command1(1).Visible = false;
    form.Command2(1).Visible = settings.reviewNavigation;
    form.Command2(2).Visible = settings.reviewNavigation;
    for (int slot = 0; slot < 5; ++slot)
        form.Option1(slot).Enabled = false;
    form.Label1(1).Caption = QStringLiteral("Резултат: ") + ScoreText(grade);
    if (grade.verdict) form.Label1(3).Caption = *grade.verdict;
    form.Label1(3).Visible = settings.showsVerdict;
}

} // namespace

void Present(const Attempt& run, FormControls& form) {
    form.Label1(0).Caption = run.settings().title;
    form.Text2(6).Visible = run.settings().phrasePreview;
    ShowProgress(run, form);
    ShowQuestion(run, form);
    if (run.mode() == RunMode::Review) {
        ShowGraded(*run.grade(), run.settings(), form);
        ShowReviewMarks(run, form);
    } else {
        ShowTestMarks(run, form);
    }
}

} // namespace vorn
