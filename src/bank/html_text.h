#pragma once
// HTML and Markdown as the player shows them: plain lines, read with Qt's own
// readers. Paragraphs and <br> start new lines, entities are decoded, list
// items become "- " lines; every line is trimmed and empty ones are dropped.
// A '<' that starts no tag is text, as in a browser: "2 < 3" stays whole.
// Pictures are named, never shown: they leave no character in the lines.
// Nothing is ever loaded: no style sheet, picture or other file a text names.

#include <QString>
#include <QStringList>

namespace vorn {

struct HtmlText {
    QStringList lines;
    QStringList images; // the src of every picture, in the order written
};

HtmlText ReadHtml(const QString& html);
HtmlText ReadMarkdown(const QString& markdown);

// Text taken as written: its lines, each trimmed, empty ones dropped.
QStringList PlainLines(const QString& text);

} // namespace vorn
