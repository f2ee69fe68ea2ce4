// Reading a bank from GIFT text: the multiple-choice questions it takes, the
// title and settings, every other question type skipped with a warning at its
// place, and broken syntax refused.

#include "bank/gift_import.h"
#include "bank/option_picture.h"
#include "support/bank_printers.h"
#include "support/qt_printers.h"

#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

LoadedBank Import(const QString& text) {
    return ImportGift(text, QStringLiteral("/banks/present-simple.gift"));
}

// The one question of text, read without any issue; an empty one otherwise.
Question Only(const QString& text) {
    const LoadedBank bank = Import(text);
    EXPECT_TRUE(bank.issues.empty())
        << FormatIssue(QStringLiteral("t"), bank.issues.front()).toStdString();
    return bank.content.questions.size() == 1 ? bank.content.questions.front() : Question{};
}

// The warning at a text naming the picture `name`, which is left out.
QString LeftOut(const QString& name) {
    return QStringLiteral("картинката „%1“ е пропусната: GIFT не носи картинки; показват се "
                          "картинките на Moodle XML и на vorn-bank.")
        .arg(name);
}

} // namespace

TEST(GiftImport, EscapesGiveTheCharacterALineBreakOrStayAsWritten) {
    const std::pair<QString, QString> cases[] = {
        {"a\\~b {=x ~y}", "a~b"},    {"a\\=b {=x ~y}", "a=b"},   {"a\\#b {=x ~y}", "a#b"},
        {"a\\{b {=x ~y}", "a{b"},    {"a\\}b {=x ~y}", "a}b"},   {"a\\:b {=x ~y}", "a:b"},
        {"a\\nb {=x ~y}", "a\r\nb"}, {"a\\\\b {=x ~y}", "a\\b"}, {"a\\\\nb {=x ~y}", "a\\nb"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(Only(text).text, expected) << text.toStdString();
    const Question q = Only("Q {=x\\=1\\ny ~\\{z\\}}");
    EXPECT_EQ(q.options, (QStringList{"x=1\r\ny", "{z}"}));
    EXPECT_EQ(q.key, "x=1\r\ny");
}

TEST(GiftImport, AnswersOnOneLineOrEachOnItsOwnLine) {
    for (const QString text :
         {"Which verb?\n{=am ~is ~are}", "Which \t\n  verb?  {\n=am\n~ is \n~are\n}"}) {
        const Question q = Only(text);
        EXPECT_EQ(q.text, "Which verb?") << text.toStdString();
        EXPECT_EQ(q.options, (QStringList{"am", "is", "are"})) << text.toStdString();
        EXPECT_EQ(q.key, "am") << text.toStdString();
    }
}

TEST(GiftImport, TitleFromTheFirstTitleCommentElseTheFileName) {
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("// title: Сегашно време\n// title: Второ\nQ {=a ~b}"),
         QStringLiteral("Сегашно време")},
        {"Q {=a ~b}\n\n//TITLE:Late", "Late"},
        {"// a note\nQ {=a ~b}", "present-simple"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(Import(text).content.settings.title, expected) << text.toStdString();
}

TEST(GiftImport, CommentsCategoriesNamesAndFormatMarkersAreLeftOut) {
    const LoadedBank bank =
        Import("$CATEGORY: $course$/Verbs\n\n// note\n::Q1:: [html]Who\n// inside\nis it? "
               "{=[markdown]a ~b}");
    ASSERT_EQ(bank.content.questions.size(), 1u);
    EXPECT_EQ(bank.content.questions[0].text, "Who is it?");
    EXPECT_EQ(bank.content.questions[0].options, (QStringList{"a", "b"}));
    EXPECT_EQ(bank.questionLines, std::vector<int>{4});
    EXPECT_EQ(bank.content.questions[0].id, "Q1") << "the name is the question's id";
}

TEST(GiftImport, ASecondQuestionOfTheSameNameIsWarnedAndKnownByItsNumber) {
    const LoadedBank bank = Import("::Q:: A {=a ~b}\n\n::Q:: B {=a ~b}\n\nC {=a ~b}");
    ASSERT_EQ(bank.content.questions.size(), 3u);
    EXPECT_EQ(std::tuple(bank.content.questions[0].id, bank.content.questions[1].id,
                         bank.content.questions[2].id),
              std::tuple(QString("Q"), QString(), QString()));
    ASSERT_EQ(bank.issues.size(), 1u);
    EXPECT_EQ(std::tuple(bank.issues[0].isWarning(), bank.issues[0].question, bank.issues[0].line),
              std::tuple(true, 2, 3));
}

TEST(GiftImport, GeneralFeedbackThenEachAnswersFeedbackMakeTheExplanation) {
    const Question q = Only("Q {=a #Right.\n~b # No:\\nsee rule 2.\n~c ####General one.\\n"
                            "\nGeneral \\#two.}");
    EXPECT_EQ(q.explanation,
              QStringList({QStringLiteral("General one."), QStringLiteral("General #two."),
                           QStringLiteral("a – Right."), QStringLiteral("b – No:"),
                           QStringLiteral("see rule 2.")}));
}

TEST(GiftImport, TextAfterTheBlockMakesAMissingWordQuestion) {
    const std::pair<QString, QString> cases[] = {
        {"I {=am ~is ~are} happy.", "I ___ happy."},
        {"{=A ~An} apple.", "___ apple."},
        {"I\n{=am ~is}\nhappy.", "I ___ happy."},
        {"Who? {=a ~b}", "Who?"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(Only(text).text, expected) << text.toStdString();
}

TEST(GiftImport, PhrasePreviewOnlyWhenEveryQuestionIsMissingWord) {
    const std::pair<QString, bool> cases[] = {
        {"I {=am ~is} here.\n\n{=A ~An} apple.", true},
        {"I {=am ~is} here.\n\nWho? {=a ~b}", false},
        {"", false},
    };
    for (const auto& [text, phrase] : cases)
        EXPECT_EQ(Import(text).content.settings, (BankSettings{.title = "present-simple",
                                                               .phrasePreview = phrase,
                                                               .check = CheckMode::Off,
                                                               .explanations = true,
                                                               .reviewNavigation = true}))
            << text.toStdString();
}

TEST(GiftImport, OtherQuestionTypesAreSkippedWithAWarningAtTheirPlace) {
    struct Case {
        QString question; // the second question of the file, on line 3
        int column;
        QString reason;
    };
    const Case cases[] = {
        {"Is it? {T}", 8, QStringLiteral("„вярно/невярно“")},
        {"Is it? {TRUE}", 8, QStringLiteral("„вярно/невярно“")},
        {"Is it? { F }", 8, QStringLiteral("„вярно/невярно“")},
        {"Is it? {FALSE#No.}", 8, QStringLiteral("„вярно/невярно“")},
        {"Year? {#1822:5}", 7, QStringLiteral("„числов“")},
        {"Write. {}", 8, QStringLiteral("„есе“")},
        {"Write. {####Hint.}", 8, QStringLiteral("„есе“")},
        {"Match. {=a -> 1 =b -> 2}", 8, QStringLiteral("„съответствие“")},
        {"Capital? {=Paris =paris}", 10, QStringLiteral("„кратък отговор“")},
        {"Is it? {true}", 8, QStringLiteral("„кратък отговор“")},
        {"Just a note.", 0, QStringLiteral("„описание“")},
        {"Q {=a =b ~c}", 7, QStringLiteral("няколко верни")},
        {"Q {=a ~%50%b}", 8, QStringLiteral("тежести")},
        {"Q {=%100%a ~b}", 5, QStringLiteral("тежести")},
        {"Q {=a ~b ~c ~d ~e ~f}", 3, QStringLiteral("6 отговора")},
    };
    for (const auto& [question, column, reason] : cases) {
        const LoadedBank bank = Import("Good {=a ~b}\n\n" + question + "\n\nFine {=c ~d}");
        ASSERT_EQ(bank.issues.size(), 1u) << question.toStdString();
        const BankIssue& issue = bank.issues.front();
        EXPECT_FALSE(issue.isError()) << question.toStdString();
        EXPECT_EQ(issue.line, 3) << question.toStdString();
        EXPECT_EQ(issue.column, column) << question.toStdString();
        EXPECT_EQ(issue.question, 2) << question.toStdString();
        EXPECT_TRUE(issue.message.contains(reason)) << issue.message.toStdString();
        EXPECT_EQ(bank.questionLines, (std::vector<int>{1, 5})) << question.toStdString();
    }
}

TEST(GiftImport, BrokenSyntaxIsRefusedAtItsPlace) {
    struct Case {
        QString question; // the second question of the file, on line 3
        int column;
        QString reason;
    };
    const Case cases[] = {
        {"Q {~a ~b}", 3, QStringLiteral("няма верен")},
        {"Q {a =b ~c}", 4, QStringLiteral("преди първия")},
        {"::Q a {=b ~c}", 1, QStringLiteral("името")},
        {"Q {=a ~b\n~c", 3, QStringLiteral("не е затворен")},
        {"{{{{{{}}}}}}", 1, QStringLiteral("не е затворен")},
        {"Q =a ~b}", 8, QStringLiteral("без отваряща")},
        {"Q {T} x}", 8, QStringLiteral("без отваряща")},
        {"Q {=a ~b} and {=c ~d}", 15, QStringLiteral("втори блок")},
    };
    for (const auto& [question, column, reason] : cases) {
        const LoadedBank bank = Import("Good {=a ~b}\n\n" + question);
        ASSERT_EQ(bank.issues.size(), 1u) << question.toStdString();
        const BankIssue& issue = bank.issues.front();
        EXPECT_TRUE(issue.isError());
        EXPECT_EQ(issue.line, 3) << question.toStdString();
        EXPECT_EQ(issue.column, column) << question.toStdString();
        EXPECT_EQ(issue.question, 2) << question.toStdString();
        EXPECT_TRUE(issue.message.contains(reason)) << issue.message.toStdString();
        EXPECT_EQ(bank.content.questions.size(), 1u) << "the good question is still read";
    }
}

TEST(GiftImport, AnUnknownEscapeIsKeptAndWarnedAtItsPlace) {
    const LoadedBank bank = Import("Q1 {=a ~b}\n\nQ2\nsee C:\\dir {=a\\t ~b}");
    ASSERT_EQ(bank.content.questions.size(), 2u);
    EXPECT_EQ(bank.content.questions[1].text, "Q2 see C:\\dir");
    EXPECT_EQ(bank.content.questions[1].key, "a\\t");
    ASSERT_EQ(bank.issues.size(), 2u);
    const std::pair<int, int> places[] = {{4, 7}, {4, 15}};
    for (std::size_t k = 0; k < 2; ++k) {
        EXPECT_FALSE(bank.issues[k].isError());
        EXPECT_EQ(std::make_pair(bank.issues[k].line, bank.issues[k].column), places[k]);
        EXPECT_EQ(bank.issues[k].question, 2);
    }
    EXPECT_TRUE(bank.issues[0].message.contains(QStringLiteral("„\\d“")));
}

TEST(GiftImport, HtmlAndMarkdownBecomePlainText) {
    struct Case {
        QString question;
        QString text;
        QStringList options;
        QStringList explanation;
    };
    const Case cases[] = {
        {"[html]<p>One &amp; <b>two</b></p><p>three<br>four</p> {=a&lt;b ~c#<i>No</i>}",
         "One & two\r\nthree\r\nfour",
         {"a<b", "c"},
         {QStringLiteral("c – No")}},
        {"[html]Pick:<ul><li>x</li><li>y</li></ul> {=[plain]<b> ~&nbsp;c}",
         "Pick:\r\n- x\r\n- y",
         {"<b>", "c"},
         {}},
        {"[moodle]A <b>bold</b> &quot;word&quot; {=a ~b}", "A bold \"word\"", {"a", "b"}, {}},
        {"[moodle]a < b {=a ~b}", "a < b", {"a", "b"}, {}},
        {"[markdown]**Bold** and *it* {=`x` ~y ####- one\n- two}",
         "Bold and it",
         {"x", "y"},
         {"- one", "- two"}},
        {"Arrow {=a->b ~c->d}", "Arrow", {"a->b", "c->d"}, {}},
    };
    for (const auto& [question, text, options, explanation] : cases) {
        const Question q = Only(question);
        EXPECT_EQ(q.text, text) << question.toStdString();
        EXPECT_EQ(q.options, options) << question.toStdString();
        EXPECT_EQ(q.explanation, explanation) << question.toStdString();
    }
}

TEST(GiftImport, EveryBrokenQuestionIsReportedAndGoodOnesKeepTheirLines) {
    const LoadedBank bank = Import("// c\nQ1 {=a ~b}\n\n\n// x\nQ2\n{=c ~d}\n\nBad {=a ~b}}\n\n"
                                   "Bad {\n=x\n\nQ5 {=e ~f}\n\nx}");
    EXPECT_EQ(bank.questionLines, (std::vector<int>{2, 6, 14}));
    ASSERT_EQ(bank.issues.size(), 3u);
    EXPECT_EQ(std::make_pair(bank.issues[0].line, bank.issues[0].question), std::make_pair(9, 3));
    EXPECT_EQ(std::make_pair(bank.issues[1].line, bank.issues[1].question), std::make_pair(11, 4));
    EXPECT_EQ(std::make_pair(bank.issues[2].line, bank.issues[2].question), std::make_pair(16, 6));
}

TEST(GiftImport, ByteOrderMarkAndWindowsOrOldMacLineEndsAreAccepted) {
    const LoadedBank mac = Import("Q one\rmore {=a\r~b}\r\rQ2 {=c ~d}\r");
    EXPECT_EQ(mac.content.questions[0].text, "Q one more");
    EXPECT_EQ(mac.questionLines, (std::vector<int>{1, 5}));
    const LoadedBank bank = Import(QStringLiteral(
        "\uFEFF// title: T\r\nQ one\r\nmore {=a\r\n~b #x\r\ny}\r\n\r\nQ2 {=c ~d}\r\n"));
    ASSERT_FALSE(bank.hasErrors());
    EXPECT_EQ(bank.content.settings.title, "T");
    EXPECT_EQ(bank.content.questions[0].text, "Q one more");
    EXPECT_EQ(bank.content.questions[0].options, (QStringList{"a", "b"}));
    EXPECT_EQ(bank.content.questions[0].explanation, (QStringList{QStringLiteral("b – x"), "y"}));
    EXPECT_EQ(bank.questionLines, (std::vector<int>{2, 7}));
}

// The fault caught: GIFT's HTML was read by a text document of its own,
// which loads every file a text names: a style sheet changed what was read
// (and /dev/zero or a pipe would never end). It is now read as Moodle XML's
// is, and nothing a text names is ever opened.
TEST(GiftImport, HtmlOpensNoFileItNames) {
    QTemporaryDir dir;
    QFile css(dir.filePath("s.css"));
    ASSERT_TRUE(css.open(QIODevice::WriteOnly));
    css.write("p { white-space: pre }");
    css.close();
    const QString url = QUrl::fromLocalFile(css.fileName()).toString();
    EXPECT_EQ(Only("[html]<style>@import url(\"" + url + "\");</style><p>a   b</p> {=a ~b}").text,
              "a b");
}

// The fault caught: a picture in an [html] or [markdown] text stayed in the
// question and the explanation as a stray object character ("￼"), and was
// dropped without a word. A GIFT file carries no pictures: each one named is
// left out, the text reads on, and the warning stands at the text naming it.
TEST(GiftImport, APictureIsLeftOutOfTheTextWithAWarningAtThatText) {
    const struct {
        QString gift;
        QString text;
        QStringList explanation;
        int line, column;
        QString warning;
    } cases[] = {
        {"[html]<p>Виж <img src=\"a.png\"> и кажи</p> {=a ~b}",
         "Виж и кажи",
         {},
         1,
         1,
         LeftOut("a.png")},
        {"// c\n\n  [markdown]Виж ![схема](s.png)\nи кажи {=a ~b}",
         "Виж и кажи",
         {},
         3,
         3,
         LeftOut("s.png")},
        {"[html]Q {=a ~b\n####<img src=\"r.png\"/>Решение}",
         "Q",
         {"Решение"},
         2,
         1,
         LeftOut("r.png")},
        {"[html]Q {=a ~b #<img src\\=\"x.png\">не}", "Q", {"b – не"}, 1, 16, LeftOut("x.png")},
        {"[html]Q {=<img src\\=\"k.png\">a ~b}", "Q", {}, 1, 10, LeftOut("k.png")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.gift.toStdString());
        const LoadedBank bank = Import(c.gift);
        ASSERT_EQ(bank.content.questions.size(), 1u);
        const Question& q = bank.content.questions[0];
        EXPECT_EQ(q.text, c.text);
        EXPECT_EQ(q.options, QStringList({"a", "b"}));
        EXPECT_EQ(q.explanation, c.explanation);
        ASSERT_EQ(bank.issues.size(), 1u);
        EXPECT_TRUE(bank.issues[0].isWarning());
        EXPECT_EQ(bank.issues[0].line, c.line);
        EXPECT_EQ(bank.issues[0].column, c.column);
        EXPECT_EQ(bank.issues[0].question, 1);
        EXPECT_EQ(bank.issues[0].message, c.warning);
    }
}

// The faults caught: an [html] answer that is only a picture read as an empty
// option (the key a blank) although the bank's folder holds the file; two
// such pictures of one file name going by one name; a missing file played as
// a blank instead of an empty option (an error) with the reason at the answer;
// a picture beside text taking the text's place; a name written as a URL
// ("my%20a.png") looked for under the file's own name.
TEST(GiftImport, AnHtmlAnswerThatIsOnlyAPictureIsThatPictureFromTheBanksFolder) {
    const PictureReader folder = [](const QString& name) -> PictureResult {
        if (name == u"a.png" || name == u"p/a.png" || name == u"my a.png")
            return MakePicture(name.toUtf8());
        return QStringLiteral("картинката „%1“ липсва.").arg(name);
    };
    const struct {
        QString gift;
        QStringList options;
        QString key;
        std::vector<QByteArray> pictures; // per option, the file's bytes; empty: text
        QString warning{};                // at line 1,
        int column = 4;                   // its answer's „~“
    } cases[] = {
        {"Q {=[html]<img src\\=\"a.png\"> ~b}", {"a.png", "b"}, "a.png", {"a.png", ""}},
        {"Q {~b =[html]<p><img src\\=\"p/a.png\" alt\\=\"\"></p> ~[html]<img src\\=\"a.png\">}",
         {"b", "a.png", "картинка 3"},
         "a.png",
         {"", "p/a.png", "a.png"}},
        {"Q {=[html]<img src\\=\"my%20a.png\"> ~b}",
         {"my a.png", "b"},
         "my a.png",
         {"my a.png", ""}},
        {"Q {~[html]<img src\\=\"z.png\"> =b}",
         {"", "b"},
         "b",
         {"", ""},
         "отговор 1: картинката „z.png“ липсва."},
        // Beside text a picture is left out, as in a question's text.
        {"Q {=a ~[html]b <img src\\=\"a.png\">}", {"a", "b"}, "a", {"", ""}, LeftOut("a.png"), 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.gift.toStdString());
        const LoadedBank bank = ImportGift(c.gift, QStringLiteral("/b/t.gift"), folder);
        ASSERT_EQ(bank.content.questions.size(), 1u);
        const Question& q = bank.content.questions[0];
        EXPECT_EQ(q.options, c.options);
        EXPECT_EQ(q.key, c.key);
        for (int o = 0; o < q.options.size(); ++o)
            EXPECT_EQ(OptionPicture(q, o) ? OptionPicture(q, o)->encoded : QByteArray(),
                      c.pictures[static_cast<std::size_t>(o)])
                << o;
        // Kept only when one is a picture: a question of texts stays as it was.
        EXPECT_EQ(q.optionPictures.empty(), !HasOptionPictures(q));
        ASSERT_EQ(bank.issues.size(), c.warning.isEmpty() ? 0u : 1u);
        if (c.warning.isEmpty()) continue;
        EXPECT_EQ(std::tuple(bank.issues[0].line, bank.issues[0].column, bank.issues[0].message),
                  std::tuple(1, c.column, c.warning));
    }
}

// The faults caught: powers in [html] read as digits; TeX in [html] or
// [markdown] shown raw, or read in [plain], which shows what is written; a
// formula kept raw or a table flattened with no warning at its text.
TEST(GiftImport, MathsInHtmlAndMarkdownReadsAsTextAndWhatCannotIsWarnedAtItsText) {
    const struct {
        QString gift, text;
        QStringList options;
        QString warning; // at the text, 1:1
    } cases[] = {
        {"[html]Колко е a<sup>3</sup>·a<sup>4</sup>? {=a<sup>7</sup> ~a<sup>12</sup>}",
         "Колко е a³·a⁴?",
         {"a⁷", "a¹²"},
         {}},
        {"[html]\\\\(\\\\sqrt\\{49\\}\\\\) = ? {=7 ~\\\\(\\\\frac\\{49\\}\\{2\\}\\\\)}",
         "√49 = ?",
         {"7", "49/2"},
         {}},
        {"[markdown]Ъгълът $$60^\\\\circ$$ е {=остър ~тъп}", "Ъгълът 60° е", {"остър", "тъп"}, {}},
        {"[plain]\\\\(a^2\\\\) {=a ~b}", "\\(a^2\\)", {"a", "b"}, {}},
        {"[html]Въпрос\n\\\\(\\\\sum x\\\\) {=a ~b}",
         "Въпрос \\(\\sum x\\)",
         {"a", "b"},
         "формулата не може да се покаже като текст: \\(\\sum x\\)"},
        {"[html]<table><tr><td>1</td><td>2</td></tr></table> {=a ~b}",
         "1 | 2",
         {"a", "b"},
         "таблицата е показана ред по ред, с „ | “ между клетките; колоните не са подравнени."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.gift.toStdString());
        const LoadedBank bank = Import(c.gift);
        ASSERT_EQ(bank.content.questions.size(), 1u);
        EXPECT_EQ(bank.content.questions[0].text, c.text);
        EXPECT_EQ(bank.content.questions[0].options, c.options);
        ASSERT_EQ(bank.issues.size(), c.warning.isEmpty() ? 0u : 1u);
        if (c.warning.isEmpty()) continue;
        EXPECT_TRUE(bank.issues[0].isWarning());
        EXPECT_EQ(std::make_pair(bank.issues[0].line, bank.issues[0].column), std::make_pair(1, 1));
        EXPECT_EQ(bank.issues[0].message, c.warning);
    }
}
