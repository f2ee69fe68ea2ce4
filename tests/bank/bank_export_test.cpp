// Writing a bank out: it reads back the same, each picture object once; a
// failure names the file.

#include "bank/bank_export.h"
#include "bank/bank_file.h"
#include "support/test_banks.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

Picture Encoded(const char* format) {
    QImage image(12, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return MakePicture(bytes);
}

} // namespace

TEST(BankExport, ReadsBackTheSameWithOneFilePerPicture) {
    BankContent bank = test::MakeBank({.questions = 4});
    const Picture jpeg = Encoded("JPG");
    bank.questions[0].picture = nullptr;
    bank.questions[1].picture = jpeg;
    bank.questions[2].picture = jpeg;
    bank.questions[3].picture = Encoded("PNG");
    bank.questions[3].text = QStringLiteral("Кавички \" и \\ и\r\nнов ред");

    QTemporaryDir dir;
    const QString path = dir.filePath("out/test.vorn.json");
    QDir().mkpath(dir.filePath("out"));
    ASSERT_EQ(ExportBank(bank, path), std::nullopt);
    EXPECT_EQ(QDir(dir.filePath("out/test-pictures")).entryList(QDir::Files),
              (QStringList{"q02.jpg", "q04.png"}));

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
    }
    EXPECT_EQ(read.content.questions[1].picture, read.content.questions[2].picture);
}

TEST(BankExport, AFailureNamesTheFile) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    const auto failed =
        ExportBank(test::MakeBank({.questions = 3}), dir.filePath("file/b.vorn.json"));
    ASSERT_TRUE(failed);
    EXPECT_TRUE(failed->contains(dir.filePath("file/b"))) << failed->toStdString();
}
