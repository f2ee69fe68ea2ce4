// The progress display: the position bar, the answered bar and the counter.

#include "platform/text.h"
#include "present.h"

namespace vorn {

namespace {

// Width of a passed segment: scaled on R, which is also the bars' right end,
// so the segment starts at the bar's left edge but is not scaled on R - left.
float PassedWidth(float R, int done, int total) {
    return static_cast<float>(static_cast<double>(R) * done / total + 50);
}

// A bar of two segments from the left of "Напред" to the right end R.
void LayOutBar(Bar& bar, Twips left, float R, int done, int total) {
    bar.passed.Left = left;
    bar.passed.Width = PassedWidth(R, done, total);
    bar.rest.Left = bar.passed.Left + bar.passed.Width;
    bar.rest.Width = R - bar.rest.Left;
}

} // namespace

void ShowProgress(const Attempt& run, FormControls& form) {
    const int n = run.questionCount();
    const float R = form.moves.back.Left + form.moves.back.Width - 50;
    LayOutBar(form.progress.positionBar, form.moves.forward.Left, R, run.currentPosition(), n);
    // The count is shown like a 0-based position: one answer looks like the
    // first question, all of them like the last.
    const int answered = run.answeredCount();
    LayOutBar(form.progress.answeredBar, form.moves.forward.Left, R,
              answered >= 1 ? answered - 1 : answered, n);
    form.progress.answeredCount.Caption =
        QStringLiteral("Въведени отговори: ") + CStr(answered) + QStringLiteral("/") + CStr(n);
}

} // namespace vorn
