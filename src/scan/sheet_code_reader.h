#pragma once
// Reading the sheet's QR code, which also tells which way up the page is.

#include "corner_marks.h"

#include <QImage>
#include <QString>
#include <optional>

namespace vorn {

struct FoundCode {
    QString text;
    int turn = 0; // the image mark that is the sheet's top left (SheetToImage)
};

// Looks where the code stands for each way the page may be turned, the
// likeliest first; none when no QR code is read there.
std::optional<FoundCode> FindSheetCode(const QImage& grey, const CornerMarks& marks);

} // namespace vorn
