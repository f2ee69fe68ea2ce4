// The examples of the author's guide are banks that check clean, so that the
// guide cannot drift from what the player reads.

#include "bank/bank_check.h"
#include "bank/bank_file.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorn;

TEST(AuthorGuide, ItsExampleBanksCheckClean) {
    QFile guide(QStringLiteral(VORN_SOURCE_DIR "/docs/author-guide.md"));
    ASSERT_TRUE(guide.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(guide.readAll());
    // The first fenced block whose content starts as given.
    const auto block = [&text](const QString& fence, const QString& start) {
        const QRegularExpression pattern("```" + fence + "\n(" + QRegularExpression::escape(start) +
                                             ".*?)```",
                                         QRegularExpression::DotMatchesEverythingOption);
        return pattern.match(text).captured(1);
    };

    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("pictures"));
    QFile::copy(QStringLiteral(VORN_SOURCE_DIR "/assets/pictures/q01.jpg"),
                dir.filePath("pictures/angles.jpg"));
    const struct {
        const char *fence, *start, *name;
    } examples[] = {{"json", "{", "guide.vorn.json"}, {"", "// title:", "guide.gift"}};
    for (const auto& [fence, start, name] : examples) {
        const QString bank = block(QString::fromUtf8(fence), QString::fromUtf8(start));
        ASSERT_FALSE(bank.isEmpty()) << name;
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bank.toUtf8());
        file.close();
        const LoadedBank loaded = LoadBankFile(file.fileName());
        for (const BankIssue& issue : AllIssues(loaded))
            ADD_FAILURE() << FormatIssue(name, issue).toStdString();
        EXPECT_EQ(loaded.content.questions.size(), 3u) << name;
    }
}
