#pragma once
// The review as a web page, where no window can be shown: each open row cut
// from its scan, and the pages that could not be read whole.

#include "sheets_to_review.h"

#include <QString>

namespace vorn {

// `decisions`: the file the teacher writes the decisions in.
QString ReviewPageHtml(const ToReview& review, const QString& decisions);

} // namespace vorn
