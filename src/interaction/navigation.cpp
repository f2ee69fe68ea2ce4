// Moving one question forward or back, clamped to the test, in test mode
// (Command1) and in review mode (Command2 1 and 2; Command2(0) grades).

#include "window/vorn_prazno.h"

namespace vorn {

namespace {

int Clamped(int position, int count) {
    if (position > count - 1) position = count - 1;
    if (position < 0) position = 0;
    return position;
}

} // namespace

void VORN_Prazno::Command1_Click(std::int16_t Index) {
    if (Index == 0) CurrentPos = Clamped(CurrentPos + 1, QuestionCount);
    if (Index == 1) CurrentPos = Clamped(CurrentPos - 1, QuestionCount);
    ShowQuestion(); // also when the position did not move
}

void VORN_Prazno::Command2_Click(std::int16_t Index) {
    if (Index == 0) Grade();
    if (Index == 1) CurrentPos = Clamped(CurrentPos + 1, QuestionCount);
    if (Index == 2) CurrentPos = Clamped(CurrentPos - 1, QuestionCount);
    ShowReviewQuestion();
}

} // namespace vorn
