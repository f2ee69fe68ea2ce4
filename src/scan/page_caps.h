#pragma once
// The bounds a scanned file's pages are held to before they are decoded,
// and what the teacher is told when one is beyond them.

#include <QSize>
#include <QString>
#include <optional>

namespace vorn {

// Why page `page` of `file`, of `size` pixels, is refused; none if it fits.
std::optional<QString> OversizedPage(const QString& file, int page, QSize size);

// Why `file` is refused when it has more than kMaxScannedPages pages.
std::optional<QString> TooManyPages(const QString& file, int pages);

// `file` as the teacher named it, in the quotes the messages use.
QString QuotedFile(const QString& file);

} // namespace vorn
