// The examples of the author's guide, in English and in Bulgarian, are banks
// that check clean, and its results record is a record of its example bank, so
// that neither guide can drift from what the player reads and writes.

#include "bank/bank_check.h"
#include "bank/bank_file.h"
#include "bank/bank_fingerprint.h"
#include "record/record_consistency.h"
#include "record/record_parsing.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

// The guides, each named by its file in docs/; every test runs on each.
const char* const kGuides[] = {"author-guide.md", "ръководство-за-автора.md"};

// The first fenced block of the guide whose content starts as given.
QString Block(const char* guideName, const QString& fence, const QString& start) {
    QFile guide(QStringLiteral(VORN_SOURCE_DIR "/docs/") + QString::fromUtf8(guideName));
    if (!guide.open(QIODevice::ReadOnly)) return {};
    const QRegularExpression pattern("```" + fence + "\n(" + QRegularExpression::escape(start) +
                                         ".*?)```",
                                     QRegularExpression::DotMatchesEverythingOption);
    return pattern.match(QString::fromUtf8(guide.readAll())).captured(1);
}

// The starts of the two JSON examples: the bank in version 1 and in version 2.
constexpr const char* kVersion1 = "{\n    \"format\": \"vorn-bank\",\n    \"version\": 1,";
constexpr const char* kVersion2 = "{\n    \"format\": \"vorn-bank\",\n    \"version\": 2,";

// A block written as a bank file in a folder with the picture the JSON example names.
LoadedBank LoadExample(const QTemporaryDir& dir, const char* guideName, const char* fence,
                       const char* start, const QString& name) {
    QDir().mkpath(dir.filePath("pictures"));
    QFile::copy(QStringLiteral(VORN_SOURCE_DIR "/assets/pictures/q01.jpg"),
                dir.filePath("pictures/angles.jpg"));
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Block(guideName, QString::fromUtf8(fence), QString::fromUtf8(start)).toUtf8());
    file.close();
    return LoadBankFile(file.fileName());
}

} // namespace

TEST(AuthorGuide, ItsExampleBanksCheckClean) {
    const struct {
        const char *fence, *start, *name;
    } examples[] = {{"json", kVersion1, "guide.vorn.json"},
                    {"json", kVersion2, "guide-2.vorn.json"},
                    {"", "// title:", "guide.gift"},
                    {"xml", "<?xml", "guide.xml"}};
    for (const char* guide : kGuides) {
        SCOPED_TRACE(guide);
        QTemporaryDir dir;
        for (const auto& [fence, start, name] : examples) {
            const LoadedBank loaded = LoadExample(dir, guide, fence, start, name);
            for (const BankIssue& issue : AllIssues(loaded))
                ADD_FAILURE() << FormatIssue(name, issue).toStdString();
            EXPECT_EQ(loaded.content.questions.size(), 3u) << name;
        }
    }
}

TEST(AuthorGuide, ItsRecordIsOneOfItsExampleBankInEitherVersion) {
    for (const char* guide : kGuides) {
        SCOPED_TRACE(guide);
        QTemporaryDir dir;
        const auto record = ParseRecordLine(Block(guide, "jsonl", "{").toUtf8());
        ASSERT_TRUE(record);
        EXPECT_EQ(
            record->run.bankSha256,
            BankSha256(LoadExample(dir, guide, "json", kVersion1, "guide.vorn.json").content));
        EXPECT_EQ(
            record->run.bankSha256,
            BankSha256(LoadExample(dir, guide, "json", kVersion2, "guide-2.vorn.json").content));
        EXPECT_EQ(record->questions.size(), 3u);
        EXPECT_TRUE(record->check);
        EXPECT_EQ(RecordInconsistency(*record), std::nullopt);

        // The exam's record, of the pool sample.
        const auto exam = ParseRecordLine(Block(guide, "jsonl", "{\"attempt\"").toUtf8());
        ASSERT_TRUE(exam);
        EXPECT_EQ(
            exam->run.bankSha256,
            BankSha256(LoadBankFile(VORN_EXAMPLES_DIR "/multiplication-pool.vorn.json").content));
        EXPECT_EQ(RecordInconsistency(*exam), std::nullopt);
    }
}
