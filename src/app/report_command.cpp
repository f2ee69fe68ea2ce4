#include "report_command.h"

#include "platform/exit_status.h"
#include "results/results_reading.h"
#include "results/results_report.h"

namespace vorn {

int ReportCommand(const QStringList& paths, ReportFormat format, QTextStream& out,
                  QTextStream& err) {
    const ReadResults read = ReadResultsFiles(paths);
    for (const QString& unreadable : read.unreadable)
        err << "vorn-player: " << unreadable << '\n';
    if (!read.skipped.isEmpty())
        err << "vorn-player: "
            << QStringLiteral("пропуснати редове, които не са записи на резултати: %1 (%2).")
                   .arg(read.skipped.size())
                   .arg(read.skipped.join(QStringLiteral(", ")))
            << '\n';
    err.flush();
    if (read.records.empty()) {
        err << "vorn-player: " << QStringLiteral("няма нито един запис на резултат.") << '\n';
        return kExitRefused;
    }
    const std::vector<BankFigures> banks = FiguresByBank(read.records);
    out << (format == ReportFormat::Csv ? ReportCsv(banks) : ReportText(banks));
    out.flush();
    return kExitOk;
}

} // namespace vorn
