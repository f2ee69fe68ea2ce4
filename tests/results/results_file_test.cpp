// Appending to a results file: earlier bytes are kept as they are, a line
// left unfinished is not continued, and a write cut short is taken back.

#include "results/results_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace vorn;

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(ResultsFile, AppendsAfterEarlierRecordsOnANewLine) {
    const struct {
        const char* before; // nullptr: no file yet
        const char* after;
    } cases[] = {
        {nullptr, "{\"r\":3}\n"},
        {"", "{\"r\":3}\n"},
        {"{\"r\":1}\n{\"r\":2}\n", "{\"r\":1}\n{\"r\":2}\n{\"r\":3}\n"},
        {"{\"r\":1}\n{\"r\":", "{\"r\":1}\n{\"r\":\n{\"r\":3}\n"}, // a writer that crashed
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath("results.jsonl");
        if (c.before) Write(path, c.before);
        EXPECT_EQ(AppendRecordLine(path, "{\"r\":3}\n"), std::nullopt);
        EXPECT_EQ(Contents(path), QByteArray(c.after));
        EXPECT_FALSE(QFile::exists(path + ".lock")) << "the lock is gone";
    }
}

TEST(ResultsFile, AnUnnamedLockLeftBehindIsTakenOverWithinTheWait) {
    QTemporaryDir dir;
    const QString path = dir.filePath("results.jsonl");
    Write(path + ".lock", ""); // as a writer killed before naming itself leaves it
    EXPECT_EQ(AppendRecordLine(path, "{}\n", std::chrono::milliseconds(300)), std::nullopt);
    EXPECT_EQ(Contents(path), "{}\n");
}

TEST(ResultsFile, AShortWriteIsCutBackToTheOldSize) {
    QTemporaryDir dir;
    const QString path = dir.filePath("results.jsonl");
    const QByteArray before(300, 'a'); // longer than the lock file's few lines
    Write(path, before + '\n');
    // Files may grow to 311 bytes: 10 of the 50 get written.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limited = saved;
    limited.rlim_cur = 311;
    setrlimit(RLIMIT_FSIZE, &limited);
    const auto failed = AppendRecordLine(path, QByteArray(49, 'b') + '\n');
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, SIG_DFL);
    EXPECT_EQ(failed, QStringLiteral("записът прекъсна след 10 от 50 байта"));
    EXPECT_EQ(Contents(path), before + '\n');
}
