#include "bank_issue.h"

#include "platform/text.h"

namespace vorn {

QString FormatIssue(const QString& file, const BankIssue& issue) {
    // The file's name and the message (which may quote the bank) are printed on
    // one line, with nothing a terminal would act on.
    QString place = Printable(file);
    if (issue.line > 0) {
        place += QStringLiteral(":%1").arg(issue.line);
        if (issue.column > 0) place += QStringLiteral(":%1").arg(issue.column);
    }
    QString text = place + (issue.isError()     ? QStringLiteral(": грешка: ")
                            : issue.isWarning() ? QStringLiteral(": предупреждение: ")
                                                : QStringLiteral(": бележка: "));
    if (issue.question > 0) text += QStringLiteral("въпрос %1: ").arg(issue.question);
    return text + Printable(issue.message);
}

} // namespace vorn
