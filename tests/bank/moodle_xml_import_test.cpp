// Reading a bank from a Moodle XML export: multiple choice with one right
// answer played, every other question skipped with a warning at its line,
// pictures carried in the file, and hostile or broken files refused at their
// place.

#include "bank/bank_export.h"
#include "bank/bank_file.h"
#include "bank/bank_pictures.h"
#include "bank/moodle_xml_import.h"
#include "bank/option_picture.h"
#include "support/pictures.h"
#include "support/qt_printers.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

const QString kHead = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n");

QString Answer(const QString& fraction, const QString& text, const QString& feedback = {}) {
    return QStringLiteral("<answer fraction=\"%1\" format=\"html\"><text><![CDATA[%2]]></text>"
                          "<feedback format=\"html\"><text><![CDATA[%3]]></text></feedback>"
                          "</answer>\n")
        .arg(fraction, text, feedback);
}

// A multichoice as Moodle exports it; `more` goes after the question text.
QString Choice(const QString& text, const QString& answers, const QString& more = {}) {
    return QStringLiteral("<question type=\"multichoice\">\n<name><text>Q</text></name>\n"
                          "<questiontext format=\"html\"><text><![CDATA[%1]]></text>%2"
                          "</questiontext>\n<generalfeedback format=\"html\"><text></text>"
                          "</generalfeedback>\n<single>true</single>\n%3</question>\n")
        .arg(text, more, answers);
}

// An answer that is only a picture, carried beside its text as Moodle writes it.
QString PictureAnswer(const QString& fraction, const QString& source, const QString& file,
                      const QString& base64) {
    return QStringLiteral("<answer fraction=\"%1\" format=\"html\"><text><![CDATA[<p><img "
                          "src=\"@@PLUGINFILE@@/%2\" alt=\"\"></p>]]></text>\n<file name=\"%3\" "
                          "path=\"/\" encoding=\"base64\">%4</file>\n<feedback format=\"html\">"
                          "<text></text></feedback></answer>\n")
        .arg(fraction, source, file, base64);
}

const QString kAnswers = Answer("100", "a") + Answer("0", "b") + Answer("0", "c");
const QStringList kAnswerTexts{"a", "b", "c"};

LoadedBank MoodleBank(const QString& questions) {
    return ImportMoodleXml((kHead + questions + "</quiz>\n").toUtf8(), "/banks/глаголи.xml");
}

Question OnlyMoodleQuestion(const QString& questions) {
    const LoadedBank bank = MoodleBank(questions);
    for (const BankIssue& issue : bank.issues)
        ADD_FAILURE() << FormatIssue("t", issue).toStdString();
    return bank.content.questions.size() == 1 ? bank.content.questions.front() : Question{};
}

QString Base64Png() {
    return QString::fromLatin1(test::EncodedImage(3, 2, "PNG", Qt::blue).toBase64());
}

QString File(const QString& name, const QString& base64) {
    return QStringLiteral("<file name=\"%1\" path=\"/\" encoding=\"base64\">%2</file>")
        .arg(name, base64);
}

} // namespace

TEST(MoodleXmlImport, HtmlTextBecomesPlainLines) {
    const std::pair<QString, QString> cases[] = {
        {"<p>Колко е 2 &lt; 3 &amp;&amp;&nbsp;4 &gt; 1?</p>", "Колко е 2 < 3 && 4 > 1?"},
        {"<p>Първи ред<br>втори ред</p>\n<p>  трети  </p>", "Първи ред\r\nвтори ред\r\nтрети"},
        {"<p>Кое е глагол?</p><ul><li>run</li><li><b>walk</b></li></ul>",
         "Кое е глагол?\r\n- run\r\n- walk"},
        {"<p>&#1040;&eacute;</p>", "Аé"},
    };
    for (const auto& [html, expected] : cases)
        EXPECT_EQ(OnlyMoodleQuestion(Choice(html, kAnswers)).text, expected) << html.toStdString();
}

TEST(MoodleXmlImport, OptionsInFileOrderKeyFromTheFullMarkExplanationAsInGift) {
    const QString answers = Answer("0", "<p>go</p>", "<p>Това е основната форма.</p>") +
                            Answer("100", "goes") + Answer("0", "going", "Формата с -ing.<br>Не.");
    const Question q = OnlyMoodleQuestion(Choice("<p>She ___ to school.</p>", answers)
                                              .replace("<generalfeedback format=\"html\"><text>",
                                                       "<generalfeedback format=\"html\"><text>"
                                                       "Сегашно &quot;просто&quot; време."));
    EXPECT_EQ(q.options, (QStringList{"go", "goes", "going"}));
    EXPECT_EQ(q.key, "goes");
    EXPECT_EQ(q.explanation,
              (QStringList{"Сегашно \"просто\" време.", "go – Това е основната форма.",
                           "going – Формата с -ing.", "Не."}));
}

TEST(MoodleXmlImport, OtherTypesAndChoicesThatCannotBePlayedAreSkippedWithAWarning) {
    const QString six = kAnswers + Answer("0", "d") + Answer("0", "e") + Answer("0", "f");
    const QString questions =
        Choice("едно", kAnswers) + // lines 3-11
        "<question type=\"truefalse\">\n<questiontext><text>T?</text></questiontext>\n" +
        Answer("100", "true") + Answer("0", "false") + "</question>\n" +                 // 12-16
        "<question type=\"shortanswer\">\n" + Answer("100", "Sofia") + "</question>\n" + // 17-19
        Choice("две", kAnswers).replace("true</single>", "false</single>") +             // 20-28
        Choice("три", Answer("100", "a") + Answer("100", "b")) +                         // 29-36
        Choice("четири", Answer("100", "a") + Answer("50", "b")) +                       // 37-44
        Choice("пет", six) +                                                             // 45-56
        Choice("шест", kAnswers) + Choice("седем", kAnswers);                            // 57-74
    const LoadedBank bank = MoodleBank(questions);
    const struct {
        int line, question;
        QString message;
    } expected[] = {
        {12, 2,
         "въпрос от вида „truefalse“ е пропуснат; приемат се само въпроси с избор "
         "(multichoice) с един верен отговор."},
        {17, 3,
         "въпрос от вида „shortanswer“ е пропуснат; приемат се само въпроси с избор "
         "(multichoice) с един верен отговор."},
        {20, 4,
         "въпрос с няколко верни отговора (<single>false</single>) е пропуснат; приемат "
         "се само въпроси с избор (multichoice) с един верен отговор."},
        {29, 5, "въпрос с 2 верни отговора е пропуснат; верният отговор е точно един."},
        {37, 6,
         "въпрос с частична тежест на отговор (fraction=\"50\") е пропуснат; верният "
         "отговор е със 100, грешните с 0 или по-малко."},
        {45, 7, "въпрос с 6 отговора е пропуснат; отговорите са от 2 до 5."},
    };
    ASSERT_EQ(bank.issues.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(bank.issues[i].severity, BankIssue::Severity::Warning) << i;
        EXPECT_EQ(bank.issues[i].line, expected[i].line) << i;
        EXPECT_EQ(bank.issues[i].question, expected[i].question) << i;
        EXPECT_EQ(bank.issues[i].message, expected[i].message) << i;
    }
    ASSERT_EQ(bank.content.questions.size(), 3u);
    EXPECT_EQ(bank.content.questions[2].text, "седем");
    EXPECT_EQ(bank.questionLines, (std::vector<int>{3, 57, 66}));
}

TEST(MoodleXmlImport, SingleIsMoodlesDefaultWhenAbsent) {
    const std::pair<QString, std::size_t> cases[] = {
        {"", 1},
        {"<single>1</single>", 1},
        {"<single>0</single>", 0},
        {"<single></single>", 0},
    };
    for (const auto& [single, played] : cases) {
        const QString question = Choice("Q", kAnswers).replace("<single>true</single>", single);
        EXPECT_EQ(MoodleBank(question).content.questions.size(), played) << single.toStdString();
    }
}

TEST(MoodleXmlImport, PictureFromTheFirstImageTheTextShowsOrTheOldImageElement) {
    const QString png = Base64Png();
    const QByteArray bytes = QByteArray::fromBase64(png.toLatin1());
    const QString cases[] = {
        Choice("<p><img src=\"@@PLUGINFILE@@/my%20pic.png\"> Какво е това?</p>", kAnswers,
               File("other.png", "not base64!") + File("my pic.png", png)),
        Choice("Какво е това?", kAnswers)
            .replace("<single>", "<image>old.png</image><image_base64>\n" + png.left(10) + "\n" +
                                     png.mid(10) + "\n</image_base64>\n<single>"),
    };
    for (const QString& question : cases) {
        const Question q = OnlyMoodleQuestion(question);
        EXPECT_EQ(q.text, "Какво е това?");
        ASSERT_TRUE(q.picture);
        EXPECT_EQ(q.picture->encoded, bytes);
    }
}

TEST(MoodleXmlImport, APictureThatCannotBeShownStopsTheBankAnOutsideOneIsLeftOut) {
    const QString text = QString::fromLatin1(QByteArray("not a picture").toBase64());
    const QString shows = "<img src=\"@@PLUGINFILE@@/p.png\">";
    const struct {
        QString question;
        BankIssue::Severity severity;
        QString message;
    } cases[] = {
        {Choice(shows, kAnswers), BankIssue::Severity::Error,
         "картинката „p.png“ липсва: текстът я показва, а във файла няма <file name=\"p.png\">."},
        {Choice(shows, kAnswers, File("p.png", text)), BankIssue::Severity::Error,
         "картинката „p.png“ не може да се покаже: непознат или повреден формат; приемат се "
         "JPEG, PNG, GIF и BMP."},
        {Choice(shows, kAnswers, File("p.png", "a%b")), BankIssue::Severity::Error,
         "картинката „p.png“ не е правилно записана в base64."},
        {Choice(shows, kAnswers, File("p.png", QString(3 * 1024 * 1024, u'A'))),
         BankIssue::Severity::Error, "картинката „p.png“ е по-голяма от 2 MiB."},
        {Choice("<img src=\"file:///etc/passwd\">", kAnswers), BankIssue::Severity::Warning,
         "картинката „file:///etc/passwd“ не е във файла и не се показва; показват се само "
         "картинки, записани в него."},
    };
    for (const auto& c : cases) {
        const LoadedBank bank = MoodleBank(c.question);
        ASSERT_EQ(bank.issues.size(), 1u) << c.message.toStdString();
        EXPECT_EQ(bank.issues[0].severity, c.severity);
        EXPECT_EQ(bank.issues[0].line, 3);
        EXPECT_EQ(bank.issues[0].message, c.message) << bank.issues[0].message.toStdString();
    }
}

// The fault caught: a picture in an answer, in feedback or after the first
// of the question text was dropped without a word. The question shows the
// first picture of its text; every other one is left out with a warning at
// the <question>, and leaves no character behind.
TEST(MoodleXmlImport, PicturesTheQuestionCannotShowAreLeftOutWithAWarning) {
    const QString png = Base64Png();
    const auto img = [](const QString& name) {
        return QStringLiteral("<img src=\"@@PLUGINFILE@@/%1\">").arg(name);
    };
    const auto leftOut = [](const QString& name) {
        return QStringLiteral("картинката „%1“ е пропусната: въпросът показва една картинка, "
                              "първата в текста си.")
            .arg(name);
    };
    const struct {
        QString question;
        QString text;
        QStringList options, explanation;
        QString warning;
    } cases[] = {
        {Choice("<p>A " + img("p.png") + " B " + img("my%20q.png") + "</p>", kAnswers,
                File("p.png", png)),
         "A B",
         {"a", "b", "c"},
         {},
         leftOut("my q.png")},
        {Choice("A " + img("p.png"),
                Answer("100", img("k.png") + "a") + Answer("0", "b") + Answer("0", "c"),
                File("p.png", png)),
         "A",
         {"a", "b", "c"},
         {},
         "картинката „k.png“ в отговор 1 е пропусната: отговорите се показват само като текст."},
        {Choice("<p>" + img("p.png") + "A</p>",
                Answer("100", "a") + Answer("0", "b", img("f.png") + " Не") + Answer("0", "c"),
                File("p.png", png)),
         "A",
         {"a", "b", "c"},
         {"b – Не"},
         leftOut("f.png")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.question.toStdString());
        const LoadedBank bank = MoodleBank(c.question);
        ASSERT_EQ(bank.content.questions.size(), 1u);
        const Question& q = bank.content.questions[0];
        EXPECT_EQ(q.text, c.text);
        EXPECT_EQ(q.options, c.options);
        EXPECT_EQ(q.explanation, c.explanation);
        EXPECT_TRUE(q.picture);
        ASSERT_EQ(bank.issues.size(), 1u);
        EXPECT_TRUE(bank.issues[0].isWarning());
        EXPECT_EQ(bank.issues[0].line, 3);
        EXPECT_EQ(bank.issues[0].message, c.warning);
    }
}

TEST(MoodleXmlImport, TitleFromTheFirstCategoryElseTheFileName) {
    const auto category = [](const QString& path) {
        return QStringLiteral("<question type=\"category\"><category><text>%1</text></category>"
                              "</question>\n")
            .arg(path);
    };
    const std::pair<QString, QString> cases[] = {
        {category("$course$/top/Английски/Глаголи") + category("$course$/Друга"), "Глаголи"},
        {category("$course$/top/Въпроси и/или отговори"), "или отговори"},
        {category("$course$/top/Въпроси и//или отговори"), "Въпроси и/или отговори"},
        {category("$course$/top"), "глаголи"},
        {"", "глаголи"},
    };
    for (const auto& [categories, title] : cases)
        EXPECT_EQ(MoodleBank(categories + Choice("Q", kAnswers)).content.settings.title, title)
            << categories.toStdString();
}

TEST(MoodleXmlImport, BrokenOrHostileFilesAreRefusedAtTheirPlace) {
    const QString kNotUtf8 = "текстът не е в UTF-8: запишете файла като UTF-8 (в Notepad: „Запиши "
                             "като“, „Кодиране: UTF-8“).";
    const struct {
        QByteArray xml;
        int line, column;
        QString message;
    } cases[] = {
        {"<?xml version=\"1.0\"?>\n<!DOCTYPE quiz [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>\n"
         "<quiz>&x;</quiz>",
         2, 58, "файлът има DOCTYPE; Moodle XML е без DTD и той не се чете."},
        {"<quiz>\n<question type=\"multichoice\">\n<questiontext><text>a & b</text>", 3, 25,
         "файлът не е правилен XML: Expected '#' or '[a-zA-Z]', but got ' '."},
        {"<quiz>\n  <question>\n</quiz>", 3, 8,
         "файлът не е правилен XML: Opening and ending tag mismatch."},
        {"<quiz>\n<question><questiontext><text><p>HTML без CDATA</p></text>", 2, 34,
         "файлът не е правилен XML: Expected character data."},
        {"\n<bank><quiz/></bank>", 2, 7,
         "коренът на файла е <bank>, а не <quiz>: това не е "
         "Moodle XML."},
        {"", 1, 1, "файлът не е правилен XML: Premature end of document."},
        // The fault caught: a byte that is not UTF-8 was refused at line 1,
        // wherever it stood in the file.
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n<question type=\"multichoice\">\n"
         "<questiontext><text>Кой\xE5?</text>",
         4, 24, kNotUtf8},
        {"<quiz>\n\n  <question>\xFF</question></quiz>", 3, 13, kNotUtf8},
    };
    for (const auto& c : cases) {
        const LoadedBank bank = ImportMoodleXml(c.xml, "b.xml");
        ASSERT_EQ(bank.issues.size(), 1u) << c.xml.constData();
        EXPECT_TRUE(bank.issues[0].isError());
        EXPECT_EQ(bank.issues[0].line, c.line) << c.xml.constData();
        EXPECT_EQ(bank.issues[0].column, c.column) << c.xml.constData();
        EXPECT_EQ(bank.issues[0].message, c.message) << c.xml.constData();
        EXPECT_TRUE(bank.content.questions.empty());
    }
}

// The fault caught: refusing, as not UTF-8, a file that names the encoding
// it is written in (Moodle writes UTF-8, but an editor may save otherwise).
TEST(MoodleXmlImport, AFileInAnEncodingItNamesIsReadInIt) {
    const QByteArray xml = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<quiz>\n"
                           "<question type=\"multichoice\"><questiontext><text>\xCA\xEE\xE9?</text>"
                           "</questiontext><answer fraction=\"100\"><text>\xE0</text></answer>"
                           "<answer fraction=\"0\"><text>b</text></answer></question></quiz>";
    const LoadedBank bank = ImportMoodleXml(xml, "b.xml");
    EXPECT_TRUE(bank.issues.empty());
    ASSERT_EQ(bank.content.questions.size(), 1u);
    EXPECT_EQ(bank.content.questions[0].text, "Кой?");
    EXPECT_EQ(bank.content.questions[0].options, QStringList({"а", "b"}));
}

TEST(MoodleXmlImport, ReadsBackTheSameAfterExportWithItsPicture) {
    QTemporaryDir dir;
    const QString png = Base64Png();
    const QString xml =
        kHead +
        "<question type=\"category\"><category><text>$course$/top/Картинки</text></category>"
        "</question>\n" +
        Choice("<p>Какъв цвят е?</p><p><img src=\"@@PLUGINFILE@@/c.png\"></p>",
               Answer("100", "син", "Да.") + Answer("0", "червен"), File("c.png", png)) +
        Choice("Втори", kAnswers) + Choice("Трети", kAnswers) + "</quiz>";
    QFile source(dir.filePath("bank.xml"));
    ASSERT_TRUE(source.open(QIODevice::WriteOnly));
    source.write(xml.toUtf8());
    source.close();

    const LoadedBank bank = LoadBankFile(source.fileName());
    ASSERT_TRUE(bank.issues.empty());
    ASSERT_EQ(ExportBank(bank.content, dir.filePath("bank.vorn.json")), std::nullopt);
    const LoadedBank back = LoadBankFile(dir.filePath("bank.vorn.json"));
    ASSERT_FALSE(back.hasErrors());
    ASSERT_EQ(back.content.questions.size(), 3u);
    EXPECT_EQ(back.content.settings.title, "Картинки");
    const Question& q = back.content.questions[0];
    EXPECT_EQ(q.text, "Какъв цвят е?");
    EXPECT_EQ(q.options, (QStringList{"син", "червен"}));
    EXPECT_EQ(q.key, "син");
    EXPECT_EQ(q.explanation, QStringList{"син – Да."});
    ASSERT_TRUE(q.picture);
    EXPECT_EQ(q.picture->encoded, QByteArray::fromBase64(png.toLatin1()));
}

TEST(MoodleXmlImport, AnXmlFileHasACapOfItsOwn) {
    QTemporaryDir dir;
    const std::pair<qint64, bool> cases[] = {{kMaxBankFileBytes + 1, false},
                                             {kMaxMoodleXmlFileBytes + 1, true}};
    for (const auto& [size, refused] : cases) {
        QFile file(dir.filePath("big.xml"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_TRUE(file.resize(size)); // sparse: zero bytes, not XML
        file.close();
        const LoadedBank bank = LoadBankFile(file.fileName());
        ASSERT_EQ(bank.issues.size(), 1u);
        EXPECT_EQ(bank.issues[0].message == "файлът е по-голям от 64 MiB.", refused) << size;
    }
}

// The faults caught: powers read as digits ("a3·a4"), TeX shown raw, a question
// with penalties for wrong answers skipped, and a formula left raw, nesting cut
// or a question skipped for its cost without a word at its line; an answer that
// is only a picture read as an empty option (the key a blank), two pictures of
// one file name ("image.png", the editor's own) going by one name, and one whose
// <file> is missing played as a blank instead of staying empty (an error).
TEST(MoodleXmlImport, MathsPenaltiesAndCostAsMoodleWritesThem) {
    const QString png = Base64Png();
    const QString img = QStringLiteral("<p><img src=\"@@PLUGINFILE@@/a.png\"></p>");
    const QString depth = QStringLiteral("HTML таговете, вложени по-дълбоко от 100 нива, са "
                                         "пропуснати; текстът им е запазен.");
    const auto nested = [](int levels) {
        return QString("<div>").repeated(levels) + "a" + QString("</div>").repeated(levels);
    };
    const struct {
        QString question;
        QString answers;
        QString text;
        QStringList options;
        QString key;
        QString warning;             // at the question's line, 3
        std::vector<int> pictures{}; // the options that are pictures, 0-based
    } cases[] = {
        {"<p>Колко е a<sup>3</sup>·a<sup>4</sup>?</p>",
         Answer("100", "a<sup>7</sup>") + Answer("0", "a<sup>12</sup>") +
             Answer("0", "2a<sup>7</sup>"),
         "Колко е a³·a⁴?",
         {"a⁷", "a¹²", "2a⁷"},
         "a⁷",
         {}},
        {"<p>Формулата на водата е H<sub>2</sub>O, а 6<sup>2</sup>+8<sup>2</sup> = ?</p>",
         kAnswers,
         "Формулата на водата е H₂O, а 6²+8² = ?",
         {"a", "b", "c"},
         "a",
         {}},
        {"<p>\\(\\sqrt{49}\\) = ?</p>",
         Answer("0", "\\(\\sqrt{7}\\)") + Answer("100", "7") + Answer("0", "$$\\frac{49}{2}$$"),
         "√49 = ?",
         {"√7", "7", "49/2"},
         "7",
         {}},
        {"<p>Q</p>", Answer("100", "a") + Answer("-25", "b") + Answer("-33.33333", "c"), "Q",
         kAnswerTexts, "a",
         "отрицателните точки за грешен отговор (fraction=\"-25\") не се прилагат: грешният "
         "отговор носи 0 точки."},
        {"<p>\\(\\sum_{i=1}^n i\\)</p>", kAnswers, "\\(\\sum_{i=1}^n i\\)", kAnswerTexts, "a",
         "формулата не може да се покаже като текст: \\(\\sum_{i=1}^n i\\)"},
        {"<p>Q</p>", Answer("100", nested(150)) + Answer("0", "b"), "Q", {"a", "b"}, "a", depth},
        {"<p>Q</p>",
         PictureAnswer("100", "a.png", "a.png", png) + Answer("0", "b"),
         "Q",
         {"a.png", "b"},
         "a.png",
         {},
         {0}},
        {"<p>Q</p>",
         Answer("0", "c") + PictureAnswer("0", "image.png", "image.png", png) +
             PictureAnswer("100", "image.png", "image.png", png),
         "Q",
         {"c", "image.png", "картинка 3"},
         "картинка 3",
         {},
         {1, 2}},
        {"<p>Q</p>",
         Answer("0", "b") + PictureAnswer("100", "my%20pic.png", "my pic.png", png),
         "Q",
         {"b", "my pic.png"},
         "my pic.png",
         {},
         {1}},
        {"<p>Q</p>",
         Answer("100", img) + Answer("0", "b"),
         "Q",
         {"", "b"},
         "",
         "отговор 1: картинката „a.png“ липсва: текстът я показва, а във файла няма <file "
         "name=\"a.png\">."},
    };
    for (const auto& c : cases) {
        const LoadedBank bank = MoodleBank(Choice(c.question, c.answers));
        ASSERT_EQ(bank.content.questions.size(), 1u) << c.question.toStdString();
        const Question& q = bank.content.questions.front();
        EXPECT_EQ(q.text, c.text);
        EXPECT_EQ(q.options, c.options) << c.question.toStdString();
        EXPECT_EQ(q.key, c.key) << c.question.toStdString();
        for (int o = 0; o < q.options.size(); ++o) {
            const bool picture = std::count(c.pictures.begin(), c.pictures.end(), o) > 0;
            EXPECT_EQ(DeclaredSize(OptionPicture(q, o) ? OptionPicture(q, o)->encoded : ""),
                      picture ? QSize(3, 2) : QSize())
                << o;
        }
        ASSERT_EQ(bank.issues.size(), c.warning.isEmpty() ? 0u : 1u) << c.question.toStdString();
        if (c.warning.isEmpty()) continue;
        EXPECT_TRUE(bank.issues[0].isWarning());
        EXPECT_EQ(bank.issues[0].line, 3);
        EXPECT_EQ(bank.issues[0].message, c.warning);
    }
}

TEST(MoodleXmlImport, AQuestionOf100000NestedDivsIsSkippedAtItsLineAtOnce) {
    const QString nested =
        QString("<div>").repeated(100000) + "x" + QString("</div>").repeated(100000);
    const LoadedBank bank = MoodleBank(Choice("a", kAnswers) + Choice(nested, kAnswers));
    ASSERT_EQ(bank.content.questions.size(), 1u);
    ASSERT_EQ(bank.issues.size(), 1u);
    EXPECT_TRUE(bank.issues[0].isWarning());
    EXPECT_EQ(bank.issues[0].line, 12);
    EXPECT_EQ(bank.issues[0].message,
              "въпросът е пропуснат: текстът има повече от 5000 HTML тага и не се чете.");
}
