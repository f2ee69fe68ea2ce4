#include "marked_text.h"

#include "bare_less_than.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

namespace vorn {

namespace {

// A Moodle text is HTML once it holds a tag or an entity.
bool LooksLikeHtml(const QString& text) {
    static const QRegularExpression html(QStringLiteral("<[A-Za-z/!]|&#?[A-Za-z0-9]+;"));
    return text.contains(html);
}

QString LinesOf(const QTextDocument& document) {
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QString line = block.text();
        line.replace(QChar::LineSeparator, u'\n');
        line.replace(QChar::Nbsp, u' ');
        lines.append(block.textList() ? QStringLiteral("- ") + line : line);
    }
    return lines.join(u'\n').trimmed();
}

} // namespace

MarkedText SplitMarker(const QString& text, TextFormat fallback) {
    const std::pair<const char16_t*, TextFormat> markers[] = {
        {u"[plain]", TextFormat::Plain},
        {u"[moodle]", TextFormat::Moodle},
        {u"[markdown]", TextFormat::Markdown},
        {u"[html]", TextFormat::Html},
    };
    for (const auto& [marker, format] : markers) {
        const QString m = QString::fromUtf16(marker);
        if (text.startsWith(m)) return {format, text.mid(m.size()).trimmed()};
    }
    return {fallback, text};
}

QString PlainOf(const MarkedText& text) {
    QTextDocument document;
    switch (text.format) {
    case TextFormat::Plain:
        return text.text;
    case TextFormat::Moodle:
        if (!LooksLikeHtml(text.text)) return text.text;
        [[fallthrough]];
    case TextFormat::Html:
        document.setHtml(EscapeBareLessThan(text.text));
        break;
    case TextFormat::Markdown:
        document.setMarkdown(text.text);
        break;
    }
    return LinesOf(document);
}

} // namespace vorn
