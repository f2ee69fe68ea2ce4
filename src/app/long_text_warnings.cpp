#include "long_text_warnings.h"

#include "view/texts_overflowing.h"

namespace vorn {

namespace {

QString WhatOverflows(const TextOverflow& overflow) {
    return overflow.option == 0
               ? QStringLiteral("текстът на въпроса")
               : QStringLiteral("текстът на отговор %1 (по реда в банката)").arg(overflow.option);
}

// "1 видим", "4 видими".
QString LinesShown(int lines) {
    return QString::number(lines) +
           (lines == 1 ? QStringLiteral(" видим") : QStringLiteral(" видими"));
}

} // namespace

std::vector<BankIssue> LongTextWarnings(const LoadedBank& bank) {
    std::vector<BankIssue> warnings;
    for (const TextOverflow& overflow : TextsOverflowing(bank.content)) {
        BankIssue issue;
        issue.severity = BankIssue::Severity::Warning;
        issue.line = bank.lineOf(overflow.question);
        issue.question = overflow.question;
        issue.message =
            QStringLiteral("%1 не се побира в полето си (%2 реда при %3): ученикът трябва да "
                           "превърта, за да го прочете целия.")
                .arg(WhatOverflows(overflow), QString::number(overflow.linesNeeded),
                     LinesShown(overflow.linesShown));
        warnings.push_back(std::move(issue));
    }
    return warnings;
}

} // namespace vorn
