#include "html_text.h"

#include "bare_less_than.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QUrl>
#include <QVariant>

namespace vorn {

namespace {

// QTextDocument reads local files for <link>, @import and <img> on its own;
// a bank's text must not reach anything outside it.
class SealedDocument : public QTextDocument {
protected:
    QVariant loadResource(int, const QUrl&) override { return {}; }
};

HtmlText TextOf(SealedDocument& document) {
    HtmlText read;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto part = block.begin(); !part.atEnd(); ++part) {
            const QTextCharFormat format = part.fragment().charFormat();
            if (format.isImageFormat()) read.images.append(format.toImageFormat().name());
        }
        if (block.textList()) QTextCursor(block).insertText(QStringLiteral("- "));
    }
    // A picture leaves an object character behind, which is not text; with
    // it goes one of the blanks around it, so that "see <img> here" reads
    // "see here".
    static const QRegularExpression picture(QStringLiteral("(?<= )\\x{FFFC} |\\x{FFFC}"));
    read.lines = PlainLines(document.toPlainText().remove(picture));
    return read;
}

} // namespace

HtmlText ReadHtml(const QString& html) {
    SealedDocument document;
    document.setHtml(EscapeBareLessThan(html));
    return TextOf(document);
}

HtmlText ReadMarkdown(const QString& markdown) {
    SealedDocument document;
    document.setMarkdown(markdown);
    return TextOf(document);
}

QStringList PlainLines(const QString& text) {
    QStringList lines;
    for (const QString& line : text.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty()) lines.append(trimmed);
    }
    return lines;
}

} // namespace vorn
