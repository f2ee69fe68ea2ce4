// Reading a bank file: every way the text or its pictures can be wrong is
// refused with its place (line and column, or question) and a clear reason.
// Caught besides: an option's picture let through a rule a question's picture
// keeps, or refused without its line.

#include "bank/bank_file.h"
#include "bank/bank_fingerprint.h"
#include "bank/bank_issue.h"
#include "bank/bank_json.h"
#include "bank/option_picture.h"
#include "support/pictures.h"
#include "support/test_banks.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

// A question that reads well; the cases below break one thing each.
const char* kGoodQuestion = R"({"text": "Колко?", "options": ["1", "2"], "key": "1"})";

QByteArray BankBytes(const QByteArray& questions) {
    return R"({"format": "vorn-bank", "version": 1, "settings": ["a", "b", "c", "d", "e", "f"],
"questions": [)" +
           questions + "]}";
}

struct Folder {
    QTemporaryDir dir;
    QString write(const QString& name, const QByteArray& bytes) const {
        const QString path = dir.filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
};

// The one error of a load, formatted as the checker prints it.
QString OnlyError(const LoadedBank& bank) {
    QStringList errors;
    for (const BankIssue& issue : bank.issues)
        if (issue.isError()) errors.append(FormatIssue(QStringLiteral("b"), issue));
    EXPECT_EQ(errors.size(), 1) << errors.join(u'\n').toStdString();
    return errors.value(0);
}

} // namespace

TEST(BankFile, MalformedOrWrongTextIsRefusedWithItsPlace) {
    const struct {
        QByteArray text;
        QString expected; // the start of the formatted error
    } cases[] = {
        {"{\"format\": \"vorn-bank\",\n  \"version\": 1\n  \"questions\": []}",
         "b:3:3: грешка: след полето се очаква „,“ или „}“"},
        {"{\"format\": \"vorn-bank\", \"settings\": [\"a\"",
         "b:1:41: грешка: текстът свършва преждевременно"},
        {"{\"format\": \"vorn-bank\",\n \"x\": \"\xD0\"}", "b:2:8: грешка: текстът не е в UTF-8"},
        {"[]", "b: грешка: банката трябва да е обект"},
        {R"({"format": "gift", "version": 1})", "b: грешка: това не е банка"},
        {R"({"format": "vorn-bank", "version": 3})", "b: грешка: банката е във версия 3"},
        {R"({"format": "vorn-bank", "version": "1"})", "b: грешка: полето „version“"},
        {R"({"format": "vorn-bank", "version": 2222222222222221})", "b: грешка: полето „version“"},
        {BankBytes(R"({"options": ["1", "2"], "key": "1"})"),
         "b: грешка: въпрос 1: липсва полето „text“"},
        {BankBytes(QByteArray(kGoodQuestion) +
                   R"(, {"text": "x", "options": ["1", 2], "key": "1"})"),
         "b: грешка: въпрос 2: полето „options“ трябва да е списък от текстове"},
        {BankBytes(R"({"text": "x", "options": ["1"], "key": 1})"),
         "b: грешка: въпрос 1: полето „key“"},
        {BankBytes("7"), "b: грешка: въпрос 1: всеки въпрос трябва да е обект"},
        {R"({"format": "vorn-bank", "version": 1, "settings": ["a", "b", "c", "d", "e"],
             "questions": []})",
         "b: грешка: настройките трябва да са 6 реда, а са 5."},
        {R"({"format": "vorn-bank", "version": 1, "settings": ["a", "b", "c", "d", "e", "f", "g"],
             "questions": []})",
         "b: грешка: настройките трябва да са 6 реда, а са 7."},
        {"{\"format\": \"vorn-bank\",\n \"x\": \"a\tb\"}",
         "b:2:9: грешка: управляващ знак в текст"},
        {QByteArray("{\0\"\0f\0\"\0}\0", 10), "b:1:1: грешка: текстът не е в UTF-8, а в UTF-16 LE"},
        {QByteArray("\xFE\xFF\0{\0}", 6), "b:1:1: грешка: текстът не е в UTF-8, а в UTF-16 BE"},
    };
    for (const auto& c : cases) {
        Folder folder;
        const QString error = OnlyError(LoadBankFile(folder.write("b", c.text)));
        EXPECT_TRUE(error.startsWith(c.expected))
            << error.toStdString() << "\n   expected: " << c.expected.toStdString();
    }
}

TEST(BankFile, PicturesComeOnlyFromTheBanksOwnFolderAndMustDecode) {
    Folder folder;
    folder.write("pictures/ok.jpg", test::EncodedImage(20, 10));
    folder.write("pictures/broken.jpg", "not a picture");
    folder.write("outside.jpg", test::EncodedImage(20, 10));
    for (const char* format : {"png", "bmp"})
        folder.write(QStringLiteral("pictures/ok.%1").arg(format),
                     test::EncodedImage(20, 10, format));
    // Qt writes no GIF: the smallest one, a transparent pixel, byte by byte.
    folder.write("pictures/ok.gif",
                 QByteArray("GIF89a\1\0\1\0\x80\0\0\xFF\xFF\xFF\0\0\0!\xF9\4\1\0\0\0\0"
                            ",\0\0\0\0\1\0\1\0\0\2\2D\1\0;",
                            43));
    folder.write("pictures/wide.png", test::EncodedImage(4001, 1, "png"));
    // An SVG that draws a file from elsewhere, and an icon that declares 16 × 16
    // around a picture of 5600 × 5600.
    folder.write(
        "pictures/outside.svg",
        "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'><image href='file://" +
            QFile::encodeName(folder.dir.filePath("outside.jpg")) +
            "' width='10' height='10'/></svg>");
    QImage huge(5600, 5600, QImage::Format_Mono);
    huge.fill(0);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(huge.save(&buffer, "PNG"));
    QByteArray icon("\0\0\1\0\1\0", 6);              // reserved, type 1 (icon), one image
    icon += QByteArray("\x10\x10\0\0\1\0\x20\0", 8); // 16 × 16, 1 plane, 32 bits
    for (const quint32 v : {static_cast<quint32>(png.size()), quint32{22}})
        for (int b = 0; b < 4; ++b)
            icon += static_cast<char>((v >> (8 * b)) & 0xFF);
    folder.write("pictures/lying.ico", icon + png);
    QDir().mkpath(folder.dir.filePath("bank"));
    ASSERT_TRUE(
        QFile::link(folder.dir.filePath("outside.jpg"), folder.dir.filePath("bank/link.jpg")));
    const struct {
        QString picture;
        QString expected; // empty: read
    } cases[] = {
        {"pictures/ok.jpg", ""},
        {"pictures/ok.png", ""},
        {"pictures/ok.gif", ""},
        {"pictures/ok.bmp", ""},
        {"pictures/../pictures/ok.jpg", ""},
        {"pictures/wide.png", "4001 × 1 точки е повече"},
        {"pictures/outside.svg", "форматът SVG не се приема; приемат се JPEG, PNG, GIF и BMP"},
        {"pictures/lying.ico", "форматът ICO не се приема"},
        {"pictures/none.jpg", "липсва"},
        {"pictures/broken.jpg", "не може да се покаже"},
        {"../outside.jpg", "извън папката"},
        {"link.jpg", "извън папката"},
        {folder.dir.filePath("outside.jpg"), "спрямо папката"},
        {"pictures", "не е файл"},
    };
    // Each as the question's picture, and as its option 2, which keeps the same
    // rules and is told at its line.
    for (const auto& c : cases)
        for (const bool option : {false, true}) {
            const QString bankFolder = c.picture == "link.jpg" || c.picture == "../outside.jpg"
                                           ? QStringLiteral("bank/")
                                           : QString();
            const QByteArray picture = '"' + c.picture.toUtf8() + '"';
            const QByteArray question =
                option ? R"x({"text": "x", "options": ["1", {"picture": )x" + picture +
                             R"x(}], "key": "1"})x"
                       : R"x({"text": "x", "options": ["1", "2"], "key": "1", "picture": )x" +
                             picture + "}";
            const LoadedBank bank =
                LoadBankFile(folder.write(bankFolder + "b.vorn.json", BankBytes(question)));
            SCOPED_TRACE(c.picture.toStdString() + (option ? " as option 2" : ""));
            if (c.expected.isEmpty()) {
                EXPECT_FALSE(bank.hasErrors());
                ASSERT_EQ(bank.content.questions.size(), 1u);
                const Question& read = bank.content.questions[0];
                EXPECT_TRUE(option ? OptionPicture(read, 1) &&
                                         read.options[1] == QFileInfo(c.picture).fileName()
                                   : bool(read.picture));
            } else {
                const QString error = OnlyError(bank);
                EXPECT_TRUE(
                    error.startsWith(option ? QStringLiteral("b:2:") : QStringLiteral("b: ")))
                    << error.toStdString();
                EXPECT_TRUE(error.contains(option ? QStringLiteral("въпрос 1: отговор 2: ")
                                                  : QStringLiteral("въпрос 1: ")) &&
                            error.contains(c.expected))
                    << error.toStdString();
            }
        }
}

TEST(BankFile, OnePictureFileIsOneSharedPicture) {
    Folder folder;
    folder.write("p.jpg", test::EncodedImage(20, 10));
    const QByteArray question =
        R"({"text": "x", "options": ["1", "2"], "key": "1", "picture": "p.jpg"})";
    const LoadedBank bank =
        LoadBankFile(folder.write("b.vorn.json", BankBytes(question + "," + question)));
    ASSERT_EQ(bank.content.questions.size(), 2u);
    EXPECT_EQ(bank.content.questions[0].picture, bank.content.questions[1].picture);
}

TEST(BankFile, FilesOverTheSizeCapAndUnknownFieldsAreTold) {
    Folder folder;
    const QString big = folder.write("big.vorn.json", QByteArray(kMaxBankFileBytes + 1, ' '));
    EXPECT_TRUE(OnlyError(LoadBankFile(big)).contains(QStringLiteral("4 MiB")));
    const LoadedBank typo = LoadBankFile(folder.write(
        "t.vorn.json",
        BankBytes(R"({"text": "x", "options": ["1", "2"], "key": "1", "explenation": []})")));
    ASSERT_EQ(typo.issues.size(), 1u);
    EXPECT_FALSE(typo.issues[0].isError());
    EXPECT_TRUE(typo.issues[0].message.contains(QStringLiteral("„explenation“")));
    EXPECT_EQ(std::pair(typo.issues[0].line, typo.issues[0].column), std::pair(2, 64))
        << "its place";
    EXPECT_TRUE(
        OnlyError(LoadBankFile(folder.dir.filePath("none.gift"))).contains("не съществува"));
}

// Version 2 names each setting; it means exactly what the six items of
// version 1 mean, and a bank written in it reads back as the same test.
TEST(BankFile, VersionTwoNamesTheSettingsAndReadsAsVersionOneDid) {
    const QByteArray questions =
        R"("questions": [{"id": "ъгли-1", "text": "x", "options": ["1", "2"], "key": "1"},
                         {"text": "y", "options": ["1", "2"], "key": "2"}]})";
    const struct {
        QByteArray head;
        std::optional<BankSettings> settings; // none: refused
        QString error;
    } cases[] = {
        {R"({"format": "vorn-bank", "version": 2, "title": "Т", "checkQuestion": true,
             "explanations": false, "reviewNavigation": false, "publisher": "https://u.bg/",)",
         BankSettings{.title = "Т",
                      .phrasePreview = false,
                      .check = CheckMode::WithQuestion,
                      .explanations = false,
                      .reviewNavigation = false}},
        {R"({"format": "vorn-bank", "version": 2, "title": "Т", "phraseMode": true,
             "checkVerdict": true,)",
         BankSettings{.title = "Т",
                      .phrasePreview = true,
                      .check = CheckMode::VerdictOnly,
                      .explanations = true,
                      .reviewNavigation = true}},
        {R"({"format": "vorn-bank", "version": 2, "title": "Т", "checkQuestion": "да",)",
         std::nullopt, "„checkQuestion“ трябва да е true или false"},
        {R"({"format": "vorn-bank", "version": 2, "phraseMode": false,)", std::nullopt,
         "липсва полето „title“"},
    };
    for (const auto& c : cases) {
        Folder folder;
        const LoadedBank bank = LoadBankFile(folder.write("b.vorn.json", c.head + questions));
        if (!c.settings) {
            EXPECT_TRUE(OnlyError(bank).contains(c.error)) << OnlyError(bank).toStdString();
            continue;
        }
        EXPECT_FALSE(bank.hasErrors());
        EXPECT_EQ(bank.content.settings, *c.settings);
        EXPECT_EQ(bank.content.questions.at(0).id, QStringLiteral("ъгли-1"));
        EXPECT_EQ(bank.content.questions.at(1).id, QString());
    }
    Folder folder;
    EXPECT_TRUE(OnlyError(LoadBankFile(folder.write(
                              "d.vorn.json",
                              R"({"format": "vorn-bank", "version": 2, "title": "Т", "questions": [
                                  {"id": "a", "text": "x", "options": ["1", "2"], "key": "1"},
                                  {"id": "a", "text": "y", "options": ["1", "2"], "key": "1"}]})")))
                    .contains(QStringLiteral("въпрос 2: номерът „a“ вече е на друг въпрос")));

    // A version-1 bank with unusual digits, written as version 2 and read back:
    // the same test, the same fingerprint.
    LoadedBank read = LoadBankFile(folder.write("one.vorn.json",
                                                R"({"format": "vorn-bank", "version": 1,
            "settings": ["", "фраза - 0", "Тото - 7", "Т", "Описание - 3", "навигация - 1"],
            "questions": [{"text": "x", "options": ["1", "2"], "key": "1"},
                          {"text": "y", "options": ["1", "2"], "key": "2"}]})"));
    ASSERT_FALSE(read.hasErrors());
    BankContent one = read.content;
    one.questions[1].id = QStringLiteral("втори");
    one.publisher = QStringLiteral("https://училище.bg/");
    const LoadedBank two = LoadBankFile(folder.write(
        "two.vorn.json", WriteBankJson(one, [](const Picture&) { return QString(); })));
    ASSERT_FALSE(two.hasErrors());
    EXPECT_EQ(two.content.settings, one.settings);
    EXPECT_EQ(two.content.questions, one.questions);
    EXPECT_EQ(two.content.publisher, one.publisher);
    EXPECT_EQ(BankSha256(two.content), BankSha256(one));
}

TEST(BankFile, TheReaderFollowsTheNameAndForTxtTheContent) {
    const QByteArray aiken = "Q?\nA) a\nB) b\nANSWER: B\n";
    const QByteArray gift = "Q? {=b ~a}\n";
    struct Case {
        QString name;
        QByteArray text;
        bool read; // one question read, key "b"
    };
    const Case cases[] = {
        {"t.aiken", aiken, true}, {"t.TXT", aiken, true},   {"t.gift", gift, true},
        {"t.txt", gift, false},   {"t.json", aiken, false}, {"t.txt", "\xff" + aiken, false},
    };
    for (const auto& [name, text, read] : cases) {
        Folder folder;
        const LoadedBank bank = LoadBankFile(folder.write(name, text));
        EXPECT_EQ(bank.content.questions.size(), read ? 1u : 0u) << name.toStdString();
        if (read) {
            EXPECT_EQ(bank.content.questions[0].key, "b") << name.toStdString();
        }
        EXPECT_EQ(bank.hasErrors(), !read) << name.toStdString();
    }
}

// What the checker tells an author who saved in the wrong encoding or wrote
// JSON by hand: what is wrong, where, and what to do.
TEST(BankFile, CommonMistakesAreToldWithWhatToDo) {
    const QByteArray gift = "Въпрос 1 {=а ~б}\n\nВъпрос 2 {=а ~б}\n\nВъпрос 3 {=а ~б}\n";
    QStringDecoder fromUtf8(QStringDecoder::Utf8);
    const QString giftText = fromUtf8(gift);
    QStringEncoder to1251("windows-1251");
    const struct {
        QString name;
        QByteArray bytes;
        QString first; // the first issue, formatted
    } cases[] = {
        {"cp.gift", to1251(giftText),
         "cp.gift: предупреждение: файлът е записан в windows-1251 (кирилицата на Windows), а не в "
         "UTF-8; прочетен е така, но го запишете като UTF-8"},
        {"latin.gift", QByteArray("Question {=caf\xe9 ~b}\n"),
         "latin.gift:1:15: грешка: текстът не е в UTF-8: запишете файла като UTF-8"},
        {"comma.vorn.json", QByteArray("{\"format\": \"vorn-bank\",\n \"a\": [1, 2,\n]}"),
         "comma.vorn.json:2:12: грешка: излишна запетая след последния елемент: махнете я."},
        {"quote.vorn.json",
         QByteArray("{\"format\": \"vorn-bank\",\n \"t\": \"Той каза \"да\" \"}"),
         "quote.vorn.json:2:17: грешка: кавичка в текст го прекъсва: пишете \\\" или използвайте "
         "кавичките „ “."},
        {"missing.vorn.json", QByteArray("[\"x\" \"y\"]"),
         "missing.vorn.json:1:6: грешка: липсва „,“ между стойностите."},
    };
    for (const auto& c : cases) {
        Folder folder;
        const LoadedBank bank = LoadBankFile(folder.write(c.name, c.bytes));
        ASSERT_FALSE(bank.issues.empty()) << c.name.toStdString();
        const QString first = FormatIssue(c.name, bank.issues.front());
        EXPECT_TRUE(first.startsWith(c.first)) << first.toStdString();
    }
    Folder folder;
    const LoadedBank read = LoadBankFile(folder.write("cp2.gift", to1251(giftText)));
    ASSERT_EQ(read.content.questions.size(), 3u);
    EXPECT_EQ(read.content.questions[0].options, (QStringList{"а", "б"})) << "read as Cyrillic";
    EXPECT_FALSE(LoadBankFile(folder.write("open.gift", "В1 {=а ~б\n\nВ2 {=а ~б}\n"))
                     .issues.front()
                     .message.isEmpty());
    EXPECT_TRUE(
        LoadBankFile(folder.write("open.gift", "В1 {=а ~б\n\nВ2 {=а ~б}\n")).countUncertain());
    EXPECT_FALSE(read.countUncertain());
}
