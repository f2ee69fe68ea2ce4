#pragma once
// The outcome of grading: the score, the total and the percentage the result
// label shows, and the "Тото" verdict where the window shows one. The label
// and the results record both read it from here.

#include "platform/text.h"

#include <QString>
#include <optional>

namespace vorn {

struct GradeResult {
    int score = 0; // positions answered right
    int total = 0; // positions of the run, the check question included
    int percent = 0;
    std::optional<QString> verdict; // none where the verdict label is hidden

    bool operator==(const GradeResult&) const = default;
};

// The percentage drops its fraction: 2 of 3 is 66.
inline GradeResult GradeOf(int score, int total) {
    return {.score = score, .total = total, .percent = score * 100 / total, .verdict = {}};
}

// "2/3 = 66%", as the result label appends it.
inline QString ScoreText(const GradeResult& grade) {
    return CStr(grade.score) + QStringLiteral("/") + CStr(grade.total) + QStringLiteral(" = ") +
           CStr(grade.percent) + QStringLiteral("%");
}

} // namespace vorn
