#pragma once
// What the scanner read from one page: the sheet's code, and per row how
// dark each bubble is and what that makes it. The scanner fills it in; the
// marking (sheet_marking.h) turns it into answers or into rows for review.

#include "sheet_code.h"

#include <QImage>
#include <QString>
#include <optional>
#include <vector>

namespace vorn {

enum class BubbleState {
    Empty,
    Marked,
    Cancelled, // filled, then crossed out: the sheet's way to take a mark back
    Doubtful,  // neither clearly: a person decides
};

struct BubbleReading {
    BubbleState state = BubbleState::Empty;
    double darkness = 0; // 0 the paper, 1 the ink, inside the bubble
    double outside = 0;  // the same, on a ring just outside it (a cross's arms)
};

struct RowReading {
    std::vector<BubbleReading> bubbles; // as many as that question has options
};

// Where the page came from: a file, and its page for a PDF (1-based).
struct ScanSource {
    QString file;
    int page = 1;
    bool operator==(const ScanSource&) const = default;
};

struct SheetReading {
    ScanSource source;
    std::optional<SheetCode> code; // none: no QR code, or not a sheet's
    QString codeProblem;           // why not, in Bulgarian, when none
    // Read only when the code is: the variant tells how many rows and
    // bubbles to look at.
    std::vector<RowReading> rows;
    // The class number on a blank sheet: per column (tens, units) the ten
    // digits' bubbles.
    std::vector<RowReading> numberColumns;
    // The page turned upright and straightened, for cutting rows out for
    // review; grey, at the resolution it was read.
    QImage upright;
    double pixelsPerMm = 0;
};

} // namespace vorn
