#include "review_page.h"

#include "paper/row_picture.h"

#include <QBuffer>

namespace vorn {

namespace {

QString Escaped(const QString& text) {
    return text.toHtmlEscaped();
}

QString Picture(const QImage& image, const QString& alt) {
    if (image.isNull()) return {};
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return QStringLiteral("<img src=\"data:image/png;base64,%1\" alt=\"%2\">")
        .arg(QString::fromLatin1(png.toBase64()), Escaped(alt));
}

QString RowItem(const QString& label, const QString& why, const QImage& picture) {
    return QStringLiteral("<li><p><b>%1</b>: %2</p>%3</li>\n")
        .arg(Escaped(label), Escaped(why), Picture(picture, label));
}

QString SheetSection(const SheetToReview& s) {
    QString html = QStringLiteral("<section><h2>%1</h2><ul>\n")
                       .arg(Escaped(SheetCaption(s.sheet.code, s.sheet.source)));
    for (std::size_t p = 0; p < s.sheet.rows.size(); ++p)
        if (const auto& why = s.sheet.rows[p].problem)
            html += RowItem(QStringLiteral("ред %1").arg(p + 1), *why,
                            RowPicture(s.upright, s.pixelsPerMm, static_cast<int>(p)));
    if (s.sheet.number && s.sheet.number->problem)
        html += RowItem(QStringLiteral("номер"), *s.sheet.number->problem,
                        NumberPicture(s.upright, s.pixelsPerMm));
    return html + QStringLiteral("</ul></section>\n");
}

QString PageSection(const PageNotRead& page) {
    const QString where = QStringLiteral("%1, стр. %2").arg(page.source.file).arg(page.source.page);
    const QImage small =
        page.image.isNull() ? page.image : page.image.scaledToWidth(700, Qt::SmoothTransformation);
    return QStringLiteral("<section><h2>%1</h2><p>%2 Листът не е записан; сканирайте го "
                          "отново или го оценете на ръка.</p>%3</section>\n")
        .arg(Escaped(where), Escaped(page.problem), Picture(small, where));
}

} // namespace

QString ReviewPageHtml(const ToReview& review, const QString& decisions) {
    QString html =
        QStringLiteral(
            "<!DOCTYPE html>\n<html lang=\"bg\"><head><meta charset=\"utf-8\">"
            "<title>Листове за преглед</title><style>body{font-family:sans-serif}"
            "img{max-width:100%;border:1px solid #999}</style></head><body>\n"
            "<h1>Листове за преглед</h1>\n<p>Запишете решенията си във файла „%1“ и изпълнете "
            "командата, написана в началото му.</p>\n")
            .arg(Escaped(decisions));
    for (const SheetToReview& sheet : review.sheets)
        html += SheetSection(sheet);
    if (!review.pages.empty()) html += QStringLiteral("<h1>Непрочетени страници</h1>\n");
    for (const PageNotRead& page : review.pages)
        html += PageSection(page);
    return html + QStringLiteral("</body></html>\n");
}

} // namespace vorn
