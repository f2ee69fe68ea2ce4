// A run written as JSON reads back as the same run, at any moment of any run;
// a file whose parts do not fit the bank or each other is refused.

#include "support/test_banks.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

#include <random>

using namespace vorn;

namespace {

std::optional<Attempt> ThroughText(const Attempt& run, const BankContent& bank, QString* error) {
    const QByteArray text = QJsonDocument(run.toJson()).toJson();
    return Attempt::fromJson(QJsonDocument::fromJson(text).object(), bank, error);
}

} // namespace

TEST(RunJson, EveryMomentOfRandomRunsReadsBackEqual) {
    int compared = 0, reviewed = 0;
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        std::mt19937 rng(seed);
        std::vector<int> counts;
        for (int q = 0; q < 3 + static_cast<int>(seed % 26); ++q)
            counts.push_back(2 + static_cast<int>(rng() % 4));
        const BankContent bank =
            test::MakeBank({.questions = static_cast<int>(counts.size()),
                            .check = seed % 3 == 0 ? CheckMode::Off : CheckMode::WithQuestion,
                            .optionCounts = counts});
        ClockRandom random(seed);
        random.Randomize();
        Attempt run = Attempt::Start(bank, random);
        for (int e = 0; e < 60; ++e) {
            const unsigned roll = rng() % 20;
            if (roll < 9)
                run.choose(static_cast<int>(
                    rng() % static_cast<unsigned>(run.optionCount(run.currentQuestion()))));
            else if (roll < 14)
                run.moveForward();
            else if (roll < 19)
                run.moveBack();
            else
                run.gradeNow();
            if (rng() % 6 != 0) continue;
            QString error;
            const std::optional<Attempt> back = ThroughText(run, bank, &error);
            ASSERT_TRUE(back) << "seed " << seed << ": " << error.toStdString();
            ASSERT_EQ(*back, run) << "seed " << seed << ", event " << e;
            ++compared;
            reviewed += run.mode() == RunMode::Review;
        }
    }
    EXPECT_GT(compared, 2000);
    EXPECT_GT(reviewed, compared / 5) << "graded runs were read back too";
}

TEST(RunJson, ARecordThatDoesNotFitTheBankOrItselfIsRefused) {
    // Step 3 over 4 questions; position 0 asks question 3, answered right.
    const BankContent bank = test::MakeBank({.questions = 4, .check = CheckMode::Off});
    Attempt run = test::StartAttempt(bank, test::StepThenIdentity(0.1f, 4));
    run.choose(0);
    run.moveForward();
    run.choose(2);
    const QJsonObject good = run.toJson();
    const auto with = [&good](const char* key, const QJsonValue& value) {
        QJsonObject changed = good;
        changed[QLatin1String(key)] = value;
        return changed;
    };
    BankContent fewer = bank;
    fewer.questions[3].options.removeLast();
    BankContent more = test::MakeBank({.questions = 5, .check = CheckMode::Off});

    const struct {
        const char* what;
        QJsonObject json;
        const BankContent& bank;
    } cases[] = {
        {"another format", with("format", "vorn-results"), bank},
        {"a later version", with("version", 3), bank},
        {"a position twice", with("questionAt", QJsonArray{3, 3, 1, 0}), bank},
        {"a position no int holds", with("questionAt", QJsonArray{1e300, 3, 1, 0}), bank},
        {"an option order of 3 for 4 options",
         with("optionOrders", QJsonArray{QJsonArray{1, 2, 3, 4}, QJsonArray{1, 2, 3, 4},
                                         QJsonArray{1, 2, 3, 4}, QJsonArray{1, 2, 3}}),
         bank},
        {"a slot beyond the options", with("chosen", QJsonArray{0, 4, {}, {}}), bank},
        {"a judgement the text does not give",
         with("judgements", QJsonArray{"right", "right", "unanswered", "unanswered"}), bank},
        {"an answered count of its own", with("answered", 3), bank},
        {"a position beyond the test", with("current", 4), bank},
        {"a grade before grading",
         with("grade", QJsonObject{{"score", 1}, {"total", 4}, {"percent", 25}}), bank},
        {"a mode of its own", with("mode", "graded"), bank},
        {"a bank with an option less", good, fewer},
        {"a bank with a question more", good, more},
    };
    for (const auto& c : cases) {
        QString error;
        EXPECT_FALSE(Attempt::fromJson(c.json, c.bank, &error)) << c.what;
        EXPECT_FALSE(error.isEmpty()) << c.what;
    }
    QString error;
    EXPECT_EQ(Attempt::fromJson(good, bank, &error), run) << error.toStdString();
}
