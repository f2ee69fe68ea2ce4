#pragma once
// The file of decisions a scan leaves for the teacher when no window can be
// shown: plain UTF-8 text, one line per open row,
//
//   3fa9c2e1-07 5 ?        # Иван Петров, 7б: две отбелязани
//   3fa9c2e1-09 номер ?    # номерът в класа не е отбелязан
//
// where the teacher replaces each "?" with the letter marked (A-E), 0 for no
// answer, or the class number; with, per sheet, a line "#= {...}" that keeps
// what recording it needs (its code, scan and the rows already clear).
// Deleting a sheet's lines leaves that sheet out.

#include "open_sheet.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace vorn {

inline constexpr QLatin1StringView kDecisionsHeader{"# vorn-decisions 1"};

// The file for `sheets`; `command` is how to record them once decided.
QString DecisionsText(const std::vector<OpenSheet>& sheets, const QString& command);

struct Decided {
    std::vector<OpenSheet> sheets; // every one complete
    QStringList problems;          // Bulgarian, "ред N: ..." of the file; nothing is recorded
};

// The sheets with the teacher's decisions, checked against the variants of
// the bank being marked.
Decided ReadDecisions(const QString& text, const QString& bankSha256, VariantRuns& runs);

} // namespace vorn
