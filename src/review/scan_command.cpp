#include "scan_command.h"

#include "bank/bank_check.h"
#include "bank/bank_file.h"
#include "bank/bank_fingerprint.h"
#include "paper/decisions_file.h"
#include "platform/exit_status.h"
#include "platform/headless_gui.h"
#include "review_files.h"
#include "scan_pages.h"

#include <QFile>
#include <algorithm>

namespace vorn {

namespace {

// The bank, or none with its first error told.
std::optional<LoadedBank> MarkingBank(const QString& path, QTextStream& err) {
    LoadedBank bank = LoadBankFile(path);
    const std::vector<BankIssue> issues = AllIssues(bank);
    const auto error = std::find_if(issues.begin(), issues.end(),
                                    [](const BankIssue& issue) { return issue.isError(); });
    if (error == issues.end()) return bank;
    err << "vorn-player: " << FormatIssue(path, *error) << '\n';
    return std::nullopt;
}

int Finish(const ScanCounts& counts, QTextStream& out) {
    out << ScanSummary(counts);
    return counts.failed > 0 ? kExitRefused : kExitOk;
}

} // namespace

int ScanCommand(const ScanRequest& request, QTextStream& out, QTextStream& err) {
    const HeadlessGui gui; // PDF pages are rendered, pictures painted
    const auto bank = MarkingBank(request.bank, err);
    if (!bank) return kExitRefused;
    SheetKeeper keeper(bank->content, BankSha256(bank->content), request.results);
    ScanCounts counts;
    const ToReview review = ScanPages(request.files, keeper, counts, out, err);
    if (!review.empty()) {
        const ReviewFiles files = ReviewFilesFor(request.review, request.results);
        if (const auto failed = WriteReviewFiles(review, files, request.bank, request.results)) {
            err << "vorn-player: " << *failed << '\n';
            ++counts.failed;
        } else {
            out << QStringLiteral("за преглед: „%1“; решенията се пишат в „%2“\n")
                       .arg(files.page, files.decisions);
        }
    }
    return Finish(counts, out);
}

int ScanDecideCommand(const ScanDecideRequest& request, QTextStream& out, QTextStream& err) {
    const HeadlessGui gui;
    const auto bank = MarkingBank(request.bank, err);
    if (!bank) return kExitRefused;
    QFile file(request.decisions);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "vorn-player: " << request.decisions << ": " << file.errorString() << '\n';
        return kExitRefused;
    }
    const QString text = QString::fromUtf8(file.readAll());
    SheetKeeper keeper(bank->content, BankSha256(bank->content), request.results);
    const Decided decided = ReadDecisions(text, keeper.sha256(), keeper.runs());
    if (!decided.problems.isEmpty()) {
        for (const QString& problem : decided.problems)
            err << "vorn-player: " << request.decisions << ": " << problem << '\n';
        err << "vorn-player: "
            << QStringLiteral("нищо не е записано; поправете файла и "
                              "изпълнете командата отново.")
            << '\n';
        return kExitRefused;
    }
    ScanCounts counts;
    for (const OpenSheet& sheet : decided.sheets)
        keeper.keep(sheet, counts, out, err);
    return Finish(counts, out);
}

} // namespace vorn
