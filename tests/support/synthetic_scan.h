#pragma once
// Synthetic scans of answer sheets: a printed sheet's page, filled in as a
// student would (synthetic_marks.h), then put through what a scanner or a
// copier does to it. Each scan is made again identically from its seed, and
// comes with the truth: what the scanner must report for every bubble.

#include "synthetic_marks.h"

#include <QImage>
#include <cstdint>
#include <vector>

namespace vorn::test {

// What a student did: per answer row, per bubble; and, on a blank sheet, per
// column of the class number (tens, units), per digit.
struct StudentMarks {
    std::vector<std::vector<MarkKind>> rows;
    std::vector<std::vector<MarkKind>> numberColumns; // empty, or 2 of 10
};

// What happens to the page between the desk and the file. The resolution is
// the printed page's own: render the sheet at the resolution to scan at.
struct ScanDistortions {
    int quarterTurns = 0;       // clockwise; 2 is upside down
    double skewDegrees = 0;     // the page askew on the glass, either way
    int jpegQuality = 0;        // 0: not compressed
    double noiseSigma = 0;      // grey levels of the sensor's noise
    bool blackAndWhite = false; // a copier's B/W mode: one threshold, no grey
    bool cornerSmudge = false;  // a dark blob across one corner mark
};

struct SyntheticScan {
    QImage image; // grey, as the scanner writes it
    std::vector<std::vector<BubbleState>> rows;
    std::vector<std::vector<BubbleState>> numberColumns;
};

// `printed` is the sheet's page upright at `dpi`. The marks go where the
// sheet's layout puts the bubbles.
SyntheticScan MakeSyntheticScan(const QImage& printed, double dpi, const StudentMarks& marks,
                                const ScanDistortions& distortions, std::uint32_t seed);

} // namespace vorn::test
