// The progress display: the position bar, the answered bar and the counter,
// and the picture of the question on display.

#include "platform/text.h"
#include "window/vorn_prazno.h"

namespace vorn {

namespace {

// Width of a passed segment: scaled on R, which is also the bars' right end,
// so the segment starts at the bar's left edge but is not scaled on R - left.
float PassedWidth(float R, int done, int total) {
    return static_cast<float>(static_cast<double>(R) * done / total + 50);
}

} // namespace

void VORN_Prazno::ShowProgress() {
    Text2(6).Text = QString();
    const float R = Command1(1).Left + Command1(1).Width - 50;

    Shape1(0).Width = PassedWidth(R, CurrentPos, QuestionCount);
    Shape1(1).Left = Shape1(0).Left + Shape1(0).Width;
    Shape1(1).Width = R - Shape1(1).Left;

    // The count is shown like a 0-based position: one answer looks like the
    // first question, all of them like the last.
    const int A = AnsweredCount >= 1 ? AnsweredCount - 1 : AnsweredCount;
    Shape2(0).Width = PassedWidth(R, A, QuestionCount);
    Shape2(1).Left = Shape2(0).Left + Shape2(0).Width;
    Shape2(1).Width = R - Shape2(1).Left;

    Label1(2).Caption = QStringLiteral("Въведени отговори: ") + CStr(AnsweredCount) +
                        QStringLiteral("/") + CStr(QuestionCount);
}

void VORN_Prazno::ShowQuestionPicture(std::int16_t& Q) {
    const std::int16_t slot = static_cast<std::int16_t>(Q + 1);
    Picture2.Picture = VORN_Danni.Picture1(slot).Picture; // shared, an empty slot clears it
}

} // namespace vorn
