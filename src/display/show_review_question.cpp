// The question at CurrentPos after grading: laid out as in test mode, with the
// chosen option green or red, the correct option green, the indicator red
// unless answered right, and the explanation (or the note that there was no
// answer) in the information box.

#include "platform/text.h"
#include "window/vorn_prazno.h"

namespace vorn {

void VORN_Prazno::ShowReviewQuestion() {
    std::int16_t Q = static_cast<std::int16_t>(Val(List2(1).List(CurrentPos)));
    ShowProgress();
    const ListBox& question = VORN_Danni.List1(Q + 1);
    const int k = question.ListCount() - 1;
    Text2(0).Text = question.List(0);
    const QString order = List2(2).List(Q);

    for (int i = 1; i <= 5; ++i) {
        Option1(i - 1).setValue(false);
        Option1(i - 1).BackColor = kNeutral;
        if (i <= k) {
            Text2(i).Visible = true;
            Option1(i - 1).Visible = true;
            const int d = static_cast<int>(Val(Mid(order, i, 1)));
            Text2(i).Text = question.List(d);
        } else {
            Text2(i).Visible = false;
            Option1(i - 1).Visible = false;
        }
    }
    Text2(6).Text = QString();

    const int c = static_cast<int>(Val(List2(0).List(CurrentPos)));
    if (c > -1) {
        Option1(c).setValue(true); // runs Option1_Click(c) here, nested, although disabled
        const int r = static_cast<int>(Val(List2(4).List(CurrentPos)));
        if (r >= 0) Option1(r).BackColor = kGreen;
        // The chosen option's colour comes last, so it wins on the same button.
        Option1(c).BackColor = Text2(c + 1).Text == VORN_Danni.List1(0).List(Q) ? kGreen : kRed;
    }

    SelectStateRows();
    if (Val(List2(3).List(CurrentPos)) < 1) Picture1.BackColor = kRed;
    ShowQuestionPicture(Q);

    const double explanationSwitch = VORN_Danni.Setting(kExplanationItem);
    Text1(0).Text = QString();
    if (Val(List2(3).List(CurrentPos)) < 0) {
        Text1(0).Text = QStringLiteral("Няма въведен отговор!");
        return;
    }
    if (explanationSwitch > 0) {
        const ListBox& explanation = VORN_Danni.Obqsnenie(Q + 1);
        const int m = explanation.ListCount();
        for (int j = 1; j <= m; ++j)
            Text1(0).Text = Text1(0).Text + explanation.List(j - 1) + QStringLiteral("\r\n");
    }
}

} // namespace vorn
