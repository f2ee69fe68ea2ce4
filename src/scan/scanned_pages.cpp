// Opening a scanned file: a PDF by its header, a picture by its content,
// never by the file's name.

#include "grey_page.h"
#include "page_caps.h"
#include "pdf_pages.h"
#include "sheet_scanner.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace vorn {

namespace {

bool IsPdf(const QString& file) {
    QFile pdf(file);
    return pdf.open(QIODevice::ReadOnly) && pdf.peek(5) == "%PDF-";
}

bool IsScanPicture(const QByteArray& format) {
    return format == "png" || format == "jpeg" || format == "tiff";
}

std::optional<QString> ForEachPicturePage(const QString& file,
                                          const std::function<void(ScannedPage)>& each) {
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    if (!IsScanPicture(reader.format()))
        return QStringLiteral("%1 не е сканиране във формат PNG, JPEG, TIFF или PDF.")
            .arg(QuotedFile(file));
    if (auto problem = TooManyPages(file, reader.imageCount())) return problem;
    // The largest page the caps allow, decoded in 32-bit pixels.
    QImageReader::setAllocationLimit(int(qint64(kMaxPagePixels) * 4 / (1024 * 1024)) + 1);
    for (int page = 1;; ++page) {
        if (auto problem = TooManyPages(file, page)) return problem;
        if (auto problem = OversizedPage(file, page, reader.size())) return problem;
        const QImage image = reader.read();
        if (image.isNull())
            return QStringLiteral("Страница %1 на %2 не може да бъде прочетена: %3.")
                .arg(page)
                .arg(QuotedFile(file), reader.errorString());
        each(ScannedPage{{file, page}, GreyPage(image)});
        if (page >= reader.imageCount() || !reader.jumpToNextImage()) return std::nullopt;
    }
}

} // namespace

std::optional<QString> ForEachScannedPage(const QString& file,
                                          const std::function<void(ScannedPage)>& each,
                                          const PdfRenderer& pdf) {
    const QFileInfo info(file);
    if (!info.exists()) return QStringLiteral("%1 не съществува.").arg(QuotedFile(file));
    if (!info.isFile() || !info.isReadable())
        return QStringLiteral("%1 не може да бъде отворен за четене.").arg(QuotedFile(file));
    if (IsPdf(file)) return ForEachPdfPage(file, each, pdf);
    return ForEachPicturePage(file, each);
}

std::variant<std::vector<ScannedPage>, QString> LoadScannedPages(const QString& file,
                                                                 const PdfRenderer& pdf) {
    std::vector<ScannedPage> pages;
    auto problem = ForEachScannedPage(
        file, [&](ScannedPage page) { pages.push_back(std::move(page)); }, pdf);
    if (problem) return std::move(*problem);
    return pages;
}

} // namespace vorn
