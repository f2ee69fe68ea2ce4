#include "moodle_xml_import.h"

#include "bank_title.h"
#include "html_cost.h"
#include "moodle_question.h"
#include "text_place.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

namespace vorn {

namespace {

using moodle::RichText;
using moodle::XmlQuestion;

// The last name of a category path; Moodle writes a "/" inside a name as "//".
QString CategoryTitle(const QString& path) {
    QStringList names = QString(path).replace(QStringLiteral("//"), QChar(0)).split(u'/');
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        const QString title = name->replace(QChar(0), u'/').trimmed();
        if (!title.isEmpty() && title != u"top" && !title.startsWith(u'$')) return title;
    }
    return {};
}

// The encoding the XML declaration names; empty where it names none.
QString DeclaredEncoding(const QByteArray& xml) {
    static const QRegularExpression declaration(
        QStringLiteral(R"(^\s*<\?xml\s[^>]*?\bencoding\s*=\s*["']([^"']*)["'])"));
    return declaration.match(QString::fromLatin1(xml.left(256))).captured(1);
}

// A file read as UTF-8 (as it says, or as XML reads a file that says
// nothing) is refused at its first byte that is not UTF-8; the XML reader
// names only the start of the file.
std::optional<BankIssue> NotUtf8Xml(const QByteArray& xml) {
    const QString encoding = DeclaredEncoding(xml).toLower();
    if (Utf16Name(xml) || !(encoding.isEmpty() || encoding == u"utf-8" || encoding == u"utf8"))
        return std::nullopt;
    const std::optional<qsizetype> bad = FirstInvalidUtf8(xml);
    return bad ? std::optional(NotUtf8At(xml, *bad)) : std::nullopt;
}

QStringList TextsOf(const XmlQuestion& read) {
    QStringList texts{read.questionText.text, read.generalFeedback.text};
    for (const moodle::Answer& answer : read.answers)
        texts << answer.text.text << answer.feedback.text;
    return texts;
}

class MoodleXmlReader {
public:
    explicit MoodleXmlReader(const QByteArray& xml) : xml_(xml) {}

    LoadedBank read(const QString& fileName) {
        while (!xml_.atEnd() && !xml_.hasError()) {
            const auto token = xml_.readNext();
            if (token == QXmlStreamReader::DTD) {
                xml_.raiseError(QStringLiteral("файлът има DOCTYPE; Moodle XML е без DTD и "
                                               "той не се чете"));
            } else if (token == QXmlStreamReader::StartElement) {
                if (xml_.name() != u"quiz")
                    xml_.raiseError(QStringLiteral("коренът на файла е <%1>, а не <quiz>: това не "
                                                   "е Moodle XML")
                                        .arg(xml_.name()));
                else
                    quiz();
            }
        }
        if (xml_.hasError()) {
            QString reason = xml_.errorString();
            if (reason.endsWith(u'.')) reason.chop(1);
            LoadedBank refused;
            refused.issues.push_back(
                {.line = static_cast<int>(xml_.lineNumber()),
                 .column = static_cast<int>(xml_.columnNumber()) + 1,
                 .message = xml_.error() == QXmlStreamReader::CustomError
                                ? reason + u'.'
                                : QStringLiteral("файлът не е правилен XML: %1.").arg(reason)});
            return refused;
        }
        bank_.content.settings.title = title_.isEmpty() ? TitleFromFileName(fileName) : title_;
        return std::move(bank_);
    }

private:
    bool is(const char16_t* name) const { return xml_.name() == QStringView(name); }

    QString text() { return xml_.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement); }

    void quiz() {
        while (xml_.readNextStartElement()) {
            if (is(u"question"))
                question();
            else
                xml_.skipCurrentElement();
        }
    }

    void question() {
        XmlQuestion read;
        read.type = xml_.attributes().value(QStringLiteral("type")).toString();
        read.line = static_cast<int>(xml_.lineNumber());
        QString category;
        while (xml_.readNextStartElement()) {
            if (is(u"category"))
                category = rich().text;
            else if (is(u"questiontext"))
                read.questionText = rich();
            else if (is(u"generalfeedback"))
                read.generalFeedback = rich();
            else if (is(u"single"))
                read.single = text();
            else if (is(u"answer"))
                read.answers.push_back(answer());
            else if (is(u"image"))
                read.imageName = text().trimmed();
            else if (is(u"image_base64"))
                read.imageBase64 = text();
            else
                xml_.skipCurrentElement();
        }
        if (xml_.hasError()) return;
        if (read.type == u"category") {
            if (title_.isEmpty()) title_ = CategoryTitle(category);
            return;
        }
        ++number_;
        if (read.type == u"multichoice" && !budget_.take(TextsOf(read))) {
            bank_.issues.push_back({.severity = BankIssue::Severity::Warning,
                                    .line = read.line,
                                    .question = number_,
                                    .message = HtmlBudget::skipped()});
            return;
        }
        moodle::MadeQuestion made = moodle::MakeQuestion(read);
        for (BankIssue& issue : made.issues) {
            issue.question = number_;
            bank_.issues.push_back(std::move(issue));
        }
        if (made.question) {
            bank_.content.questions.push_back(std::move(*made.question));
            bank_.questionLines.push_back(read.line);
        }
    }

    // An element holding a <text> and the <file>s it shows.
    RichText rich() {
        RichText read;
        read.format = xml_.attributes().value(QStringLiteral("format")).toString();
        while (xml_.readNextStartElement()) {
            if (is(u"text")) {
                read.text = text();
            } else if (is(u"file")) {
                file(read);
            } else {
                xml_.skipCurrentElement();
            }
        }
        return read;
    }

    // A <file> the text shows, into `read`'s files by path and name.
    void file(RichText& read) {
        const auto attributes = xml_.attributes();
        const QString path = attributes.hasAttribute(QStringLiteral("path"))
                                 ? attributes.value(QStringLiteral("path")).toString()
                                 : QStringLiteral("/");
        const QString name = path + attributes.value(QStringLiteral("name")).toString();
        const bool base64 = attributes.value(QStringLiteral("encoding")) == u"base64";
        const QString content = text();
        if (base64) read.files.emplace(name, content);
    }

    moodle::Answer answer() {
        moodle::Answer read;
        read.fraction = xml_.attributes().value(QStringLiteral("fraction")).toString();
        read.text.format = xml_.attributes().value(QStringLiteral("format")).toString();
        while (xml_.readNextStartElement()) {
            if (is(u"text"))
                read.text.text = text();
            else if (is(u"file")) // an answer's pictures stand beside its <text>
                file(read.text);
            else if (is(u"feedback"))
                read.feedback = rich();
            else
                xml_.skipCurrentElement();
        }
        return read;
    }

    QXmlStreamReader xml_;
    LoadedBank bank_;
    QString title_;
    int number_ = 0; // of the questions read, categories left out
    HtmlBudget budget_;
};

} // namespace

LoadedBank ImportMoodleXml(const QByteArray& xml, const QString& fileName) {
    if (const std::optional<BankIssue> notUtf8 = NotUtf8Xml(xml)) {
        LoadedBank refused;
        refused.issues.push_back(*notUtf8);
        return refused;
    }
    return MoodleXmlReader(xml).read(fileName);
}

} // namespace vorn
