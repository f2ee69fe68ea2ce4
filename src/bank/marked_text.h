#pragma once
// Moodle's text formats, named by a leading [plain], [moodle], [markdown] or
// [html] on a text, and the plain text the player shows for each. HTML and
// Markdown are read as html_text.h reads them, so that what a Moodle export
// writes becomes the words a pupil reads, not the tags.

#include <QString>
#include <QStringList>
#include <optional>

namespace vorn {

enum class TextFormat { Moodle, Html, Plain, Markdown };

struct MarkedText {
    TextFormat format = TextFormat::Moodle;
    QString text;
};

// text with its leading marker taken off and the rest trimmed; without a
// marker the format is fallback (in GIFT, an answer takes its question's).
MarkedText SplitMarker(const QString& text, TextFormat fallback);

// A text as the player shows it, and the pictures it named, which it leaves out.
struct PlainText {
    QString text;
    QStringList images;            // the src of each picture, in the order written
    QStringList losses;            // what the text leaves out of what was written
    std::optional<QString> unread; // why the text was not read (text is empty then)
};

// The text as plain text, lines separated by '\n'. HTML (and a Moodle text
// with tags or entities in it) and Markdown: paragraphs and <br> are lines,
// entities decoded, a list item is a "- " line, each line trimmed and empty
// ones dropped (html_text.h). Plain text is kept as written.
PlainText PlainOf(const MarkedText& text);

} // namespace vorn
