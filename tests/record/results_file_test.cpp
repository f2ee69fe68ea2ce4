// Appending to a results file: earlier bytes are kept as they are, a line
// left unfinished is not continued, a write cut short is taken back, and
// another's lock delays a record but never keeps it out.

#include "record/results_file.h"
#include "support/confined_run.h"
#include "support/file_bytes.h"
#include "support/file_size_limit.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/file.h>
#include <sys/stat.h>

using namespace vorn;
using namespace std::chrono_literals;

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
        if (c.before) WriteFileBytes(path, c.before);
        EXPECT_EQ(AppendRecordLine(path, "{\"r\":3}\n"), std::nullopt);
        EXPECT_EQ(FileBytes(path), QByteArray(c.after));
        EXPECT_FALSE(QFile::exists(path + ".lock")) << "no lock file";
    }
}

// A teacher may let students append to the file but not read it (0662): the
// last byte cannot be looked at, and a record glued to an unfinished line
// would be lost with it.
TEST(ResultsFile, WhereTheFileMayOnlyBeAppendedToTheRecordStillStartsOnANewLine) {
    for (const QByteArray before : {"{\"r\":1}\n", "{\"r\":"}) {
        SCOPED_TRACE(before.toStdString());
        QTemporaryDir dir;
        QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7755));
        const QString path = dir.filePath("results.jsonl");
        WriteFileBytes(path, before);
        // Root reads whatever the mode; it runs the writer as nobody, for whom
        // 0662 allows appending only.
        QFile::setPermissions(path, QFileDevice::Permissions(::geteuid() == 0 ? 0x6662 : 0x2000));
        const test::Finished wrote = test::RunCommand(
            test::AsAnotherUser({VORN_APPEND_RECORDS_PATH, path, "w", "1", "200"}));
        EXPECT_EQ(wrote.status, 0) << wrote.err.toStdString();
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        const QByteArray after = FileBytes(path);
        // A newline first in any case: a blank line where the last one was
        // finished, which a reader passes over.
        ASSERT_TRUE(after.startsWith(before + '\n')) << after.constData();
        const QList<QByteArray> added = after.mid(before.size() + 1).split('\n');
        ASSERT_EQ(added.size(), 2) << "the record on one line, and its newline";
        const QByteArray& record = added[0];
        EXPECT_EQ(QJsonDocument::fromJson(record).object()["format"], "vorn-results");
    }
}

TEST(ResultsFile, OnlyARegularFileTakesARecordAndNothingElseIsTouched) {
    QTemporaryDir dir, elsewhere;
    const QString target = elsewhere.filePath("someone-elses.txt");
    WriteFileBytes(target, "mine\n");
    ASSERT_TRUE(QFile::link(target, dir.filePath("link.jsonl")));
    ASSERT_TRUE(QFile::link("/dev/null", dir.filePath("null.jsonl")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("fifo.jsonl")).constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.jsonl"));
    const struct {
        const char* name;
        const char* reason;
    } cases[] = {
        {"link.jsonl", "пътят е символна връзка, а не файл"},
        {"null.jsonl", "пътят е символна връзка, а не файл"},
        {"fifo.jsonl", "това не е обикновен файл"}, // and no waiting for a reader
        {"folder.jsonl", "това е папка, а не файл"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AppendRecordLine(dir.filePath(c.name), "{}\n", 200ms),
                  QString::fromUtf8(c.reason))
            << c.name;
    EXPECT_EQ(FileBytes(target), "mine\n");
}

// Catches: a lock that anyone who may read the file can take (shared or
// exclusive, held for as long as they like) keeping every record out of the
// file; a lock file planted beside it doing the same.
TEST(ResultsFile, ALockHeldByAnotherIsWaitedForABoundedTimeAndTheRecordStillGoesIn) {
    const struct {
        const char* what;
        int held; // 0: a lock file beside it, no lock held
    } cases[] = {{"a lock file planted beside it", 0},
                 {"a shared lock held", LOCK_SH},
                 {"an exclusive lock held", LOCK_EX}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString path = dir.filePath("results.jsonl");
        WriteFileBytes(path, "{\"r\":1}\n");
        WriteFileBytes(path + ".lock", "");
        QFile other(path);
        ASSERT_TRUE(other.open(QIODevice::ReadOnly)); // any user who can read it can lock it
        if (c.held) {
            ASSERT_EQ(::flock(other.handle(), c.held), 0);
        }
        EXPECT_EQ(AppendRecordLine(path, "{\"r\":2}\n", 50ms), std::nullopt);
        EXPECT_EQ(FileBytes(path), "{\"r\":1}\n{\"r\":2}\n");
    }
}

TEST(ResultsFile, AShortWriteIsCutBackToTheOldSize) {
    QTemporaryDir dir;
    const QString path = dir.filePath("results.jsonl");
    const QByteArray before(300, 'a'); // longer than the lock file's few lines
    WriteFileBytes(path, before + '\n');
    // Files may grow to 311 bytes: 10 of the 50 get written.
    const auto failed = test::WithFileSizeLimit(
        311, [&] { return AppendRecordLine(path, QByteArray(49, 'b') + '\n'); });
    EXPECT_EQ(failed, QStringLiteral("записът прекъсна след 10 от 50 байта"));
    EXPECT_EQ(FileBytes(path), before + '\n');
}

// A sealed record is chained to the last line of the file that is not blank,
// as the writer finds it under the lock; the reader skips blank lines too.
TEST(ResultsFile, TheLineMakerIsGivenTheLastLineThatIsNotBlank) {
    const QByteArray longLine(100'000, 'x'); // more than one chunk read back
    const struct {
        const char* what;
        std::optional<QByteArray> before; // none: no file yet
        QByteArray last;
    } cases[] = {
        {"no file", std::nullopt, ""},
        {"an empty file", QByteArray(""), ""},
        {"two lines", QByteArray("a\nbb\n"), "bb"},
        {"blank lines after", QByteArray("a\n b \n\n  \n\n"), " b "},
        {"a line left unfinished", QByteArray("a\nfrag"), "frag"},
        {"a long line", "a\n" + longLine + "\n", longLine},
        {"only blanks", QByteArray("\n \n"), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString path = dir.filePath("results.jsonl");
        if (c.before) WriteFileBytes(path, *c.before);
        std::optional<QByteArray> given;
        EXPECT_EQ(AppendRecordLine(path,
                                   [&given](const std::optional<QByteArray>& last) {
                                       given = last;
                                       return QByteArray("{}\n");
                                   }),
                  std::nullopt);
        EXPECT_EQ(given, std::optional(c.last));
    }
}
