// A bank's memory: what it holds is counted before anything is decoded, the
// picture that would take it over its budget is refused by name, and pictures
// are decoded only when shown (or by the checker, one at a time).

#include "app/bank_commands.h"
#include "bank/bank_check.h"
#include "bank/bank_file.h"
#include "bank/bank_memory.h"
#include "bank/bank_pictures.h"
#include "support/pictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

QString Write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
}

// Pixels that do not compress, so that half of the file holds half of them.
QByteArray Noise(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    quint32 state = 12345;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            state = state * 1664525u + 1013904223u;
            image.setPixel(x, y, state >> 8);
        }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

// Caught: decoded sizes added up (a pool of small pictures refused), decoded
// sizes left out, the text counted as one byte a character, or a refused
// picture counted as held.
TEST(BankMemory, HoldsTextFilesAndTheLargestDecodedPictureWithinTheBudget) {
    BankMemory memory(100, 1000); // text: 200 bytes as UTF-16
    const struct {
        qint64 fileBytes;
        QSize declared;
        bool held;
        qint64 heldAfter; // hand-added: 2 × text + files + largest × 4 bytes
    } steps[] = {
        {300, QSize(10, 10), true, 200 + 300 + 400},
        {100, QSize(5, 5), true, 200 + 400 + 400}, // smaller: the largest stays
        {1, QSize(), false, 1000},                 // one byte over
        {0, QSize(11, 10), false, 1000},           // 440 decoded: 40 over
        {0, QSize(10, 10), true, 1000},            // the same largest again fits
    };
    for (const auto& step : steps) {
        EXPECT_EQ(memory.hold(step.fileBytes, step.declared), step.held) << step.fileBytes;
        EXPECT_EQ(memory.held(), step.heldAfter) << step.fileBytes;
    }
    EXPECT_EQ(BankMemory(0).budget(), 256 * 1024 * 1024);
}

// Caught: every picture read whatever the total, the refusal not naming the
// picture, the same file counted twice, or the rest of a refused bank read.
TEST(BankMemory, ThePictureThatGoesOverTheBudgetIsRefusedByNameAndNoMoreAreRead) {
    QTemporaryDir dir;
    const QByteArray picture = test::EncodedImage(20, 10, "png");
    for (const char* name : {"a.png", "b.png", "c.png"})
        Write(dir, name, picture);
    // Room for the text, two files and one picture decoded (20 × 10 × 4 bytes).
    const qint64 budget = 2 * 50 + 2 * picture.size() + 800;
    PictureFolder folder(dir.path(), BankMemory(50, budget));
    EXPECT_TRUE(std::holds_alternative<Picture>(folder.read("a.png")));
    EXPECT_TRUE(std::holds_alternative<Picture>(folder.read("b.png")));
    EXPECT_TRUE(std::holds_alternative<Picture>(folder.read("a.png"))) << "already held";
    const PictureResult over = folder.read("c.png");
    ASSERT_TRUE(std::holds_alternative<QString>(over));
    const QString message = std::get<QString>(over);
    EXPECT_TRUE(message.startsWith(QStringLiteral("с картинката „c.png“ банката заема повече от")))
        << message.toStdString();
    const PictureResult after = folder.read("b.png");
    EXPECT_TRUE(std::holds_alternative<Picture>(after) && std::get<Picture>(after))
        << "held before the refusal";
    const PictureResult rest = folder.read("missing.png");
    EXPECT_TRUE(std::holds_alternative<Picture>(rest) && !std::get<Picture>(rest))
        << "not read, and not told again";
}

// Caught: pictures decoded at start again, or a picture whose header is sound
// but whose pixels are not passing the checker.
TEST(BankMemory, APictureIsDecodedWhenShownAndTheCheckerDecodesEachOnce) {
    QTemporaryDir dir;
    Write(dir, "good.png", test::EncodedImage(20, 10, "png"));
    const QByteArray whole = Noise(200, 150);
    Write(dir, "cut.png", whole.left(whole.size() / 2)); // the pixels cut off halfway
    const QString bank =
        Write(dir, "b.vorn.json",
              R"({"format": "vorn-bank", "version": 1, "settings": ["a", "b", "c", "d", "e", "f"],
"questions": [
{"text": "1", "options": ["1", "2"], "key": "1", "picture": "good.png"},
{"text": "2", "options": ["1", "2"], "key": "1", "picture": "cut.png"},
{"text": "3", "options": ["1", "2"], "key": "1", "picture": "cut.png"}]})");
    const LoadedBank loaded = LoadBankFile(bank);
    EXPECT_FALSE(loaded.hasErrors()) << "the header is sound";
    std::vector<int> questions;
    for (const BankIssue& issue : PictureDecodingIssues(loaded)) {
        EXPECT_TRUE(issue.isError());
        EXPECT_EQ(issue.line, 0) << "the JSON reader knows no question's line";
        EXPECT_TRUE(issue.message.startsWith(QStringLiteral("картинката не може да се покаже: ")));
        questions.push_back(issue.question);
    }
    EXPECT_EQ(questions, (std::vector<int>{2, 3}));

    QString out;
    QTextStream stream(&out);
    EXPECT_NE(CheckBankCommand(bank, false, stream), 0);
    EXPECT_TRUE(out.contains(QStringLiteral("въпрос 3: картинката не може да се покаже")))
        << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("2 грешки"))) << out.toStdString();
}
