// Writing a bank out: it reads back the same, each picture object once; a
// failure names the file.

#include "bank/bank_export.h"
#include "bank/bank_file.h"
#include "support/file_size_limit.h"
#include "support/pictures.h"
#include "support/test_banks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace vorn;

namespace {

Picture Encoded(const char* format) {
    return MakePicture(test::EncodedImage(12, 8, format, Qt::red));
}

} // namespace

// Caught: option pictures not written (the bank read back without them, or
// refused for a missing file), their names lost to their files' names (the key
// no longer matching), a picture written twice.
TEST(BankExport, ReadsBackTheSameWithOneFilePerPicture) {
    BankContent bank = test::MakeBank({.questions = 4});
    const Picture jpeg = Encoded("JPG");
    bank.questions[0].picture = nullptr;
    bank.questions[1].picture = jpeg;
    bank.questions[2].picture = jpeg;
    bank.questions[3].picture = Encoded("PNG");
    bank.questions[3].text = QStringLiteral("Кавички \" и \\ и\r\nнов ред");
    // Option pictures: a file of their own, or the question picture's file
    // where it is the same object; each keeps its name, which is not its file's.
    bank.questions[3].optionPictures = {Encoded("BMP"), nullptr, jpeg, nullptr};

    QTemporaryDir dir;
    const QString path = dir.filePath("out/test.vorn.json");
    QDir().mkpath(dir.filePath("out"));
    ASSERT_EQ(ExportBank(bank, path), std::nullopt);
    EXPECT_EQ(QDir(dir.filePath("out/test-pictures")).entryList(QDir::Files),
              (QStringList{"q02.jpg", "q04-1.bmp", "q04.png"}));

    const LoadedBank read = LoadBankFile(path);
    ASSERT_FALSE(read.hasErrors());
    EXPECT_EQ(read.content.settings, bank.settings);
    EXPECT_EQ(read.content.authorNote, bank.authorNote);
    ASSERT_EQ(read.content.questions.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        const Question &a = read.content.questions[i], &b = bank.questions[i];
        EXPECT_EQ(a.text, b.text);
        EXPECT_EQ(a.options, b.options);
        EXPECT_EQ(a.key, b.key);
        EXPECT_EQ(a.explanation, b.explanation);
        ASSERT_EQ(bool(a.picture), bool(b.picture)) << i;
        if (a.picture) {
            EXPECT_EQ(a.picture->encoded, b.picture->encoded) << i;
        }
        ASSERT_EQ(a.optionPictures.size(), b.optionPictures.size()) << i;
        for (std::size_t o = 0; o < a.optionPictures.size(); ++o) {
            ASSERT_EQ(bool(a.optionPictures[o]), bool(b.optionPictures[o])) << i << o;
            if (a.optionPictures[o]) {
                EXPECT_EQ(a.optionPictures[o]->encoded, b.optionPictures[o]->encoded) << i << o;
            }
        }
    }
    EXPECT_EQ(read.content.questions[3].optionPictures[2], read.content.questions[1].picture);
    EXPECT_EQ(read.content.questions[1].picture, read.content.questions[2].picture);
}

TEST(BankExport, AFailureNamesTheFile) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    const auto failed =
        ExportBank(test::MakeBank({.questions = 3}), dir.filePath("file/b.vorn.json"));
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->said(),
              "„" + dir.filePath("file/b.vorn.json") + "“: част от пътя не е папка");
}

// A target that is not a regular file is refused before anything is written,
// and a failed export leaves nothing of its own behind.
TEST(BankExport, WhatIsInTheWayIsRefusedAndAFailureLeavesNothing) {
    BankContent bank = test::MakeBank({.questions = 3});
    bank.questions[0].picture = Encoded("PNG");
    QTemporaryDir dir;
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("fifo.vorn.json")).constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.vorn.json"));
    QFile blocker(dir.filePath("blocked-pictures"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the picture folder goes
    const struct {
        QString path, error;
    } cases[] = {
        {dir.filePath("fifo.vorn.json"), "не е обикновен файл"},
        {QStringLiteral("/dev/null"), "не е обикновен файл"},
        {dir.filePath("folder.vorn.json"), "това е папка, а не файл"},
        {dir.filePath("blocked.vorn.json"), "не е папка"},
        {QString(), "няма име на файл"},
        {dir.filePath("sub") + u'/', "няма име на файл"},
    };
    for (const auto& c : cases) {
        const auto failed = ExportBank(bank, c.path);
        ASSERT_TRUE(failed) << c.path.toStdString();
        EXPECT_TRUE(failed->said().contains(c.error)) << failed->said().toStdString();
    }
    // The picture is written, then the bank file cannot be: files may grow to
    // 150 bytes only, more than a picture, less than the bank.
    const auto cut = test::WithFileSizeLimit(
        150, [&] { return ExportBank(bank, dir.filePath("cut.vorn.json")); });
    EXPECT_TRUE(cut);
    EXPECT_EQ(QFileInfo(dir.filePath("fifo.vorn.json")).isFile(), false) << "still a FIFO";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System),
              (QStringList{"blocked-pictures", "fifo.vorn.json", "folder.vorn.json"}))
        << "no bank file and no picture folder were left";
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("-pictures"))) << "not in the working folder";
}
