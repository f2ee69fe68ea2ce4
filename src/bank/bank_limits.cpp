#include "bank_limits.h"

#include <algorithm>

namespace vorn {

namespace {

BankIssue Broken(int question, const QString& message) {
    return {.question = question, .message = message};
}

} // namespace

std::vector<BankIssue> BankLimitIssues(const BankContent& bank) {
    std::vector<BankIssue> issues;
    const int pool = static_cast<int>(bank.questions.size());
    if (pool > kMaxPoolQuestions)
        issues.push_back(Broken(0, QStringLiteral("банката има %1 въпроса; допустими са до %2.")
                                       .arg(pool)
                                       .arg(kMaxPoolQuestions)));
    if (bank.draw && (*bank.draw < 1 || *bank.draw > pool))
        issues.push_back(
            Broken(0, QStringLiteral("„draw“ е %1, а трябва да е от 1 до броя на въпросите, %2.")
                          .arg(*bank.draw)
                          .arg(pool)));
    // The run's limits hold for the questions a run asks: all, or those drawn.
    const int n = bank.draw ? std::min(*bank.draw, pool) : pool;
    const bool check = bank.settings.addsCheckQuestion();
    const int runQuestions = n + (check ? 1 : 0);
    if (runQuestions < kMinRunQuestions)
        issues.push_back(
            Broken(0, QStringLiteral("тестът трябва да има поне %1 въпроса, а има %2%3.")
                          .arg(kMinRunQuestions)
                          .arg(runQuestions)
                          .arg(check ? QStringLiteral(" с проверката за Тото") : QString())));

    const int capacity = kMaxRunQuestions - (check ? 1 : 0);
    if (n > capacity && !bank.draw)
        issues.push_back(Broken(
            capacity + 1, QStringLiteral("е извън капацитета: банката побира до %1 въпроса%2.")
                              .arg(capacity)
                              .arg(check ? QStringLiteral(" с проверката за Тото") : QString())));
    else if (n > capacity)
        issues.push_back(
            Broken(0, QStringLiteral("„draw“ е %1; един тест побира до %2 въпроса%3.")
                          .arg(n)
                          .arg(capacity)
                          .arg(check ? QStringLiteral(" с проверката за Тото") : QString())));

    int q = 0;
    for (const Question& question : bank.questions) {
        const auto k = question.options.size();
        ++q;
        if (k < kMinOptions || k > kMaxOptions)
            issues.push_back(Broken(q, QStringLiteral("има %1 отговора; допустими са от %2 до %3.")
                                           .arg(k)
                                           .arg(kMinOptions)
                                           .arg(kMaxOptions)));
    }
    return issues;
}

std::optional<QString> CheckBankLimits(const BankContent& bank) {
    const std::vector<BankIssue> issues = BankLimitIssues(bank);
    if (issues.empty()) return std::nullopt;
    const BankIssue& first = issues.front();
    QString message = first.message;
    message[0] = message[0].toUpper();
    if (first.question > 0)
        message =
            QStringLiteral("Въпрос %1: %2").arg(QString::number(first.question), first.message);
    return message;
}

} // namespace vorn
