#include "html_text.h"

#include "bare_less_than.h"
#include "html_cost.h"
#include "raised_text.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
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

QString Shown(const QString& text, QTextCharFormat::VerticalAlignment alignment) {
    if (alignment == QTextCharFormat::AlignSuperScript) return AsSuperscript(text);
    if (alignment == QTextCharFormat::AlignSubScript) return AsSubscript(text);
    return text;
}

// A block's text, each run of raised or lowered characters as one.
QString BlockText(const QTextBlock& block, QStringList& images) {
    QString text;
    QString run;
    auto alignment = QTextCharFormat::AlignNormal;
    for (auto part = block.begin(); !part.atEnd(); ++part) {
        const QTextCharFormat format = part.fragment().charFormat();
        if (format.isImageFormat()) images.append(format.toImageFormat().name());
        if (format.verticalAlignment() != alignment) {
            text += Shown(run, alignment);
            run.clear();
            alignment = format.verticalAlignment();
        }
        run += part.fragment().text();
    }
    return text + Shown(run, alignment);
}

// The document's text as QTextDocument::toPlainText() gives it.
QString Plain(QString text) {
    for (QChar& c : text) {
        switch (c.unicode()) {
        case 0xfdd0: // the start and the end of a frame (a table)
        case 0xfdd1:
        case QChar::ParagraphSeparator:
        case QChar::LineSeparator:
            c = u'\n';
            break;
        case QChar::Nbsp:
            c = u' ';
            break;
        default:
            break;
        }
    }
    return text;
}

// The lines of a document's blocks; the cells of a table row make one line,
// " | " between them, since a text box cannot align columns.
class Lines {
public:
    void add(const QTextBlock& block, const QString& text) {
        const QTextTable* table = QTextCursor(block).currentTable();
        if (!table) {
            endRow();
            lines_.append(text);
            return;
        }
        hadTable_ = true;
        const QTextTableCell cell = table->cellAt(block.position());
        const QString inCell = Plain(text).replace(u'\n', u' ').simplified();
        if (table != table_ || cell.row() != row_) {
            endRow();
            table_ = table;
            row_ = cell.row();
        } else if (cell.column() == column_) {
            cells_.last() = (cells_.last() + u' ' + inCell).trimmed();
            return;
        }
        column_ = cell.column();
        cells_.append(inCell);
    }

    QString text() {
        endRow();
        return lines_.join(u'\n');
    }

    bool hadTable() const { return hadTable_; }

private:
    void endRow() {
        if (!cells_.isEmpty()) lines_.append(cells_.join(QStringLiteral(" | ")));
        cells_.clear();
        table_ = nullptr;
    }

    QStringList lines_;
    QStringList cells_; // of the row being read
    const QTextTable* table_ = nullptr;
    int row_ = -1;
    int column_ = -1;
    bool hadTable_ = false;
};

HtmlText TextOf(const SealedDocument& document) {
    HtmlText read;
    Lines lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        lines.add(block, (block.textList() ? QStringLiteral("- ") : QString()) +
                             BlockText(block, read.images));
    // A picture leaves an object character behind, which is not text; with
    // it goes one of the blanks around it, so that "see <img> here" reads
    // "see here".
    static const QRegularExpression picture(QStringLiteral("(?<= )\\x{FFFC} |\\x{FFFC}"));
    read.lines = PlainLines(Plain(lines.text()).remove(picture));
    if (lines.hadTable())
        read.losses.append(QStringLiteral("таблицата е показана ред по ред, с „ | “ между "
                                          "клетките; колоните не са подравнени."));
    return read;
}

enum class Markup { Html, Markdown };

// HTML in Markdown is read by the same reader, at the same cost. Markdown's
// code spans may show tags as text, so only HTML names the tags it drops.
HtmlText Read(const QString& text, Markup markup) {
    const BoundedHtml bounded = BoundHtmlCost(text);
    HtmlText read;
    if (bounded.tooManyElements) {
        read.unread = QStringLiteral("текстът има повече от %1 HTML тага и не се чете.")
                          .arg(kMaxHtmlElements);
        return read;
    }
    SealedDocument document;
    if (markup == Markup::Html)
        document.setHtml(EscapeBareLessThan(bounded.html));
    else
        document.setMarkdown(bounded.html);
    read = TextOf(document);
    if (markup == Markup::Html)
        for (const QString& tag : bounded.droppedTags)
            read.losses.append(
                QStringLiteral("тагът <%1> е пропуснат; остава само текстът в него.").arg(tag));
    if (bounded.depthCut)
        read.losses.append(QStringLiteral("HTML таговете, вложени по-дълбоко от %1 нива, са "
                                          "пропуснати; текстът им е запазен.")
                               .arg(kMaxHtmlDepth));
    return read;
}

} // namespace

HtmlText ReadHtml(const QString& html) {
    return Read(html, Markup::Html);
}

HtmlText ReadMarkdown(const QString& markdown) {
    return Read(markdown, Markup::Markdown);
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
