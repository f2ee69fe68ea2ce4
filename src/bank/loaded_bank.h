#pragma once
// A bank as read from a file: its content, where each question starts in the
// text (so that later checks can name the line), and what was wrong with it.

#include "bank_content.h"
#include "bank_issue.h"

#include <algorithm>
#include <vector>

namespace vorn {

struct LoadedBank {
    BankContent content;
    std::vector<int> questionLines; // per question, its first line; 0 where unknown
    std::vector<BankIssue> issues;
    bool locked = false; // read from a file locked with a password (locked_bank.h)

    bool countUncertain() const {
        return std::any_of(issues.begin(), issues.end(),
                           [](const BankIssue& issue) { return issue.countUncertain; });
    }

    bool hasErrors() const {
        return std::any_of(issues.begin(), issues.end(),
                           [](const BankIssue& issue) { return issue.isError(); });
    }
    // The line question q (1-based) starts on, 0 when unknown.
    int lineOf(int q) const {
        return q >= 1 && q <= static_cast<int>(questionLines.size())
                   ? questionLines[static_cast<std::size_t>(q - 1)]
                   : 0;
    }
};

} // namespace vorn
