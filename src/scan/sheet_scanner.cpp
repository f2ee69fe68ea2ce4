// Reading one scanned page: the marks, the code and the way up, the page
// turned upright, then every bubble the code's variant has.

#include "sheet_scanner.h"

#include "bubble_reading.h"
#include "corner_marks.h"
#include "grey_page.h"
#include "paper/sheet_layout.h"
#include "sheet_code_reader.h"
#include "sheet_pose.h"

#include <algorithm>

namespace vorn {

namespace {

// The upright page the bubbles are measured on and the review cuts rows
// from: a bubble is 40 pixels across.
constexpr double kUprightPixelsPerMm = 8.0;

bool FitsSheet(const std::vector<int>& options) {
    if (options.empty() || int(options.size()) > kSheetRows) return false;
    return std::all_of(options.begin(), options.end(),
                       [](int count) { return count >= 1 && count <= kSheetLetters; });
}

// The rows' bubbles, then on a blank sheet the class number's, all read
// against one another; handed back row by row.
void ReadBubbleRows(SheetReading& reading, const std::vector<int>& options, int hiddenMark) {
    std::vector<QPointF> centres;
    for (int position = 0; position < int(options.size()); ++position)
        for (int letter = 0; letter < options[position]; ++letter)
            centres.push_back(BubbleCentre(position, letter));
    const bool blank = !reading.code->student;
    for (int column = 0; blank && column < 2; ++column)
        for (int digit = 0; digit < 10; ++digit)
            centres.push_back(NumberBubbleCentre(column, digit));
    const cv::Mat upright = GreyView(reading.upright);
    const auto bubbles =
        ReadBubbles(upright, reading.pixelsPerMm,
                    MeasureLevels(upright, reading.pixelsPerMm, hiddenMark), centres);
    auto next = bubbles.begin();
    for (const int count : options) {
        reading.rows.push_back({{next, next + count}});
        next += count;
    }
    for (int column = 0; blank && column < 2; ++column, next += 10)
        reading.numberColumns.push_back({{next, next + 10}});
}

// The code, the rows and the number, once the page stands upright.
void ReadAnswers(SheetReading& reading, const QString& codeText, const RowsOfSheet& rowsOf,
                 int hiddenMark) {
    reading.code = ParseSheetCode(codeText);
    if (!reading.code) {
        reading.codeProblem = QStringLiteral("QR кодът на страницата не е от лист за отговори.");
        return;
    }
    const auto options = rowsOf(*reading.code);
    if (!options || !FitsSheet(*options)) {
        reading.codeProblem =
            QStringLiteral("Листът е от друга банка или от вариант, който тази банка няма.");
        reading.code.reset();
        return;
    }
    ReadBubbleRows(reading, *options, hiddenMark);
}

} // namespace

SheetReading ReadSheet(const ScannedPage& page, const RowsOfSheet& rows) {
    SheetReading reading;
    reading.source = page.source;
    const QImage grey = GreyPage(page.image);
    if (grey.isNull()) {
        reading.codeProblem = QStringLiteral("Страницата е празно изображение.");
        return reading;
    }
    const auto marks = FindCornerMarks(GreyView(grey));
    if (!marks) {
        reading.codeProblem =
            QStringLiteral("Ъгловите квадрати на листа не са намерени: сканирайте целия лист, "
                           "без да го изрязвате.");
        return reading;
    }
    const auto found = FindSheetCode(grey, *marks);
    // Without the code the way up is unknown: the page is shown as scanned
    // (its marks read upright as they lie).
    const cv::Matx33d sheetToImage = SheetToImage(*marks, found ? found->turn : 0);
    reading.upright = UprightSheet(GreyView(grey), sheetToImage, kUprightPixelsPerMm);
    reading.pixelsPerMm = kUprightPixelsPerMm;
    if (!found) {
        reading.codeProblem = QStringLiteral("QR кодът на листа не може да бъде прочетен.");
        return reading;
    }
    const int hiddenMark = marks->inferred < 0 ? -1 : (marks->inferred - found->turn + 4) % 4;
    ReadAnswers(reading, found->text, rows, hiddenMark);
    return reading;
}

} // namespace vorn
