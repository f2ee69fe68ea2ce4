// The step of the question order: a prime below QuestionCount that does not
// divide it, drawn from the candidate list List2(5).

#include "platform/text.h"
#include "window/vorn_prazno.h"

namespace vorn {

void VORN_Prazno::DrawOrderStep() {
    // Trim the candidates from the end down to the primes below QuestionCount;
    // the removed rows stay removed for the rest of the run.
    for (;;) {
        const int n = List2(5).ListCount();
        if (Val(List2(5).List(n - 1)) >= QuestionCount)
            List2(5).RemoveItem(n - 1);
        else
            break;
    }
    const int n = List2(5).ListCount();

    // Not uniform over the rows: t is 1..9 on intervals of length 1 and 0 or 10
    // on halves, then folded onto the n rows.
    for (;;) {
        const float x = Rnd.Rnd() * 10.0f; // kept in single precision
        const long t = RoundHalfEven(x);
        const int j = static_cast<int>(t % n);
        OrderStep = static_cast<std::int16_t>(Val(List2(5).List(j)));
        if (QuestionCount % OrderStep != 0) break;
    }
}

} // namespace vorn
