// The examples of the author's guide are banks that check clean, and its
// results record is a record of its example bank, so that the guide cannot
// drift from what the player reads and writes.

#include "bank/bank_check.h"
#include "bank/bank_file.h"
#include "results/bank_fingerprint.h"
#include "results/record_consistency.h"
#include "results/result_record.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

// The first fenced block of the guide whose content starts as given.
QString Block(const QString& fence, const QString& start) {
    QFile guide(QStringLiteral(VORN_SOURCE_DIR "/docs/author-guide.md"));
    if (!guide.open(QIODevice::ReadOnly)) return {};
    const QRegularExpression pattern("```" + fence + "\n(" + QRegularExpression::escape(start) +
                                         ".*?)```",
                                     QRegularExpression::DotMatchesEverythingOption);
    return pattern.match(QString::fromUtf8(guide.readAll())).captured(1);
}

// A block written as a bank file in a folder with the picture the JSON example names.
LoadedBank LoadExample(const QTemporaryDir& dir, const char* fence, const char* start,
                       const QString& name) {
    QDir().mkpath(dir.filePath("pictures"));
    QFile::copy(QStringLiteral(VORN_SOURCE_DIR "/assets/pictures/q01.jpg"),
                dir.filePath("pictures/angles.jpg"));
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Block(QString::fromUtf8(fence), QString::fromUtf8(start)).toUtf8());
    file.close();
    return LoadBankFile(file.fileName());
}

} // namespace

TEST(AuthorGuide, ItsExampleBanksCheckClean) {
    QTemporaryDir dir;
    const struct {
        const char *fence, *start, *name;
    } examples[] = {{"json", "{", "guide.vorn.json"},
                    {"", "// title:", "guide.gift"},
                    {"xml", "<?xml", "guide.xml"}};
    for (const auto& [fence, start, name] : examples) {
        const LoadedBank loaded = LoadExample(dir, fence, start, name);
        for (const BankIssue& issue : AllIssues(loaded))
            ADD_FAILURE() << FormatIssue(name, issue).toStdString();
        EXPECT_EQ(loaded.content.questions.size(), 3u) << name;
    }
}

TEST(AuthorGuide, ItsRecordIsOneOfItsExampleBank) {
    QTemporaryDir dir;
    const auto record = ParseRecordLine(Block("jsonl", "{").toUtf8());
    ASSERT_TRUE(record);
    EXPECT_EQ(record->run.bankSha256,
              BankSha256(LoadExample(dir, "json", "{", "guide.vorn.json").content));
    EXPECT_EQ(record->questions.size(), 3u);
    EXPECT_TRUE(record->check);
    EXPECT_EQ(RecordInconsistency(*record), std::nullopt);
}
