// Reading a bank file: every way the text or its pictures can be wrong is
// refused with its place (line and column, or question) and a clear reason.

#include "bank/bank_file.h"
#include "bank/bank_issue.h"
#include "support/pictures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

// A question that reads well; the cases below break one thing each.
const char* kGoodQuestion = R"({"text": "Колко?", "options": ["1", "2"], "key": "1"})";

QByteArray Bank(const QByteArray& questions) {
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
        {R"({"format": "vorn-bank", "version": 2})", "b: грешка: банката е във версия 2"},
        {R"({"format": "vorn-bank", "version": "1"})", "b: грешка: полето „version“"},
        {R"({"format": "vorn-bank", "version": 2222222222222221})", "b: грешка: полето „version“"},
        {Bank(R"({"options": ["1", "2"], "key": "1"})"),
         "b: грешка: въпрос 1: липсва полето „text“"},
        {Bank(QByteArray(kGoodQuestion) + R"(, {"text": "x", "options": ["1", 2], "key": "1"})"),
         "b: грешка: въпрос 2: полето „options“ трябва да е списък от текстове"},
        {Bank(R"({"text": "x", "options": ["1"], "key": 1})"), "b: грешка: въпрос 1: полето „key“"},
        {Bank("7"), "b: грешка: въпрос 1: всеки въпрос трябва да е обект"},
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
    QDir().mkpath(folder.dir.filePath("bank"));
    ASSERT_TRUE(
        QFile::link(folder.dir.filePath("outside.jpg"), folder.dir.filePath("bank/link.jpg")));
    const struct {
        QString picture;
        QString expected; // empty: read
    } cases[] = {
        {"pictures/ok.jpg", ""},
        {"pictures/../pictures/ok.jpg", ""},
        {"pictures/none.jpg", "липсва"},
        {"pictures/broken.jpg", "не може да се покаже"},
        {"../outside.jpg", "извън папката"},
        {"link.jpg", "извън папката"},
        {folder.dir.filePath("outside.jpg"), "спрямо папката"},
        {"pictures", "не е файл"},
    };
    for (const auto& c : cases) {
        const QString bankFolder = c.picture == "link.jpg" || c.picture == "../outside.jpg"
                                       ? QStringLiteral("bank/")
                                       : QString();
        const QByteArray question =
            R"x({"text": "x", "options": ["1", "2"], "key": "1", "picture": ")x" +
            c.picture.toUtf8() + "\"}";
        const LoadedBank bank =
            LoadBankFile(folder.write(bankFolder + "b.vorn.json", Bank(question)));
        if (c.expected.isEmpty()) {
            EXPECT_FALSE(bank.hasErrors()) << c.picture.toStdString();
            ASSERT_EQ(bank.content.questions.size(), 1u);
            EXPECT_TRUE(bank.content.questions[0].picture) << c.picture.toStdString();
        } else {
            const QString error = OnlyError(bank);
            EXPECT_TRUE(error.contains(QStringLiteral("въпрос 1: ")) && error.contains(c.expected))
                << c.picture.toStdString() << ": " << error.toStdString();
        }
    }
}

TEST(BankFile, OnePictureFileIsOneSharedPicture) {
    Folder folder;
    folder.write("p.jpg", test::EncodedImage(20, 10));
    const QByteArray question =
        R"({"text": "x", "options": ["1", "2"], "key": "1", "picture": "p.jpg"})";
    const LoadedBank bank =
        LoadBankFile(folder.write("b.vorn.json", Bank(question + "," + question)));
    ASSERT_EQ(bank.content.questions.size(), 2u);
    EXPECT_EQ(bank.content.questions[0].picture, bank.content.questions[1].picture);
}

TEST(BankFile, FilesOverTheSizeCapAndUnknownFieldsAreTold) {
    Folder folder;
    const QString big = folder.write("big.vorn.json", QByteArray(kMaxBankFileBytes + 1, ' '));
    EXPECT_TRUE(OnlyError(LoadBankFile(big)).contains(QStringLiteral("4 MiB")));
    const LoadedBank typo = LoadBankFile(folder.write(
        "t.vorn.json",
        Bank(R"({"text": "x", "options": ["1", "2"], "key": "1", "explenation": []})")));
    ASSERT_EQ(typo.issues.size(), 1u);
    EXPECT_FALSE(typo.issues[0].isError());
    EXPECT_TRUE(typo.issues[0].message.contains(QStringLiteral("„explenation“")));
    EXPECT_TRUE(
        OnlyError(LoadBankFile(folder.dir.filePath("none.gift"))).contains("не съществува"));
}
