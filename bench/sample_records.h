#pragma once
// A record as the player writes it, for the report's benchmarks: student
// `student`'s attempt `attempt` at a test of 20 questions with the check
// question, each answered right with a chance that grows with the student.

#include "record/result_record.h"

#include <random>

namespace vorn::bench {

inline constexpr int kSampleQuestions = 20;

inline ResultRecord SampleRecord(int student, int attempt, std::mt19937& random) {
    ResultRecord record;
    record.run = {.time = QDateTime(QDate(2024, 5, 14), QTime(8, 0), Qt::UTC).addSecs(attempt * 60),
                  .user = QStringLiteral("lab"),
                  .host = QStringLiteral("lab-07"),
                  .program = QStringLiteral("1.0"),
                  .bankSha256 = QString(64, u'a'),
                  .seed = static_cast<std::uint32_t>(random())};
    record.bankTitle = QStringLiteral("Успоредник");
    const double ability = 0.3 + 0.6 * (student % 97) / 96.0;
    std::uniform_real_distribution<double> draw(0, 1);
    int score = 0;
    for (int n = 1; n <= kSampleQuestions; ++n) {
        const QString key = QStringLiteral("отговор %1-1").arg(n);
        const double roll = draw(random);
        const std::optional<QString> chosen =
            roll < ability ? std::optional(key)
            : roll < ability + 0.05
                ? std::nullopt
                : std::optional(
                      QStringLiteral("отговор %1-%2").arg(n).arg(2 + int(draw(random) * 3)));
        score += chosen == key;
        record.questions.push_back(
            {.number = n, .chosen = chosen, .key = key, .right = chosen == key, .id = {}});
    }
    record.check = record.questions.front();
    score += record.check->right;
    record.grade = GradeOf(score, kSampleQuestions + 1);
    record.student =
        Student{QStringLiteral("Ученик %1").arg(student),
                QStringLiteral("%1%2").arg(5 + student % 8).arg(QChar(u'а' + student % 4)),
                QString::number(student % 30 + 1)};
    record.attempt = attempt;
    return record;
}

} // namespace vorn::bench
