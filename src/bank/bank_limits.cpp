#include "bank_limits.h"

namespace vorn {

namespace {

BankIssue Broken(int question, const QString& message) {
    return {.question = question, .message = message};
}

} // namespace

std::vector<BankIssue> BankLimitIssues(const QuestionBank& bank) {
    if (bank.List2.ListCount() != kSettingsItems)
        return {Broken(0, QStringLiteral("настройките трябва да са %1 реда, а са %2.")
                              .arg(kSettingsItems)
                              .arg(bank.List2.ListCount()))};

    std::vector<BankIssue> issues;
    const int n = bank.List1(0).ListCount();
    const bool check = bank.AddsCheckQuestion();
    const int runQuestions = n + (check ? 1 : 0);
    if (runQuestions < kMinRunQuestions)
        issues.push_back(Broken(0, QStringLiteral("тестът трябва да има поне %1 въпроса, а има %2%3.")
                                       .arg(kMinRunQuestions)
                                       .arg(runQuestions)
                                       .arg(check ? QStringLiteral(" с проверката за Тото")
                                                  : QString())));

    const int capacity = QuestionBank::kPictureSlots - (check ? 1 : 0);
    if (n > capacity)
        issues.push_back(Broken(capacity + 1,
                                QStringLiteral("е извън капацитета: банката побира до %1 въпроса%2.")
                                    .arg(capacity)
                                    .arg(check ? QStringLiteral(" с проверката за Тото")
                                               : QString())));

    for (int q = 1; q <= std::min(n, QuestionBank::kQuestionSlots); ++q) {
        const int k = bank.List1(q).ListCount() - 1;
        if (k < QuestionBank::kMinOptions || k > QuestionBank::kMaxOptions)
            issues.push_back(Broken(q, QStringLiteral("има %1 отговора; допустими са от %2 до %3.")
                                           .arg(k)
                                           .arg(QuestionBank::kMinOptions)
                                           .arg(QuestionBank::kMaxOptions)));
        else if (!bank.Poredica.contains(k) || bank.Poredica(k).ListCount() != Factorial(k))
            issues.push_back(Broken(q, QStringLiteral("няма всички наредби за %1 отговора.").arg(k)));
    }
    return issues;
}

std::optional<QString> CheckBankLimits(const QuestionBank& bank) {
    const std::vector<BankIssue> issues = BankLimitIssues(bank);
    if (issues.empty()) return std::nullopt;
    const BankIssue& first = issues.front();
    QString message = first.message;
    message[0] = message[0].toUpper();
    if (first.question > 0) message = QStringLiteral("Въпрос %1: %2").arg(first.question).arg(first.message);
    return message;
}

} // namespace vorn
