#include "bank_issue.h"

namespace vorn {

QString FormatIssue(const QString& file, const BankIssue& issue) {
    QString place = file;
    if (issue.line > 0) {
        place += QStringLiteral(":%1").arg(issue.line);
        if (issue.column > 0) place += QStringLiteral(":%1").arg(issue.column);
    }
    QString text = place + (issue.isError() ? QStringLiteral(": грешка: ")
                                            : QStringLiteral(": предупреждение: "));
    if (issue.question > 0) text += QStringLiteral("въпрос %1: ").arg(issue.question);
    return text + issue.message;
}

} // namespace vorn
