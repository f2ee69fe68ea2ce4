// The record a graded run appends: every field, for runs answered by hand
// with known option orders (step 3 over 4 positions: questions 3, 2, 1, 0).

#include "record/record_consistency.h"
#include "record/record_parsing.h"
#include "record/results_file.h"
#include "record/run_record.h"
#include "support/form_listeners.h"
#include "support/test_banks.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

QJsonObject AnswerJson(int number, const char* chosen, const char* key, bool right) {
    return {{"number", number},
            {"chosen", chosen ? QJsonValue(QString::fromUtf8(chosen)) : QJsonValue()},
            {"key", key},
            {"right", right}};
}

} // namespace

TEST(RunRecord, GradingAppendsOneRecordOfEveryBankQuestionAndTheCheckCopy) {
    const RunFacts facts{.time = QDateTime(QDate(2024, 5, 14), QTime(9, 31, 5), Qt::UTC),
                         .user = QStringLiteral("ivan"),
                         .host = QStringLiteral("lab-07"),
                         .program = QStringLiteral("1.0"),
                         .bankSha256 = QString(64, u'c'),
                         .seed = 4000000000u};
    const struct {
        CheckMode check;
        int questions;
        std::vector<float> random; // step 3, then the option order of each question
        std::vector<int> choices;  // per position, the slot; -1 unanswered
        const char* caption;
        QJsonValue verdict;
        QJsonArray answers;
        QJsonValue copy;
    } cases[] = {
        // Orders: question 0 "1234", 1 "1432", 2 "1243", the copy "1324".
        {CheckMode::WithQuestion,
         3,
         {0.1f, 0.0f, 0.005f, 0.001f, 0.002f},
         {2, 0, 1, 0},
         "Резултат: 2/4 = 50%",
         "Вероятно!",
         {AnswerJson(1, "1-1", "1-1", true), AnswerJson(2, "2-4", "2-1", false),
          AnswerJson(3, "3-1", "3-1", true)},
         AnswerJson(1, "1-2", "1-1", false)},
        // No copy; the verdict shown, and partial with position 1 open.
        {CheckMode::VerdictOnly,
         4,
         test::StepThenIdentity(0.1f, 4),
         {3, -1, 0, 1},
         "Резултат: 1/4 = 25%",
         "Частично!",
         {AnswerJson(1, "1-2", "1-1", false), AnswerJson(2, "2-1", "2-1", true),
          AnswerJson(3, nullptr, "3-1", false), AnswerJson(4, "4-4", "4-1", false)},
         QJsonValue()},
        {CheckMode::Off,
         4,
         test::StepThenIdentity(0.1f, 4),
         {3, -1, 0, 1},
         "Резултат: 1/4 = 25%",
         QJsonValue(),
         {AnswerJson(1, "1-2", "1-1", false), AnswerJson(2, "2-1", "2-1", true),
          AnswerJson(3, nullptr, "3-1", false), AnswerJson(4, "4-4", "4-1", false)},
         QJsonValue()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.check));
        QTemporaryDir dir;
        const QString path = dir.filePath("results.jsonl");
        const auto run =
            test::StartRun(test::MakeBank({.questions = c.questions, .check = c.check}), c.random);
        MainForm& f = *run->form;
        test::ListenerOf listener;
        listener.onGraded = [&](const Attempt& graded) {
            EXPECT_EQ(AppendRecordLine(path, RecordLine(RecordOfRun(graded, facts))), std::nullopt);
        };
        f.setListener(&listener);
        for (const int slot : c.choices) {
            if (slot >= 0) f.choose(slot);
            f.forward();
        }
        EXPECT_FALSE(QFile::exists(path)) << "nothing before grading";
        f.grade();
        EXPECT_EQ(f.controls().resultLabel.Caption, QString::fromUtf8(c.caption));

        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        ASSERT_EQ(lines.size(), 2) << "one line, ended";
        const QJsonObject r = QJsonDocument::fromJson(lines[0]).object();
        EXPECT_EQ(r["format"], "vorn-results");
        EXPECT_EQ(r["version"], 1);
        EXPECT_EQ(r["time"], "2024-05-14T09:31:05Z");
        EXPECT_EQ(r["user"], "ivan");
        EXPECT_EQ(r["host"], "lab-07");
        EXPECT_EQ(r["program"], "1.0");
        EXPECT_EQ(r["bank"]["title"], QStringLiteral("ВОРН по Геометрия - успоредник"));
        EXPECT_EQ(r["bank"]["sha256"], QString(64, u'c'));
        EXPECT_EQ(r["seed"], 4000000000.0);
        EXPECT_EQ(QStringLiteral("Резултат: %1/%2 = %3%")
                      .arg(r["score"].toInt())
                      .arg(r["total"].toInt())
                      .arg(r["percent"].toInt()),
                  QString::fromUtf8(c.caption));
        EXPECT_EQ(r["verdict"], c.verdict);
        EXPECT_EQ(r["questions"], c.answers);
        EXPECT_EQ(r["check"], c.copy);
        EXPECT_EQ(r.size(), 14) << "no other field";
        EXPECT_EQ(RecordInconsistency(ParseRecordLine(lines[0]).value()), std::nullopt);
    }
}
