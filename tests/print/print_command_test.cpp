// `vorn-player --print` as a teacher runs it: the three files in the folder
// asked for, the same seed printing the same key, an earlier print never
// overwritten, a bad class list refused with its line.

#include "print/print_command.h"
#include "support/private_environment.h"

#include <QDir>
#include <QFile>
#include <QPdfDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vorn {
namespace {

const QString kBank = QStringLiteral(VORN_EXAMPLES_DIR "/multiplication-pool.vorn.json");
const QStringList kFiles = {"variants.pdf", "sheets.pdf", "key.pdf"};

struct Outcome {
    int status = -1;
    QString out, err;
};

Outcome Print(const PrintRequest& request, std::uint32_t seed = 11) {
    Outcome outcome;
    QTextStream out(&outcome.out), err(&outcome.err);
    outcome.status = PrintCommandWith(request, {seed, 0x5eed0001}, out, err);
    return outcome;
}

QString KeyText(const QString& folder) {
    QPdfDocument pdf;
    if (pdf.load(QDir(folder).filePath("key.pdf")) != QPdfDocument::Error::None) return {};
    QString text;
    for (int page = 0; page < pdf.pageCount(); ++page)
        text += pdf.getAllText(page).text();
    return text;
}

QStringList Present(const QString& folder) {
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

// Catches: a seed from the clock where the teacher gave one (a lost key
// could not be printed again), or the given seed ignored by the pool's draw.
TEST(PrintCommand, TheSameSeedPrintsTheSameKey) {
    QTemporaryDir dir;
    const auto folder = [&](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
    PrintRequest request{kBank, 3, {}, 4321u, folder("a")};
    ASSERT_EQ(Print(request, 1).status, 0);
    request.output = folder("b");
    ASSERT_EQ(Print(request, 2).status, 0) << "the clock's seed is not the one asked for";
    request.seed = 4322u;
    request.output = folder("c");
    ASSERT_EQ(Print(request).status, 0);
    EXPECT_EQ(Present(folder("a")), QStringList({"key.pdf", "sheets.pdf", "variants.pdf"}));
    EXPECT_FALSE(KeyText(folder("a")).isEmpty());
    EXPECT_EQ(KeyText(folder("a")), KeyText(folder("b")));
    EXPECT_NE(KeyText(folder("a")), KeyText(folder("c")));
}

// Catches: an earlier print's key replaced while its sheets are with the
// students; half a print left after a refusal; a bad list line skipped.
TEST(PrintCommand, RefusesWithoutTouchingAnything) {
    QTemporaryDir dir;
    const QString out = dir.filePath("print");
    QDir().mkpath(out);
    QFile earlier(QDir(out).filePath("key.pdf"));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("the key of last week");
    earlier.close();
    const Outcome again = Print({kBank, 2, {}, std::nullopt, out});
    EXPECT_EQ(again.status, 1);
    EXPECT_TRUE(again.err.contains(QStringLiteral("вече има key.pdf"))) << again.err.toStdString();
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), QByteArray("the key of last week"));
    EXPECT_EQ(Present(out), QStringList({"key.pdf"}));

    const QString list = dir.filePath("7b.csv");
    QFile file(list);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("1;Иван Петров;7б\n2;Мария Иванова\n");
    file.close();
    const QString fresh = dir.filePath("fresh");
    const Outcome bad = Print({kBank, 2, list, std::nullopt, fresh});
    EXPECT_EQ(bad.status, 1);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("ред 2:"))) << bad.err.toStdString();
    EXPECT_TRUE(Present(fresh).isEmpty());
}

// Catches: the paper program drawing text without an application behind
// it (it aborted), or without fonts where no display is.
TEST(PrintCommand, ThePlayerPrintsWithoutADisplay) {
    QTemporaryDir dir;
    QProcessEnvironment env = test::PrivateEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    QProcess player;
    player.setProcessEnvironment(env);
    player.start(QStringLiteral(VORN_PLAYER_PATH),
                 {"--print", kBank, "--variants", "2", "--seed", "7", "--output", dir.path()});
    ASSERT_TRUE(player.waitForFinished(30000));
    EXPECT_EQ(player.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(player.exitCode(), 0) << player.readAllStandardError().toStdString();
    EXPECT_EQ(Present(dir.path()), QStringList({"key.pdf", "sheets.pdf", "variants.pdf"}));
    EXPECT_TRUE(KeyText(dir.path()).contains(QStringLiteral("Вариант 2")));
}

} // namespace
} // namespace vorn
