// HTML as plain text: powers and indices keep their place, and a hostile text
// costs little. The faults caught: <sup>/<sub> dropped, so that a³·a⁴ read
// "a3·a4" and 6²+8² read "62+82"; a power split by a format read as two; the
// list's dash raised with a power that starts the item; Qt's reader taking
// time with the square of the nesting and a kilobyte per tag.

#include "bank/html_cost.h"
#include "bank/html_text.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

using namespace vorn;

namespace {

QString Repeated(const QString& part, int times) {
    QString text;
    for (int i = 0; i < times; ++i)
        text += part;
    return text;
}

QString NestedHtml(int depth) {
    return Repeated("<div>", depth) + "x" + Repeated("</div>", depth);
}

} // namespace

TEST(HtmlText, SuperscriptsAndSubscriptsAreRaisedCharactersElseMarked) {
    const std::pair<QString, QString> cases[] = {
        {"a<sup>3</sup>·a<sup>4</sup>", "a³·a⁴"},
        {"6<sup>2</sup>+8<sup>2</sup>", "6²+8²"},
        {"H<sub>2</sub>O", "H₂O"},
        {"x<sup>n+1</sup>", "xⁿ⁺¹"},
        {"10<sup>-3</sup> m", "10⁻³ m"},
        {"x<sup>k+1</sup>", "x^(k+1)"},
        {"v<sub>avg</sub> = 5", "v_(avg) = 5"},
        {"a<sub>max</sub>", "aₘₐₓ"},
        {"x<sup>1<b>0</b></sup>", "x¹⁰"},
        {"<span style=\"vertical-align:super\">2</span>", "²"},
        {"<ul><li><sup>2</sup>x</li></ul>", "- ²x"},
    };
    for (const auto& [html, expected] : cases)
        EXPECT_EQ(ReadHtml(html).lines, QStringList{expected}) << html.toStdString();
}

TEST(HtmlText, NestingDeeperThanTheLimitIsCutTheTextKeptAndSaid) {
    const QString cut = QStringLiteral("HTML таговете, вложени по-дълбоко от 100 нива, са "
                                       "пропуснати; текстът им е запазен.");
    const struct {
        QString html;
        QStringList lines;
        QStringList losses;
    } cases[] = {
        {NestedHtml(100), {"x"}, {}},
        {NestedHtml(101), {"x"}, {cut}},
        {NestedHtml(4000) + "<p>after</p>", {"x", "after"}, {cut}},
        // paragraphs and items close their own kind: 300 of them are not nested
        {Repeated("<p>a", 300), QStringList(300, "a"), {}},
        {"<ul>" + Repeated("<li>b", 150) + "</ul>", QStringList(150, "- b"), {}},
    };
    for (const auto& c : cases) {
        const HtmlText read = ReadHtml(c.html);
        EXPECT_EQ(read.lines, c.lines) << c.html.left(40).toStdString();
        EXPECT_EQ(read.losses, c.losses) << c.html.left(40).toStdString();
        EXPECT_FALSE(read.unread);
    }
}

TEST(HtmlText, ATextWithTooManyTagsIsNotRead) {
    const QString many = Repeated("<br>", kMaxHtmlElements) + "y";
    const HtmlText read = ReadHtml(many);
    EXPECT_EQ(read.lines, QStringList{"y"});
    EXPECT_FALSE(read.unread);
    const HtmlText tooMany = ReadHtml("<b>" + many);
    EXPECT_TRUE(tooMany.lines.isEmpty());
    EXPECT_EQ(tooMany.unread, "текстът има повече от 5000 HTML тага и не се чете.");
}

// The faults caught: a table flattened to one cell per line, so that rows
// cannot be told apart; a tag the reader drops (<math>, <del>) changing what
// the text says with no warning; Office's own marks warned about in every
// pasted paragraph.
TEST(HtmlText, TablesGoRowByRowAndWhatIsDroppedIsSaid) {
    const QString table = QStringLiteral("таблицата е показана ред по ред, с „ | “ между "
                                         "клетките; колоните не са подравнени.");
    const auto dropped = [](const QString& tag) {
        return QStringLiteral("тагът <%1> е пропуснат; остава само текстът в него.").arg(tag);
    };
    const struct {
        QString html;
        QStringList lines;
        QStringList losses;
    } cases[] = {
        {"<table><tr><td>a</td><td>b</td></tr><tr><td>1</td><td>2</td></tr></table>",
         {"a | b", "1 | 2"},
         {table}},
        {"<p>x</p><table><tr><th>n</th><th>n<sup>2</sup></th></tr>"
         "<tr><td><p>3</p><p>три</p></td><td>9</td></tr></table><p>y</p>",
         {"x", "n | n²", "3 три | 9", "y"},
         {table}},
        {"<math><mfrac><mn>1</mn><mn>2</mn></mfrac></math>",
         {"12"},
         {dropped("math"), dropped("mfrac"), dropped("mn")}},
        {"Кое е грешно: <del>2+2=5</del>", {"Кое е грешно: 2+2=5"}, {dropped("del")}},
        {"<p class=MsoNormal>a<o:p></o:p></p><section><figure>b</figure></section>",
         {"a", "b"},
         {}},
    };
    for (const auto& c : cases) {
        const HtmlText read = ReadHtml(c.html);
        EXPECT_EQ(read.lines, c.lines) << c.html.toStdString();
        EXPECT_EQ(read.losses, c.losses) << c.html.toStdString();
    }
}

// The fault caught: a file of many texts each just under the cap of one
// (1,500 texts of 5,000 paragraphs fit in 64 MiB) took as long as one text
// without a cap. Only the tags that are read count: a text left unread for
// its size costs nothing.
TEST(HtmlText, TheTextsOfOneBankShareOneBudgetOfTags) {
    const QString full = Repeated("<b>", kMaxHtmlElements);
    const int fullTexts = kMaxBankHtmlTags / kMaxHtmlElements;
    HtmlBudget budget;
    for (int i = 0; i < fullTexts; ++i)
        ASSERT_TRUE(budget.take({full})) << i;
    EXPECT_TRUE(budget.take({"plain text", "a < b", full + "<i>"}));
    EXPECT_FALSE(budget.take({"<i>one</i>"}));
    HtmlBudget fresh;
    EXPECT_FALSE(fresh.take(QStringList(fullTexts + 1, full)));
    EXPECT_TRUE(fresh.take(QStringList(fullTexts, full)));
}
