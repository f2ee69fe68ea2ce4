// An answer that comes out of an import empty (it was only a picture, or only
// markup) is an error at its question's line: before, it became a blank
// option, and as the key a blank was the right answer.

#include "bank/bank_check.h"
#include "bank/gift_import.h"
#include "bank/moodle_xml_import.h"

#include <gtest/gtest.h>

using namespace vorn;

namespace {

// The question at line 2 has an answer that is only a picture, the one at
// line 8 an answer that is only an empty paragraph.
const char* kMoodleXml = R"(<quiz>
<question type="multichoice"><questiontext><text>Q1</text></questiontext>
<answer fraction="100"><text><![CDATA[<p><img src="@@PLUGINFILE@@/a.png"></p>]]></text></answer>
<answer fraction="0"><text>b</text></answer>
</question>


<question type="multichoice"><questiontext><text>Q2</text></questiontext>
<answer fraction="100"><text>a</text></answer>
<answer fraction="0"><text><![CDATA[<p> </p>]]></text></answer>
</question>
</quiz>
)";

// The second question's second answer (line 3) is only a picture.
const char* kGift = "Q1 {=a ~b}\n\nQ2 {=e ~[html]<img src\\=\"a.png\">}\n";

// The errors of an empty option: question, line, and the option named.
std::vector<std::tuple<int, int, QString>> EmptyOptions(const LoadedBank& bank) {
    std::vector<std::tuple<int, int, QString>> found;
    for (const BankIssue& issue : AllIssues(bank))
        if (issue.isError() && issue.message.contains(QStringLiteral("е празен:")))
            found.emplace_back(issue.question, issue.line, issue.message.section(u'(', 0, 0));
    return found;
}

} // namespace

TEST(EmptyOption, AnAnswerEmptyAfterImportIsAnErrorAtItsQuestionsLine) {
    using Found = std::vector<std::tuple<int, int, QString>>;
    EXPECT_EQ(EmptyOptions(ImportMoodleXml(kMoodleXml, QStringLiteral("bank.xml"))),
              (Found{{1, 2, QStringLiteral("отговор 1 ")}, {2, 8, QStringLiteral("отговор 2 ")}}));
    EXPECT_EQ(EmptyOptions(ImportGift(QString::fromUtf8(kGift), QStringLiteral("bank.gift"))),
              (Found{{2, 3, QStringLiteral("отговор 2 ")}}));
}
