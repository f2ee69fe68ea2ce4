#pragma once
// Reading scanned answer sheets: the pages of a scanned file, and what one
// page says (sheet_reading.h).

#include "paper/sheet_reading.h"

#include <QImage>
#include <QString>
#include <chrono>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

namespace vorn {

// The resolution PDF pages are rendered at: a copier's scan is 200-300 dpi.
inline constexpr int kPdfPageDpi = 300;

// What one file may ask of the scanner: a class's pile many times over, and
// pages up to an A4 at 600 dpi with a margin. A file beyond either is refused.
inline constexpr int kMaxScannedPages = 500;
inline constexpr int kMaxPageSide = 7500;       // pixels
inline constexpr int kMaxPagePixels = 40000000; // about 5300 x 7500

struct ScannedPage {
    ScanSource source;
    QImage image; // as scanned: any rotation, a few degrees of skew
};

// Where a PDF's pages are rendered: in a program of their own, so that a file
// that keeps the PDF library busy without end (a page tree that leads back
// into itself) stops that program, not the scan.
struct PdfRenderer {
    QString program; // empty: vorn-pdf-pages beside the running program
    // The longest wait for the next page: far more than a page of a copier's
    // scan takes.
    std::chrono::milliseconds stall = std::chrono::seconds(60);
};

// The pages of a PNG, JPEG, TIFF (each of its pages) or PDF file, or why
// there are none, as a Bulgarian sentence.
std::variant<std::vector<ScannedPage>, QString> LoadScannedPages(const QString& file,
                                                                 const PdfRenderer& pdf = {});
// The same one page at a time, so that a long file need not be held whole:
// `each` gets every page in order; the problem, if any, stops the file
// after the pages before it.
std::optional<QString> ForEachScannedPage(const QString& file,
                                          const std::function<void(ScannedPage)>& each,
                                          const PdfRenderer& pdf = {});

// Per row of a sheet, how many bubbles it has: the options of the
// variant's question there. None when the code names no variant of the bank
// being marked (another bank, a damaged seed).
using RowsOfSheet = std::function<std::optional<std::vector<int>>(const SheetCode&)>;

// Finds the corner marks and the QR code, turns the page upright and
// measures every bubble of the rows `rows` gives for its code. A page without
// a readable code, or with a code `rows` does not know, has no rows and says
// why in codeProblem.
SheetReading ReadSheet(const ScannedPage& page, const RowsOfSheet& rows);

} // namespace vorn
