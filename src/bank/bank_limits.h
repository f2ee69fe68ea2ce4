#pragma once
// The limits a bank must keep for a run to start: six settings items, enough
// questions for the order step, a slot for every question (and for the check
// question), 2 to 5 options per question, an option order for every option
// count. A run never starts on a bank that breaks one.

#include "bank_issue.h"
#include "question_bank.h"

#include <QString>
#include <optional>
#include <stdexcept>
#include <vector>

namespace vorn {

constexpr int kMinRunQuestions = 3;

// Every limit the laid-out bank breaks, each naming its question where it has
// one. A wrong settings list is reported alone: the other limits depend on it.
std::vector<BankIssue> BankLimitIssues(const QuestionBank& bank);

// The first limit the bank breaks, as one message; none if it keeps them all.
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
