// A '<' is text in every reader. The fault caught: Qt's HTML reader takes any
// '<' for the start of a tag and silently drops the rest of the text, so
// "Is 2 &lt; 3?" in Moodle XML became "Is 2" and an answer "a &lt; b" became
// "a". A '<' before a letter, '/', '!' or '?' starts a tag, as in a browser;
// any other is text, and entities stay one level deep ("&amp;lt;" in HTML is
// the text "&lt;").

#include "bank/aiken_import.h"
#include "bank/bank_json.h"
#include "bank/gift_import.h"
#include "bank/moodle_xml_import.h"
#include "support/qt_printers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

enum class Reader { MoodleXml, Gift, Json, Aiken };

// A bank of one question in the reader's own form: `question` and `right`
// written into the file exactly as given, a wrong answer "z" beside it.
LoadedBank Read(Reader reader, const QString& question, const QString& right) {
    switch (reader) {
    case Reader::MoodleXml:
        return ImportMoodleXml(
            QStringLiteral("<quiz><question type=\"multichoice\"><questiontext format=\"html\">"
                           "<text>%1</text></questiontext>"
                           "<answer fraction=\"100\"><text>%2</text></answer>"
                           "<answer fraction=\"0\"><text>z</text></answer></question></quiz>")
                .arg(question, right)
                .toUtf8(),
            "t.xml");
    case Reader::Gift:
        return ImportGift(question + " {=" + right + " ~z}", "t.gift");
    case Reader::Json: {
        const QJsonObject one{
            {"text", question}, {"options", QJsonArray{right, "z"}}, {"key", right}};
        const QJsonObject bank{{"format", "vorn-bank"},
                               {"version", 2},
                               {"title", "T"},
                               {"questions", QJsonArray{one}}};
        return ReadBankJson(QJsonDocument(bank).toJson(),
                            [](const QString&) { return PictureResult(QString("-")); });
    }
    case Reader::Aiken:
        return ImportAiken(question + "\nA) " + right + "\nB) z\nANSWER: A\n", "t.txt");
    }
    return {};
}

} // namespace

TEST(LessThanInEveryReader, IsTextWhereverItStartsNoTag) {
    const struct {
        Reader reader;
        QString question, right; // as written in the file
        QString text, option;    // as the player shows them
    } cases[] = {
        // Moodle XML: the XML's own entities and CDATA come first, then HTML.
        {Reader::MoodleXml, "Is 2 &lt; 3?", "a &lt; b", "Is 2 < 3?", "a < b"},
        {Reader::MoodleXml, "<![CDATA[<p>Is 2 < 3 and 1<2?</p>]]>", "<![CDATA[x <= y]]>",
         "Is 2 < 3 and 1<2?", "x <= y"},
        {Reader::MoodleXml, "<![CDATA[Is &amp;lt; a tag?]]>", "<![CDATA[<b>&lt;</b>]]>",
         "Is &lt; a tag?", "<"},
        {Reader::MoodleXml, "Is &amp;lt; a tag?", "&amp;amp;lt;", "Is < a tag?", "&lt;"},
        {Reader::MoodleXml, "&lt;p&gt;Is 5 &lt;&lt; 1 = 10?&lt;/p&gt;", "1 &lt;", "Is 5 << 1 = 10?",
         "1 <"},
        // GIFT: [html], a Moodle text holding a tag (HTML too), and [markdown].
        {Reader::Gift, "[html]Is 2 < 3 and 1<2?", "a < b", "Is 2 < 3 and 1<2?", "a < b"},
        {Reader::Gift, "[html]Is 2 &lt; 3 and &amp;lt; text?", "<i>1</i> <2",
         "Is 2 < 3 and &lt; text?", "1 <2"},
        {Reader::Gift, "Is <b>x</b> < 3 when x is 2?", "yes <", "Is x < 3 when x is 2?", "yes <"},
        {Reader::Gift, "Is 2 < 3?", "<b>a</b> < b", "Is 2 < 3?", "a < b"},
        {Reader::Gift, "[markdown]Is **2 < 3** and 1<2?", "a < b", "Is 2 < 3 and 1<2?", "a < b"},
        // Formats without HTML keep every character as written.
        {Reader::Gift, "[plain]Is <b>x</b> < 3?", "&lt;", "Is <b>x</b> < 3?", "&lt;"},
        {Reader::Json, "Is <b>x</b> < 3 &lt; 4?", "a < b", "Is <b>x</b> < 3 &lt; 4?", "a < b"},
        {Reader::Aiken, "Is <b>x</b> < 3 &lt; 4?", "a < b", "Is <b>x</b> < 3 &lt; 4?", "a < b"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.question.toStdString());
        const LoadedBank bank = Read(c.reader, c.question, c.right);
        EXPECT_FALSE(bank.hasErrors());
        ASSERT_EQ(bank.content.questions.size(), 1u);
        EXPECT_EQ(bank.content.questions[0].text, c.text);
        EXPECT_EQ(bank.content.questions[0].options.value(0), c.option);
        EXPECT_EQ(bank.content.questions[0].key, c.option);
    }
}
