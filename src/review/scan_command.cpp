#include "scan_command.h"

#include "bank/bank_check.h"
#include "bank/bank_file.h"
#include "bank/bank_fingerprint.h"
#include "bank/password_sources.h"
#include "paper/decisions_file.h"
#include "platform/exit_status.h"
#include "platform/headless_gui.h"
#include "review_files.h"
#include "review_in_window.h"
#include "scan_pages.h"

#include <QApplication>
#include <QFile>
#include <algorithm>

namespace vorn {

namespace {

// The bank, or none with its first error told.
std::optional<LoadedBank> MarkingBank(const QString& path, const QString& passwordFile,
                                      QTextStream& err) {
    LoadedBank bank = LoadBankFile(path, PasswordFrom(passwordFile));
    const std::vector<BankIssue> issues = AllIssues(bank);
    const auto error = std::find_if(issues.begin(), issues.end(),
                                    [](const BankIssue& issue) { return issue.isError(); });
    if (error == issues.end()) return bank;
    err << "vorn-player: " << FormatIssue(path, *error) << '\n';
    return std::nullopt;
}

// Writes the page and the decisions file of what is left open.
void WriteReview(const ToReview& review, const ScanRequest& request, ScanCounts& counts,
                 QTextStream& out, QTextStream& err) {
    if (review.empty()) return;
    const ReviewFiles files = ReviewFilesFor(request.review, request.results);
    if (const auto failed = WriteReviewFiles(review, files, request.bank, request.results)) {
        err << "vorn-player: " << *failed << '\n';
        ++counts.failed;
        return;
    }
    out << QStringLiteral("за преглед: „%1“; решенията се пишат в „%2“\n")
               .arg(files.page, files.decisions);
}

// The application of the review window, made only where one can be shown.
std::unique_ptr<QApplication> WindowApplication() {
    if (QCoreApplication::instance() || !ReviewWindowPossible()) return nullptr;
    static int argc = 1;
    static char name[] = "vorn-player";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QApplication>(argc, argv);
}

int Finish(const ScanCounts& counts, QTextStream& out) {
    out << ScanSummary(counts);
    return counts.failed > 0 ? kExitRefused : kExitOk;
}

} // namespace

int ScanCommand(const ScanRequest& request, QTextStream& out, QTextStream& err) {
    const auto app = WindowApplication();
    const bool window =
        ReviewWindowPossible() && qobject_cast<QApplication*>(QCoreApplication::instance());
    const HeadlessGui gui; // PDF pages are rendered without a window too
    const auto bank = MarkingBank(request.bank, request.passwordFile, err);
    if (!bank) return kExitRefused;
    SheetKeeper keeper(bank->content, BankSha256(bank->content), request.results);
    ScanCounts counts;
    ToReview review = ScanPages(request.files, keeper, counts, out, err);
    if (window && !review.empty()) review = ReviewInWindow(review, keeper, counts, out, err);
    WriteReview(review, request, counts, out, err);
    return Finish(counts, out);
}

int ScanDecideCommand(const ScanDecideRequest& request, QTextStream& out, QTextStream& err) {
    const HeadlessGui gui;
    const auto bank = MarkingBank(request.bank, request.passwordFile, err);
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
