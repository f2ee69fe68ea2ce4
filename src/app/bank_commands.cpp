#include "bank_commands.h"

#include "bank/bank_check.h"
#include "bank/bank_export.h"
#include "bank/bank_file.h"
#include "bank/password_sources.h"
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

LoadedBank BankToPlay(const QString& path, const PasswordAsker& askPassword) {
    if (!path.isEmpty()) return LoadBankFile(path, askPassword);
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

int CheckBankCommand(const QString& path, bool strict, QTextStream& out,
                     const QString& passwordFile) {
    const LoadedBank bank = LoadBankFile(path, PasswordFrom(passwordFile));
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

int ExportBankCommand(const QString& bankPath, const QString& path, QTextStream& err,
                      const BankLock& lock) {
    const LoadedBank bank = BankToPlay(bankPath, PasswordFrom(lock.passwordFile));
    if (const std::vector<BankIssue> issues = AllIssues(bank); ErrorCount(issues) > 0) {
        err << "vorn-player: банката не може да се запише: " << RefusalMessage(bankPath, issues)
            << '\n';
        return kExitRefused;
    }
    std::optional<FileFailure> failed;
    if (lock.locked) {
        // Asked after the bank is read, so that a bank that cannot be written asks nothing.
        auto password = NewPassword(lock.passwordFile);
        if (const auto* why = std::get_if<QString>(&password)) {
            err << "vorn-player: банката не е записана: " << *why << '\n';
            return kExitRefused;
        }
        failed = ExportLockedBank(bank.content, path, std::get<SecretBytes>(password));
    } else {
        failed = ExportBank(bank.content, path);
    }
    if (failed) {
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
