#pragma once
// How large a question's picture opens when the examinee asks to see it
// large: as large as the screen allows, its shape kept. A picture smaller
// than the screen grows by a whole factor, each of its pixels a block, so
// that line drawings stay sharp; one larger than the screen shrinks, smoothly.

#include <QSize>

namespace vorn {

struct EnlargedFit {
    QSize size;          // in screen pixels; never larger than the screen
    bool smooth = false; // shrunk, so pixels are blended; else blocks
};

// `picture` and `screen` must be valid and non-empty.
EnlargedFit EnlargedPictureFit(QSize picture, QSize screen);

} // namespace vorn
