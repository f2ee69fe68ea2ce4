#include "page_caps.h"

#include "sheet_scanner.h"

#include <QDir>

namespace vorn {

std::optional<QString> OversizedPage(const QString& file, int page, QSize size) {
    const bool fits = size.width() > 0 && size.height() > 0 && size.width() <= kMaxPageSide &&
                      size.height() <= kMaxPageSide &&
                      qint64(size.width()) * size.height() <= kMaxPagePixels;
    if (fits) return std::nullopt;
    return QStringLiteral("Страница %1 на %2 е с размер %3×%4 точки: приемат се страници до "
                          "%5 точки на страна (A4 при 600 dpi). Сканирайте с по-ниска "
                          "разделителна способност.")
        .arg(page)
        .arg(QuotedFile(file))
        .arg(size.width())
        .arg(size.height())
        .arg(kMaxPageSide);
}

std::optional<QString> TooManyPages(const QString& file, int pages) {
    if (pages <= kMaxScannedPages) return std::nullopt;
    return QStringLiteral("%1 има %2 страници, а един файл може да има най-много %3. "
                          "Разделете сканирането на няколко файла.")
        .arg(QuotedFile(file))
        .arg(pages)
        .arg(kMaxScannedPages);
}

QString QuotedFile(const QString& file) {
    return u'„' + QDir::toNativeSeparators(file) + u'“';
}

} // namespace vorn
