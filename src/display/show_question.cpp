// The question at CurrentPos in test mode: text, options in their drawn order,
// as many option buttons as options, the earlier choice, the answered
// indicator and the picture. Records in which slot the correct option stands.

#include "platform/text.h"
#include "window/vorn_prazno.h"

namespace vorn {

void VORN_Prazno::ShowQuestion() {
    std::int16_t Q = static_cast<std::int16_t>(Val(List2(1).List(CurrentPos)));
    ShowProgress();
    const ListBox& question = VORN_Danni.List1(Q + 1);
    const int k = question.ListCount() - 1;
    Text2(0).Text = question.List(0);
    const QString order = List2(2).List(Q); // by question number, not position

    for (int i = 1; i <= 5; ++i) {
        if (i <= k) {
            Text2(i).Visible = true;
            Option1(i - 1).Visible = true;
            const int d = static_cast<int>(Val(Mid(order, i, 1)));
            Text2(i).Text = question.List(d);
            if (VORN_Danni.List1(0).List(Q) == Text2(i).Text)
                List2(4).setList(CurrentPos, CStr(i - 1)); // the last match wins
        } else {
            Text2(i).Visible = false;
            Option1(i - 1).Visible = false;
        }
    }

    SelectStateRows();
    for (int i = 0; i <= 4; ++i)
        Option1(i).setValue(false);
    const int c = static_cast<int>(Val(List2(0).List(CurrentPos)));
    if (c > -1) Option1(c).setValue(true); // runs Option1_Click(c) here, nested

    List2(3).setListIndex(CurrentPos);
    Picture1.BackColor = Val(List2(3).List(CurrentPos)) == -1 ? kRed : kGreen;
    ShowQuestionPicture(Q);
}

void VORN_Prazno::SelectStateRows() {
    for (int j = 0; j <= 4; ++j)
        List2(j).setListIndex(CurrentPos);
}

} // namespace vorn
