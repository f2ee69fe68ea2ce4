// Grading: the score and percentage, the "Тото" verdict, and the one-way switch
// to review mode at the first position.

#include "platform/text.h"
#include "window/vorn_prazno.h"

#include <cmath>

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

    const int total = QuestionCount;
    double score = 0;
    for (int i = 1; i <= total; ++i)
        if (List2(3).List(i - 1) == QStringLiteral("1")) score = score + 1;
    const long long percent = static_cast<long long>(std::trunc(score * 100 / total));

    Label1(1).Caption = Label1(1).Caption + CStr(static_cast<long long>(score)) +
                        QStringLiteral("/") + CStr(total) + QStringLiteral(" = ") + CStr(percent) +
                        QStringLiteral("%");
    CurrentPos = 0;
    ShowVerdict();
    // The review of position 0 follows in Command2_Click.
}

void VORN_Prazno::ShowVerdict() {
    Label1(3).Caption = List2(6).List(0) == List2(6).List(1) ? QStringLiteral("Проверка - Да")
                                                             : QStringLiteral("Вероятно!");
    if (AnsweredCount < QuestionCount) Label1(3).Caption = QStringLiteral("Частично!");
    Label1(3).Visible = VORN_Danni.Setting(kCheckItem) > 0;
}

} // namespace vorn
