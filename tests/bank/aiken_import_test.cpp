// Reading a bank from Aiken text as Moodle does: questions, options and the
// ANSWER letter, the title and settings, and each broken question at its line.

#include "bank/aiken_import.h"
#include "support/bank_printers.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

using namespace vorn;

namespace {

LoadedBank AikenBank(const QString& text) {
    return ImportAiken(text, QStringLiteral("/banks/capitals.txt"));
}

} // namespace

TEST(AikenImport, QuestionsOptionsAndTheAnswerLetter) {
    const LoadedBank bank = AikenBank(QStringLiteral(
        "\uFEFF  Столицата на България?  \r\nA) Пловдив\r\nB.  София \r\n\r\nANSWER: B\r\n\r\n"
        "Which?\rA)x\rB) y\rC) z\rANSWER:   C (z)\r\nx\n"));
    ASSERT_EQ(bank.content.questions.size(), 2u);
    const Question& bg = bank.content.questions[0];
    EXPECT_EQ(bg.text, QStringLiteral("Столицата на България?"));
    EXPECT_EQ(bg.options, (QStringList{QStringLiteral("Пловдив"), QStringLiteral("София")}));
    EXPECT_EQ(bg.key, QStringLiteral("София"));
    EXPECT_TRUE(bg.explanation.isEmpty());
    EXPECT_EQ(bank.content.questions[1].options, (QStringList{"x", "y", "z"}));
    EXPECT_EQ(bank.content.questions[1].key, "z");
    EXPECT_EQ(bank.questionLines, (std::vector<int>{1, 7}));
    EXPECT_TRUE(bank.issues.empty()) << bank.issues.front().message.toStdString();
}

TEST(AikenImport, TitleAndSettingsLikeGift) {
    EXPECT_EQ(AikenBank("Q?\nA) a\nB) b\nANSWER: A").content.settings,
              (BankSettings{.title = "capitals",
                            .phrasePreview = false,
                            .check = CheckMode::Off,
                            .explanations = true,
                            .reviewNavigation = true}));
}

TEST(AikenImport, BrokenQuestionsAreErrorsAtTheirLineAndManyOptionsAreSkipped) {
    struct Case {
        QString text; // after a good first question on lines 1-4
        bool error;
        int line;
        int question;
        QString reason;
    };
    const Case cases[] = {
        {"Q2?\nA) a\nB) b", true, 5, 2, QStringLiteral("няма ред „ANSWER")},
        {"Q2?\nA) a\nB) b\nQ3?\nA) c\nB) d\nANSWER: A", true, 5, 2,
         QStringLiteral("няма ред „ANSWER")},
        {"Q2?\nA) a\nB) b\nANSWER: C", true, 8, 2, QStringLiteral("„ANSWER: C“")},
        {"Q2?\nA) a\nB) b\nANSWER: b", true, 8, 2, QStringLiteral("„ANSWER: b“")},
        {"Q2?\nA) a\nB) b\nANSWER:", true, 8, 2, QStringLiteral("„ANSWER: “")},
        {"Q2?\nA) a\nANSWER: A", true, 7, 2, QStringLiteral("поне 2")},
        {"Q2?\nA) 1\nB) 2\nC) 3\nD) 4\nE) 5\nF) 6\nANSWER: A", false, 5, 2,
         QStringLiteral("6 отговора – пропуснат")},
        {"\nC) stray", true, 6, 0, QStringLiteral("преди първия въпрос")},
        {"ANSWER: A", true, 5, 0, QStringLiteral("преди първия въпрос")},
    };
    for (const auto& [text, error, line, question, reason] : cases) {
        const LoadedBank bank = AikenBank("Q1?\nA) a\nB) b\nANSWER: A\n" + text);
        ASSERT_EQ(bank.issues.size(), 1u) << text.toStdString();
        const BankIssue& issue = bank.issues.front();
        EXPECT_EQ(issue.isError(), error) << text.toStdString();
        EXPECT_EQ(issue.line, line) << text.toStdString();
        EXPECT_EQ(issue.question, question) << text.toStdString();
        EXPECT_TRUE(issue.message.contains(reason)) << issue.message.toStdString();
        EXPECT_EQ(bank.questionLines.front(), 1) << "the good question is still read";
    }
}

TEST(AikenImport, OnlyTextWithAnOptionAndAnAnswerLooksLikeAiken) {
    const std::pair<QString, bool> cases[] = {
        {"Q?\nA) a\nANSWER: A", true}, {"Q?\n  B. b\n  ANSWER: B", true},     {"Q?\nA) a", false},
        {"ANSWER: A", false},          {R"({"format": "vorn-bank"})", false}, {"Q {=a ~b}", false},
    };
    for (const auto& [text, aiken] : cases)
        EXPECT_EQ(LooksLikeAiken(text), aiken) << text.toStdString();
}
