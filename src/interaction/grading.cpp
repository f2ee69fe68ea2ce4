// Grading: the score and percentage, the "Тото" verdict, and the one-way switch
// to review mode at the first position; then the platform's Graded.

#include "window/vorn_prazno.h"

namespace vorn {

void VORN_Prazno::Grade() {
    const std::int16_t nav = static_cast<std::int16_t>(VORN_Danni.Setting(kNavigationItem));
    Command2(0).Enabled = false;
    Command1(0).Visible = false;
    Command1(1).Visible = false;
    Command2(1).Visible = nav == 1;
    Command2(2).Visible = nav == 1;
    for (int i = 1; i <= 5; ++i) {
        Option1(i - 1).Enabled = false;
        Option1(i - 1).BackColor = kNeutral;
    }

    int score = 0;
    for (int i = 1; i <= QuestionCount; ++i)
        if (List2(3).List(i - 1) == QStringLiteral("1")) ++score;
    Outcome = GradeOf(score, QuestionCount);
    Label1(1).Caption = Label1(1).Caption + ScoreText(*Outcome);
    CurrentPos = 0;
    ShowVerdict();
    if (Label1(3).Visible) Outcome->verdict = Label1(3).Caption;
    Graded();
    // The review of position 0 follows in Command2_Click.
}

void VORN_Prazno::ShowVerdict() {
    Label1(3).Caption = List2(6).List(0) == List2(6).List(1) ? QStringLiteral("Проверка - Да")
                                                             : QStringLiteral("Вероятно!");
    if (AnsweredCount < QuestionCount) Label1(3).Caption = QStringLiteral("Частично!");
    Label1(3).Visible = VORN_Danni.Setting(kCheckItem) > 0;
}

} // namespace vorn
