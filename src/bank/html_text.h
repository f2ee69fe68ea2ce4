#pragma once
// HTML and Markdown as the player shows them: plain lines, read with Qt's own
// readers. Paragraphs and <br> start new lines, entities are decoded, list
// items become "- " lines; every line is trimmed and empty ones are dropped.
// A '<' that starts no tag is text, as in a browser: "2 < 3" stays whole.
// <sup> and <sub> become raised or lowered characters (raised_text.h).
// Pictures are named, never shown: they leave no character in the lines.
// Nothing is ever loaded: no style sheet, picture or other file a text names.
// The reading's cost is bounded (html_cost.h); what that leaves out is said.

#include <QString>
#include <QStringList>
#include <optional>

namespace vorn {

struct HtmlText {
    QStringList lines;
    QStringList images; // the src of every picture, in the order written
    // What the lines leave out of what was written, one sentence each.
    QStringList losses;
    // Why the text was not read at all (lines are empty then).
    std::optional<QString> unread;
};

HtmlText ReadHtml(const QString& html);
HtmlText ReadMarkdown(const QString& markdown);

// Text taken as written: its lines, each trimmed, empty ones dropped.
QStringList PlainLines(const QString& text);

} // namespace vorn
