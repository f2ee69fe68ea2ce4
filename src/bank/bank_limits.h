#pragma once
// The limits a bank must keep for a run to start: enough questions for the
// order step, 2 to 5 options per question, a slot for every question (and for
// the check question), an option order for every option count. A run never
// starts on a bank that breaks one; the message names the limit and question.

#include "question_bank.h"

#include <QString>
#include <optional>
#include <stdexcept>

namespace vorn {

constexpr int kMinRunQuestions = 3;

// The first limit the bank breaks, as a message for the examinee; none if it
// keeps them all.
std::optional<QString> CheckBankLimits(const QuestionBank& bank);

class BankLimitError : public std::runtime_error {
public:
    explicit BankLimitError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

} // namespace vorn
