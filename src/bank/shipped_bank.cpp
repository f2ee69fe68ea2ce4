#include "shipped_bank.h"

namespace vorn {

// A small stand-in test until the geometry questions are written.
BankContent ShippedBank() {
    BankContent bank;
    bank.settings = ShippedSettings();
    bank.authorNote = AuthorNote();
    for (int q = 1; q <= 3; ++q) {
        Question question;
        question.text = QStringLiteral("Въпрос %1: колко е %1 + %1?").arg(q);
        question.options = {QString::number(2 * q), QString::number(2 * q + 1),
                            QString::number(2 * q + 2), QString::number(2 * q + 3)};
        question.key = QString::number(2 * q);
        question.explanation = {QStringLiteral("%1 + %1 = %2").arg(q).arg(2 * q)};
        bank.questions.push_back(question);
    }
    return bank;
}

} // namespace vorn
