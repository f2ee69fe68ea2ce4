#include "synthetic_scan.h"

#include "paper/sheet_layout.h"
#include "synthetic_distortions.h"
#include "synthetic_random.h"

#include <QPainter>

namespace vorn::test {

namespace {

constexpr double kMmPerInch = 25.4;

// The student's pen on the upright page, and the smudge, in millimetres. Ink
// darkens what is under it, printed or written, never lightens it.
void DrawOnPaper(QImage& page, double dpi, const StudentMarks& marks,
                 const ScanDistortions& distortions, SyntheticRandom& random) {
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_Darken);
    painter.scale(dpi / kMmPerInch, dpi / kMmPerInch);
    const Pen pen = DrawPen(random);
    for (std::size_t row = 0; row < marks.rows.size(); ++row)
        for (std::size_t letter = 0; letter < marks.rows[row].size(); ++letter)
            DrawMark(painter, BubbleCentre(static_cast<int>(row), static_cast<int>(letter)),
                     marks.rows[row][letter], pen, random);
    for (std::size_t column = 0; column < marks.numberColumns.size(); ++column)
        for (std::size_t digit = 0; digit < marks.numberColumns[column].size(); ++digit)
            DrawMark(painter, NumberBubbleCentre(static_cast<int>(column), static_cast<int>(digit)),
                     marks.numberColumns[column][digit], pen, random);
    if (distortions.cornerSmudge) SmudgeCornerMark(painter, random);
}

std::vector<std::vector<BubbleState>> Truth(const std::vector<std::vector<MarkKind>>& kinds,
                                            bool blackAndWhite) {
    std::vector<std::vector<BubbleState>> truth;
    for (const auto& row : kinds) {
        std::vector<BubbleState>& states = truth.emplace_back();
        for (MarkKind kind : row)
            states.push_back(ExpectedState(kind, blackAndWhite));
    }
    return truth;
}

} // namespace

SyntheticScan MakeSyntheticScan(const QImage& printed, double dpi, const StudentMarks& marks,
                                const ScanDistortions& distortions, std::uint32_t seed) {
    SyntheticRandom random(seed);
    QImage page = printed.convertToFormat(QImage::Format_RGB32);
    DrawOnPaper(page, dpi, marks, distortions, random);
    if (distortions.quarterTurns % 4 != 0 || distortions.skewDegrees != 0)
        page = Turned(page, distortions.quarterTurns, distortions.skewDegrees);
    if (distortions.noiseSigma > 0) AddNoise(page, distortions.noiseSigma, random);
    // Pen at its lightest (128) turns black and an erased fill at its darkest
    // (204) white, the noise's spread apart.
    if (distortions.blackAndWhite) Threshold(page, 140 + random.Below(31));
    if (distortions.jpegQuality > 0) page = JpegRoundTrip(page, distortions.jpegQuality);
    return {page.convertToFormat(QImage::Format_Grayscale8),
            Truth(marks.rows, distortions.blackAndWhite),
            Truth(marks.numberColumns, distortions.blackAndWhite)};
}

} // namespace vorn::test
