// An answer that comes out of an import empty (it was only a picture, or
// only markup) is an error at its question's line, in every reader: before,
// it became a blank option, and as the key a blank was the right answer.

#include "bank/bank_check.h"
#include "bank/gift_import.h"
#include "bank/moodle_xml_import.h"

#include <gtest/gtest.h>

using namespace vorn;

namespace {

const char* kMoodleXml = R"(<?xml version="1.0" encoding="UTF-8"?>
<quiz>
<question type="multichoice">
<name><text>q1</text></name>
<questiontext format="html"><text>Q1</text></questiontext>
<single>true</single>
<answer fraction="100" format="html"><text>a</text></answer>
<answer fraction="0" format="html"><text>b</text></answer>
</question>
<question type="multichoice">
<name><text>q2</text></name>
<questiontext format="html"><text>Коя е фигурата?</text></questiontext>
<single>true</single>
<answer fraction="100" format="html"><text><![CDATA[<p><img src="@@PLUGINFILE@@/a.png"></p>]]></text></answer>
<answer fraction="0" format="html"><text>b</text></answer>
</question>
<question type="multichoice">
<name><text>q3</text></name>
<questiontext format="html"><text>Q3</text></questiontext>
<single>true</single>
<answer fraction="100" format="html"><text>a</text></answer>
<answer fraction="0" format="html"><text><![CDATA[<p> </p>]]></text></answer>
</question>
</quiz>
)";

// The third question's second answer is only a picture.
const char* kGift = "Q1 {=a ~b}\n\nQ2 {=c ~d}\n\nQ3 {=e ~[html]<img src\\=\"a.png\">}\n";

struct Expected {
    int question, line;
    QString says;
};

void ExpectEmptyOptionErrors(const LoadedBank& bank, const std::vector<Expected>& expected,
                             const char* what) {
    std::vector<BankIssue> errors;
    for (const BankIssue& issue : AllIssues(bank))
        if (issue.isError()) errors.push_back(issue);
    ASSERT_EQ(errors.size(), expected.size()) << what;
    for (std::size_t i = 0; i < errors.size(); ++i) {
        EXPECT_EQ(errors[i].question, expected[i].question) << what;
        EXPECT_EQ(errors[i].line, expected[i].line) << what;
        EXPECT_TRUE(errors[i].message.contains(expected[i].says))
            << what << ": " << errors[i].message.toStdString();
    }
}

} // namespace

TEST(EmptyOption, AnAnswerEmptyAfterImportIsAnErrorAtItsQuestionsLine) {
    ExpectEmptyOptionErrors(ImportMoodleXml(kMoodleXml, QStringLiteral("bank.xml")),
                            {{2, 10, QStringLiteral("отговор 1 (по реда в банката) е празен")},
                             {3, 17, QStringLiteral("отговор 2 (по реда в банката) е празен")}},
                            "Moodle XML");
    ExpectEmptyOptionErrors(ImportGift(QString::fromUtf8(kGift), QStringLiteral("bank.gift")),
                            {{3, 5, QStringLiteral("отговор 2 (по реда в банката) е празен")}},
                            "GIFT");
}
