// Review in an exam: the score and the mark with which positions were right,
// or only that the test is handed in. Nothing here shows a right option.

#include "present.h"
#include "run/marks.h"

namespace vorn {

namespace {

// "1, 3, 4", or "няма".
QString Positions(const std::vector<int>& positions) {
    QStringList numbers;
    for (const int p : positions)
        numbers.append(QString::number(p));
    return numbers.isEmpty() ? QStringLiteral("няма") : numbers.join(QStringLiteral(", "));
}

} // namespace

void ShowScoreOnly(const Attempt& run, FormControls& form) {
    for (int slot = 0; slot < 5; ++slot)
        MarkOption(form.options.buttons(slot), OptionMark::None);
    const Judgement judged = run.judgement(run.currentPosition());
    SetIndicator(form.indicator,
                 judged == Judgement::Right ? IndicatorMark::Right : IndicatorMark::NotRight);

    std::vector<int> right, wrong, open;
    for (int p = 0; p < run.questionCount(); ++p) {
        const Judgement j = run.judgement(p);
        (j == Judgement::Right ? right : j == Judgement::Wrong ? wrong : open).push_back(p + 1);
    }
    const GradeResult& grade = *run.grade();
    const Mark mark = MarkOf(grade.score, grade.total, MarkScale{});
    form.infoBox.Text = QStringLiteral("Оценка: %1 %2\r\n"
                                       "Верни: %3\r\n"
                                       "Грешни: %4\r\n"
                                       "Без отговор: %5\r\n")
                            .arg(MarkWord(mark.whole), MarkText(mark, u','), Positions(right),
                                 Positions(wrong), Positions(open));
}

void ShowHandedIn(FormControls& form) {
    for (Control* shown : std::initializer_list<Control*>{
             &form.questionText, &form.phraseText, &form.options.frame, &form.indicator.caption,
             &form.indicator.light, &form.progress.positionBar.passed,
             &form.progress.positionBar.rest, &form.progress.answeredBar.passed,
             &form.progress.answeredBar.rest, &form.progress.answeredCount, &form.checkLabel,
             &form.resultLabel, &form.pictureArea, &form.moves.reviewForward,
             &form.moves.reviewBack})
        shown->Visible = false;
    for (int slot = 0; slot < 5; ++slot) {
        form.options.texts(slot).Visible = false;
        MarkOption(form.options.buttons(slot), OptionMark::None);
        form.options.buttons(slot).Visible = false;
    }
    form.infoBox.Text = QStringLiteral("Тестът е предаден. Резултата ще научите от учителя.\r\n");
}

} // namespace vorn
