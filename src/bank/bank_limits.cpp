#include "bank_limits.h"

namespace vorn {

std::optional<QString> CheckBankLimits(const QuestionBank& bank) {
    if (bank.List2.ListCount() != kSettingsItems)
        return QStringLiteral("Настройките на теста трябва да са %1 реда, а са %2.")
            .arg(kSettingsItems)
            .arg(bank.List2.ListCount());

    const int n = bank.List1(0).ListCount();
    const bool check = bank.AddsCheckQuestion();
    const int runQuestions = n + (check ? 1 : 0);
    if (runQuestions < kMinRunQuestions)
        return QStringLiteral("Тестът трябва да има поне %1 въпроса, а има %2.")
            .arg(kMinRunQuestions)
            .arg(runQuestions);

    const int capacity = QuestionBank::kPictureSlots - (check ? 1 : 0);
    if (n > capacity)
        return QStringLiteral("Въпрос %1 е извън капацитета: банката побира до %2 въпроса"
                              "%3.")
            .arg(capacity + 1)
            .arg(capacity)
            .arg(check ? QStringLiteral(" с проверката за Тото") : QString());

    for (int q = 1; q <= n; ++q) {
        const int k = bank.List1(q).ListCount() - 1;
        if (k < QuestionBank::kMinOptions || k > QuestionBank::kMaxOptions)
            return QStringLiteral("Въпрос %1 има %2 отговора; допустими са от %3 до %4.")
                .arg(q)
                .arg(k)
                .arg(QuestionBank::kMinOptions)
                .arg(QuestionBank::kMaxOptions);
        if (!bank.Poredica.contains(k) || bank.Poredica(k).ListCount() != Factorial(k))
            return QStringLiteral("Въпрос %1: няма всички наредби за %2 отговора.").arg(q).arg(k);
    }
    return std::nullopt;
}

} // namespace vorn
