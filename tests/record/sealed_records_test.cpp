// Records sealed to the teacher: only the secret key opens them; a record
// sealed to another key, cut short or moved is named, never counted silently,
// and the chain of the file shows a line removed, changed or reordered.

#include "app/results_saving.h"
#include "record/exam_keys.h"
#include "record/results_reading.h"
#include "record/sealed_line.h"

#include "support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace vorn;

namespace {

// Three pupils, one question each, all graded right.
ResultRecord PupilRecord(int n) {
    ResultRecord record;
    record.run = {.time = QDateTime(QDate(2026, 12, 10), QTime(9, n), Qt::UTC),
                  .user = "lab",
                  .host = QStringLiteral("pc%1").arg(n),
                  .program = "1.0",
                  .bankSha256 = QString(64, u'b'),
                  .seed = 7};
    record.bankTitle = "Тест";
    record.grade = {.score = 1, .total = 1, .percent = 100, .verdict = {}};
    record.questions = {{.number = 1, .chosen = "ключ", .key = "ключ", .right = true, .id = "1"}};
    record.student = Student{QStringLiteral("Ученик %1").arg(n), "8а", QString::number(n)};
    return record;
}

struct Keys {
    QTemporaryDir dir;
    ExamPublicKey publicKey;
    ExamSecretKey secretKey;
};

std::unique_ptr<Keys> NewKeys() {
    auto keys = std::make_unique<Keys>();
    EXPECT_EQ(MakeExamKeys(keys->dir.path()), std::nullopt);
    keys->publicKey = std::get<ExamPublicKey>(ReadExamPublicKey(keys->dir.filePath("exam.pub")));
    keys->secretKey = std::get<ExamSecretKey>(ReadExamSecretKey(keys->dir.filePath("exam.secret")));
    return keys;
}

// Appends the record sealed to `key` as the player keeps it.
void AppendSealed(const QString& path, const ResultRecord& record, const ExamPublicKey& key) {
    const ResultsPlace place{.path = path, .fallbackPath = path + ".fallback", .sealTo = key};
    ASSERT_EQ(KeepRecord(RecordLineFor(record, place), place), std::nullopt);
}

QList<QByteArray> Lines(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = file.readAll().split('\n');
    lines.removeLast(); // after the last newline
    return lines;
}

void Rewrite(const QString& path, const QList<QByteArray>& lines) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (const QByteArray& line : lines)
        file.write(line + '\n');
}

} // namespace

TEST(SealedRecords, OpenOnlyWithTheSecretKeyAndHideEveryAnswer) {
    const auto keys = NewKeys(), other = NewKeys();
    QTemporaryDir dir;
    const QString path = dir.filePath("8a.jsonl");
    for (int n = 1; n <= 3; ++n)
        AppendSealed(path, PupilRecord(n), keys->publicKey);
    const QByteArray file = Lines(path).join('\n');
    // Quoted as the clear record writes them: a quote or Cyrillic never
    // stands in base64, so a sealed box cannot hold them by chance.
    for (const char* clear : {"ключ", "\"right\"", "\"score\"", "Ученик", "8а", "\"pc1\""})
        EXPECT_FALSE(file.contains(clear)) << clear;

    std::vector<ResultRecord> opened;
    const auto take = [&opened](const ResultRecord& r, const RecordPlace&) { opened.push_back(r); };
    ReadResults read = ReadResultsFiles({path}, take, &keys->secretKey);
    ASSERT_EQ(opened.size(), 3u);
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(opened[std::size_t(n - 1)].student, PupilRecord(n).student);
        EXPECT_EQ(opened[std::size_t(n - 1)].run.host, PupilRecord(n).run.host);
    }
    EXPECT_EQ(read.chainBreaks.count + read.damagedSeals.count + read.notRecords.count, 0);

    opened.clear();
    read = ReadResultsFiles({path}, take, nullptr);
    EXPECT_EQ(std::tuple(read.records, read.sealedWithoutKey), std::tuple(0, 3)) << "counted";

    read = ReadResultsFiles({path}, take, &other->secretKey);
    EXPECT_EQ(read.records, 0);
    const QString id = QString::fromLatin1(ExamKeyId(keys->publicKey));
    EXPECT_EQ(read.anotherKey.listed, QStringList({path + ":1: ключ " + id, path + ":2: ключ " + id,
                                                   path + ":3: ключ " + id}));
    EXPECT_NE(ExamKeyId(keys->publicKey), ExamKeyId(other->publicKey));
}

// Each row edits the file of three sealed records (lines 1, 2, 3) as a
// classmate with write access could; the lines named are worked out by hand:
// a sealed line whose link is not the hash of the line now before it.
TEST(SealedRecords, EveryEditOfTheFileIsNamed) {
    const auto keys = NewKeys();
    using Edit = std::function<void(QList<QByteArray>&)>;
    const struct {
        const char* what;
        Edit edit;
        qint64 counted;
        QStringList breaks, damaged, inconsistent; // line numbers
    } cases[] = {
        {"none", [](QList<QByteArray>&) {}, 3, {}, {}, {}},
        {"line 2 removed", [](QList<QByteArray>& l) { l.removeAt(1); }, 2, {"2"}, {}, {}},
        {"lines 2 and 3 swapped",
         [](QList<QByteArray>& l) { l.swapItemsAt(1, 2); },
         3,
         {"2", "3"},
         {},
         {}},
        {"line 1 last", [](QList<QByteArray>& l) { l.move(0, 2); }, 3, {"1", "3"}, {}, {}},
        {"line 2's box cut short",
         [](QList<QByteArray>& l) { l[1].chop(l[1].size() / 3); },
         2,
         {"3"},
         {"2"},
         {}},
        {"line 2's tag made line 1's",
         [](QList<QByteArray>& l) { l[1] = l[1].left(31) + l[0].mid(31, 64) + l[1].mid(95); },
         2,
         {"3"},
         {},
         {"2"}},
        {"a plain line put before line 3",
         [](QList<QByteArray>& l) { l.insert(2, "{\"planted\":1}"); },
         3,
         {"4"},
         {},
         {}},
        {"blank lines between",
         [](QList<QByteArray>& l) { l.insert(1, "  "), l.insert(1, ""); },
         3,
         {},
         {},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString path = dir.filePath("8a.jsonl");
        for (int n = 1; n <= 3; ++n)
            AppendSealed(path, PupilRecord(n), keys->publicKey);
        QList<QByteArray> lines = Lines(path);
        c.edit(lines);
        Rewrite(path, lines);
        // The records handed on as after a break: what the report flags.
        QStringList flagged;
        const ReadResults read = ReadResultsFiles(
            {path},
            [&flagged](const ResultRecord&, const RecordPlace& place) {
                if (place.afterChainBreak)
                    flagged.append(place.file + ':' + QString::number(place.line));
            },
            &keys->secretKey);
        const auto at = [&path](const QStringList& numbers, const QString& after = {}) {
            QStringList where;
            for (const QString& n : numbers)
                where.append(path + ':' + n + after);
            return where;
        };
        EXPECT_EQ(read.records, c.counted);
        EXPECT_EQ(read.chainBreaks.listed, at(c.breaks));
        EXPECT_EQ(flagged, at(c.breaks));
        EXPECT_EQ(read.damagedSeals.listed, at(c.damaged));
        EXPECT_EQ(read.inconsistent.listed,
                  at(c.inconsistent, ": метката на ученика не е тази от записа"));
    }
}

TEST(ExamKeys, AreWrittenOnceForTheTeacherAloneAndNeverOverwritten) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("keys");
    ASSERT_EQ(MakeExamKeys(folder), std::nullopt);
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(folder + "/exam.secret").constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    ASSERT_EQ(::stat(QFile::encodeName(folder).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u) << "a folder made for the keys is the teacher's";

    QFile secret(folder + "/exam.secret");
    ASSERT_TRUE(secret.open(QIODevice::ReadOnly));
    const QByteArray before = secret.readAll();
    EXPECT_TRUE(MakeExamKeys(folder).has_value());
    secret.seek(0);
    EXPECT_EQ(secret.readAll(), before) << "the second pair did not replace the first";

    // A link planted where the secret key goes is not followed.
    QTemporaryDir planted;
    const QString elsewhere = planted.filePath("someone.txt");
    QFile::copy(folder + "/exam.pub", elsewhere);
    ASSERT_TRUE(QFile::link(elsewhere, planted.filePath("exam.secret")));
    EXPECT_TRUE(MakeExamKeys(planted.path()).has_value());
    EXPECT_FALSE(QFile::exists(planted.filePath("exam.pub")));

    // A secret file whose public key is another pair's is refused.
    const auto other = NewKeys();
    QFile otherPublic(other->dir.filePath("exam.pub"));
    ASSERT_TRUE(otherPublic.open(QIODevice::ReadOnly));
    const QByteArray otherKey = otherPublic.readAll().split(' ').at(2).trimmed();
    QList<QByteArray> words = before.trimmed().split(' ');
    words[2] = otherKey;
    QFile mixed(dir.filePath("mixed.secret"));
    ASSERT_TRUE(mixed.open(QIODevice::WriteOnly));
    mixed.write(words.join(' ') + '\n');
    mixed.close();
    EXPECT_TRUE(std::holds_alternative<QString>(ReadExamSecretKey(mixed.fileName())));
    EXPECT_TRUE(std::holds_alternative<QString>(ReadExamPublicKey(folder + "/exam.secret")))
        << "a secret key is not taken for a public one";
}
