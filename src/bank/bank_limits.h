#pragma once
// The limits a bank must keep for a run to start: enough questions for the
// order step, room for every question a run asks (and for the check
// question), 2 to 5 options per question, and a draw that fits its pool. A run
// never starts on a bank that breaks one.

#include "bank_content.h"
#include "bank_issue.h"

#include <QString>
#include <optional>
#include <stdexcept>
#include <vector>

namespace vorn {

constexpr int kMinRunQuestions = 3;
// The questions of a run, the check question included: one explanation and
// one picture slot each.
constexpr int kMaxRunQuestions = 29;
// A bank that draws its runs' questions (BankContent::draw) may hold more.
constexpr int kMaxPoolQuestions = 500;
constexpr int kMinOptions = 2;
constexpr int kMaxOptions = 5;

// Every limit the bank breaks, each naming its question where it has one.
std::vector<BankIssue> BankLimitIssues(const BankContent& bank);

// The first limit the bank breaks, as one message; none if it keeps them all.
std::optional<QString> CheckBankLimits(const BankContent& bank);

class BankLimitError : public std::runtime_error {
public:
    explicit BankLimitError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

} // namespace vorn
