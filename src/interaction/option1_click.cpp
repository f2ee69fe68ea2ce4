// Choosing an option: recorded for the current position, judged at once by
// text against the key, counted the first time, kept for the "Тото" check.

#include "platform/text.h"
#include "window/vorn_prazno.h"

namespace vorn {

void VORN_Prazno::Option1_Click(std::int16_t Index) {
    List2(0).setList(CurrentPos, CStr(Index));
    if (Val(List2(3).List(CurrentPos)) == -1) {
        AnsweredCount = static_cast<std::int16_t>(AnsweredCount + 1);
        ShowProgress();
    }
    const std::int16_t Q = static_cast<std::int16_t>(Val(List2(1).List(CurrentPos)));
    const QString key = VORN_Danni.List1(0).List(Q);
    const QString chosen = Text2(Index + 1).Text;
    List2(3).setList(CurrentPos, chosen == key ? QStringLiteral("1") : QStringLiteral("0"));
    if (Q == QuestionCount - 1) List2(6).setList(1, Text2(Index + 1).Text);
    if (Q == 0) List2(6).setList(0, Text2(Index + 1).Text);
    Picture1.BackColor = kGreen;
    List2(3).setListIndex(CurrentPos);
    LastChoice = Index;
    ShowFilledPhrase();
}

} // namespace vorn
