#include "bank_commands.h"

#include "bank/bank_check.h"
#include "bank/bank_export.h"
#include "bank/bank_file.h"
#include "long_text_warnings.h"
#include "platform/exit_status.h"
#include "platform/text.h"
#include "shipped/shipped_bank.h"

#include <algorithm>

namespace vorn {

namespace {

int ErrorCount(const std::vector<BankIssue>& issues) {
    return static_cast<int>(std::count_if(issues.begin(), issues.end(),
                                          [](const BankIssue& issue) { return issue.isError(); }));
}

} // namespace

LoadedBank BankToPlay(const QString& path) {
    if (!path.isEmpty()) return LoadBankFile(path);
    LoadedBank shipped;
    shipped.content = ShippedBank();
    return shipped;
}

QString RefusalMessage(const QString& path, const std::vector<BankIssue>& issues) {
    const auto first = std::find_if(issues.begin(), issues.end(),
                                    [](const BankIssue& issue) { return issue.isError(); });
    if (first == issues.end()) return {};
    QString message =
        FormatIssue(path.isEmpty() ? QStringLiteral("вграденият тест") : path, *first);
    if (const int more = ErrorCount(issues) - 1; more > 0)
        message += QStringLiteral(" (и още %1; вижте vorn-player --check-bank %2)")
                       .arg(QString::number(more), Printable(path));
    return message;
}

int CheckBankCommand(const QString& path, bool strict, QTextStream& out) {
    const LoadedBank bank = LoadBankFile(path);
    std::vector<BankIssue> issues = AllIssues(bank);
    if (!bank.hasErrors()) {
        for (BankIssue& issue : PictureDecodingIssues(bank))
            issues.push_back(std::move(issue));
        for (BankIssue& issue : LongTextWarnings(bank))
            issues.push_back(std::move(issue));
    }
    for (const BankIssue& issue : issues)
        out << FormatIssue(path, issue) << '\n';
    const int errors = ErrorCount(issues);
    const int warnings = static_cast<int>(std::count_if(
        issues.begin(), issues.end(), [](const BankIssue& issue) { return issue.isWarning(); }));
    // One substitution pass: a "%4" in the file's name is printed as it is.
    out << QStringLiteral("%1: %2, %3, %4.")
               .arg(Printable(path),
                    Counted(static_cast<int>(bank.content.questions.size()),
                            QStringLiteral("въпрос"), QStringLiteral("въпроса")) +
                        (bank.countUncertain()
                             ? QStringLiteral(" (броят е несигурен, докато скобите не се поправят)")
                             : QString()) +
                        (bank.content.draw ? QStringLiteral(" (всеки тест тегли %1 от тях)")
                                                 .arg(*bank.content.draw)
                                           : QString()),
                    Counted(errors, QStringLiteral("грешка"), QStringLiteral("грешки")),
                    Counted(warnings, QStringLiteral("предупреждение"),
                            QStringLiteral("предупреждения")))
        << '\n';
    out.flush();
    return errors > 0 || (strict && warnings > 0) ? kExitRefused : kExitOk;
}

int ExportBankCommand(const QString& bankPath, const QString& path, QTextStream& err) {
    const LoadedBank bank = BankToPlay(bankPath);
    if (const std::vector<BankIssue> issues = AllIssues(bank); ErrorCount(issues) > 0) {
        err << "vorn-player: банката не може да се запише: " << RefusalMessage(bankPath, issues)
            << '\n';
        return kExitRefused;
    }
    if (const auto failed = ExportBank(bank.content, path)) {
        err << "vorn-player: "
            << QStringLiteral("банката не е записана: %1. %2")
                   .arg(Printable(failed->said()),
                        TeacherStep(*failed, QStringLiteral("друг файл след --export-bank")))
            << '\n';
        return kExitRefused;
    }
    return kExitOk;
}

} // namespace vorn
