#include "pdf_pages.h"

#include "grey_page.h"
#include "page_caps.h"

#include <QPdfDocument>
#include <cmath>

namespace vorn {

namespace {

QString LoadProblem(const QString& file, QPdfDocument::Error error) {
    switch (error) {
    case QPdfDocument::Error::IncorrectPassword:
    case QPdfDocument::Error::UnsupportedSecurityScheme:
        return QStringLiteral("%1 е защитен с парола: запишете сканирането без защита.")
            .arg(QuotedFile(file));
    default:
        return QStringLiteral("%1 не може да бъде прочетен като PDF: файлът е повреден.")
            .arg(QuotedFile(file));
    }
}

// The page's size in pixels at kPdfPageDpi; an empty size for a page whose
// size is not a number.
QSize RenderedSize(const QSizeF& points) {
    const double scale = kPdfPageDpi / 72.0;
    const double width = points.width() * scale, height = points.height() * scale;
    if (!std::isfinite(width) || !std::isfinite(height) || width < 1 || height < 1) return {};
    if (width > kMaxPageSide + 1 || height > kMaxPageSide + 1) // any size past the cap
        return {kMaxPageSide + 1, kMaxPageSide + 1};
    return {int(std::lround(width)), int(std::lround(height))};
}

} // namespace

std::optional<QString> ForEachPdfPage(const QString& file,
                                      const std::function<void(ScannedPage)>& each) {
    QPdfDocument document;
    if (const auto error = document.load(file); error != QPdfDocument::Error::None)
        return LoadProblem(file, error);
    const int pages = document.pageCount();
    if (pages < 1) return QStringLiteral("%1 няма нито една страница.").arg(QuotedFile(file));
    if (auto problem = TooManyPages(file, pages)) return problem;
    for (int page = 0; page < pages; ++page) {
        const QSize size = RenderedSize(document.pagePointSize(page));
        if (auto problem = OversizedPage(file, page + 1, size)) return problem;
        const QImage rendered = document.render(page, size);
        if (rendered.isNull())
            return QStringLiteral("Страница %1 на %2 не може да бъде изобразена.")
                .arg(page + 1)
                .arg(QuotedFile(file));
        each(ScannedPage{{file, page + 1}, GreyPage(rendered)});
    }
    return std::nullopt;
}

} // namespace vorn
