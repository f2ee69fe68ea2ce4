#pragma once
// The pages of a scanned PDF, each rendered in grey at kPdfPageDpi: a
// copier's PDF is one picture per page. The PDF library renders them in a
// program of their own (PdfRenderer), which writes each page, or why there
// is none, to its output; the scan reads them from there and stops the
// program when the next page is too long in coming.

#include "sheet_scanner.h"

#include <QIODevice>
#include <QString>
#include <functional>
#include <optional>

namespace vorn {

// The scan's side: every page from the rendering program, or why not.
std::optional<QString> ForEachPdfPage(const QString& file,
                                      const std::function<void(ScannedPage)>& each,
                                      const PdfRenderer& renderer);

// The rendering program's side: every page of `file`, then nothing, or the
// pages before a problem and then the problem, written to `out`. False when
// `out` cannot be written.
bool WritePdfPages(const QString& file, QIODevice& out);

} // namespace vorn
