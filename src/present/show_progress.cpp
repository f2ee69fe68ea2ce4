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
void LayOutBar(ControlArray<Shape>& bar, Twips left, float R, int done, int total) {
    bar(0).Left = left;
    bar(0).Width = PassedWidth(R, done, total);
    bar(1).Left = bar(0).Left + bar(0).Width;
    bar(1).Width = R - bar(1).Left;
}

} // namespace

void ShowProgress(const Attempt& run, FormControls& form) {
    const int n = run.questionCount();
    const float R = form.Command1(1).Left + form.Command1(1).Width - 50;
    LayOutBar(form.Shape1, form.Command1(0).Left, R, run.currentPosition(), n);
    // The count is shown like a 0-based position: one answer looks like the
    // first question, all of them like the last.
    const int answered = run.answeredCount();
    LayOutBar(form.Shape2, form.Command1(0).Left, R, answered >= 1 ? answered - 1 : answered, n);
    form.Label1(2).Caption =
        QStringLiteral("Въведени отговори: ") + CStr(answered) + QStringLiteral("/") + CStr(n);
}

} // namespace vorn
