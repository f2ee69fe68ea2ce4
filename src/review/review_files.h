#pragma once
// Where the review goes without a window: a web page to look at and a text
// file to write the decisions in, side by side.

#include "sheets_to_review.h"

#include <QString>
#include <optional>

namespace vorn {

struct ReviewFiles {
    QString page;      // "<base>.html"
    QString decisions; // "<base>.txt"
};

// `output` (the page asked for) or, without one, "<results>.преглед.html".
ReviewFiles ReviewFilesFor(const QString& output, const QString& results);

// Writes both; none when done, else why, in Bulgarian.
std::optional<QString> WriteReviewFiles(const ToReview& review, const ReviewFiles& files,
                                        const QString& bank, const QString& results);

} // namespace vorn
