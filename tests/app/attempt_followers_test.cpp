// What the session's followers make of the form's news. The faults caught: an
// abandoned attempt kept as a finished one (or the other way round), a record
// kept for a mere answer, and a follower that is not there (no clock, no
// journal) being called all the same.

#include "app/attempt_followers.h"
#include "app/results_saving.h"
#include "record/run_record.h"
#include "support/test_banks.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorn;

TEST(AttemptFollowers, AGradedAndAnAbandonedAttemptAreKeptAsSuch) {
    const Attempt attempt =
        test::StartAttempt(test::MakeBank({.questions = 3}), test::StepThenIdentity(0.1f, 4));
    const struct {
        const char* what;
        void (AttemptFollowers::*news)(const Attempt&);
        int records;
        bool abandoned;
    } cases[] = {
        {"answered: nothing kept", &AttemptFollowers::answered, 0, false},
        {"graded", &AttemptFollowers::graded, 1, false},
        {"abandoned", &AttemptFollowers::abandoned, 1, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString path = dir.filePath("8a.jsonl");
        {
            ResultsKeeper keeper({.path = path, .fallbackPath = dir.filePath("fallback.jsonl")},
                                 nullptr, QString());
            // No clock and no journal: a practice run with a results file.
            AttemptFollowers followers({.results = &keeper, .recordOf = [](const Attempt& a) {
                                            return RecordOfRun(a, {.seed = 7});
                                        }});
            (followers.*c.news)(attempt);
        } // the keeper waits for its record
        QFile file(path);
        const QList<QByteArray> lines =
            file.open(QIODevice::ReadOnly) ? file.readAll().split('\n') : QList<QByteArray>{""};
        ASSERT_EQ(lines.size() - 1, c.records);
        if (c.records == 0) continue;
        const QJsonObject record = QJsonDocument::fromJson(lines[0]).object();
        EXPECT_EQ(record.value("abandoned").toBool(false), c.abandoned);
        EXPECT_EQ(record.value("seed").toInt(), 7);
    }
}
