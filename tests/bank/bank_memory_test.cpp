// A bank's memory: counted before anything is decoded, the picture that goes
// over the budget refused by name, pictures decoded only when shown (or by the
// checker, each once).

#include "app/bank_commands.h"
#include "bank/bank_check.h"
#include "bank/bank_file.h"
#include "bank/bank_pictures.h"
#include "support/pictures.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

QString WriteBank(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return file.fileName();
}

} // namespace

// Caught: decoded sizes added up (a pool of small pictures refused) or left
// out, the text counted as one byte a character, a refused picture counted.
TEST(BankMemory, HoldsTextFilesAndTheLargestDecodedPictureWithinTheBudget) {
    BankMemory memory(100, 1000); // text: 200 bytes as UTF-16
    const struct {
        qint64 fileBytes;
        QSize declared;
        bool held;
        qint64 heldAfter; // hand-added: 2 × text + files + largest × 4 bytes
    } steps[] = {
        {300, QSize(10, 10), true, 200 + 300 + 400},
        {100, QSize(5, 5), true, 200 + 400 + 400},
        {1, QSize(), false, 1000},
        {0, QSize(11, 10), false, 1000},
        {0, QSize(10, 10), true, 1000},
    };
    for (const auto& step : steps) {
        EXPECT_EQ(memory.hold(step.fileBytes, step.declared), step.held) << step.fileBytes;
        EXPECT_EQ(memory.held(), step.heldAfter) << step.fileBytes;
    }
    EXPECT_EQ(BankMemory(0).budget(), 256 * 1024 * 1024);
}

// Caught: every picture read whatever the total, a refusal without the
// picture's name, one file counted twice, the rest of a refused bank read.
TEST(BankMemory, ThePictureThatGoesOverTheBudgetIsRefusedByNameAndNoMoreAreRead) {
    QTemporaryDir dir;
    const QByteArray picture = test::EncodedImage(20, 10, "png");
    for (const char* name : {"a.png", "b.png", "c.png"})
        WriteBank(dir, name, picture);
    // Room for the text, two files and one picture decoded (20 × 10 × 4 bytes).
    PictureFolder folder(dir.path(), BankMemory(50, 2 * 50 + 2 * picture.size() + 800));
    for (const char* name : {"a.png", "b.png", "a.png"})
        EXPECT_TRUE(std::holds_alternative<Picture>(folder.read(name))) << name;
    const PictureResult over = folder.read("c.png");
    ASSERT_TRUE(std::holds_alternative<QString>(over));
    EXPECT_TRUE(std::get<QString>(over).startsWith(
        QStringLiteral("с картинката „c.png“ банката заема повече от")));
    EXPECT_TRUE(std::get<Picture>(folder.read("b.png"))) << "held before the refusal";
    EXPECT_FALSE(std::get<Picture>(folder.read("missing.png"))) << "not read, not told again";
}

// Caught: pictures decoded at start again, or pixels that do not decode behind
// a sound header passing the checker.
TEST(BankMemory, APictureIsDecodedWhenShownAndTheCheckerDecodesEachOnce) {
    QTemporaryDir dir;
    quint32 noise = 12345; // pixels that do not compress: half the file, half of them
    const QByteArray whole = test::PaintedPng(
        200, 150, [&](int, int) { return (noise = noise * 1664525u + 1013904223u) >> 8; });
    WriteBank(dir, "good.png", test::EncodedImage(20, 10, "png"));
    WriteBank(dir, "cut.png", whole.left(whole.size() / 2));
    QByteArray questions;
    for (const char* name : {"good.png", "cut.png", "cut.png"})
        questions += R"(,{"text": "t", "options": ["1", "2"], "key": "1", "picture": ")" +
                     QByteArray(name) + "\"}";
    const QString bank =
        WriteBank(dir, "b.vorn.json",
                  R"({"format": "vorn-bank", "version": 1, "settings": ["a", "b", "c",
"d", "e", "f"], "questions": [)" +
                      questions.mid(1) + "]}");
    const LoadedBank loaded = LoadBankFile(bank);
    EXPECT_FALSE(loaded.hasErrors()) << "the header is sound";
    std::vector<int> questionsTold;
    for (const BankIssue& issue : PictureDecodingIssues(loaded)) {
        EXPECT_TRUE(issue.isError() &&
                    issue.message.startsWith(QStringLiteral("картинката не може да се покаже: ")));
        questionsTold.push_back(issue.question);
    }
    EXPECT_EQ(questionsTold, (std::vector<int>{2, 3}));
    QString out;
    QTextStream stream(&out);
    EXPECT_NE(CheckBankCommand(bank, false, stream), 0);
    EXPECT_TRUE(out.contains(QStringLiteral("въпрос 3: картинката не може да се покаже")) &&
                out.contains(QStringLiteral("2 грешки")))
        << out.toStdString();
}
