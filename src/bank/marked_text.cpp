#include "marked_text.h"

#include "html_text.h"

#include <QRegularExpression>

namespace vorn {

namespace {

// A Moodle text is HTML once it holds a tag or an entity.
bool LooksLikeHtml(const QString& text) {
    static const QRegularExpression html(QStringLiteral("<[A-Za-z/!]|&#?[A-Za-z0-9]+;"));
    return text.contains(html);
}

PlainText AsWritten(const QString& text) {
    PlainText plain;
    plain.text = text;
    return plain;
}

PlainText Joined(const HtmlText& read) {
    return {read.lines.join(u'\n'), read.images, read.losses, read.unread};
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

PlainText PlainOf(const MarkedText& text) {
    switch (text.format) {
    case TextFormat::Plain:
        return AsWritten(text.text);
    case TextFormat::Moodle:
        if (!LooksLikeHtml(text.text)) return AsWritten(text.text);
        [[fallthrough]];
    case TextFormat::Html:
        return Joined(ReadHtml(text.text));
    case TextFormat::Markdown:
        return Joined(ReadMarkdown(text.text));
    }
    return AsWritten(text.text);
}

} // namespace vorn
