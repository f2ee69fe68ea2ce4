#include "report_command.h"

#include "platform/exit_status.h"
#include "results/results_reading.h"
#include "results/results_report.h"

namespace vorn {

namespace {

// One line per kind of skipped line, whatever their number: the first few
// named, the rest counted.
void TellSkipped(QTextStream& err, const QString& what, const SkippedLines& skipped,
                 const QString& separator) {
    if (skipped.count == 0) return;
    QString listed = skipped.listed.join(separator);
    if (skipped.count > skipped.listed.size())
        listed += QStringLiteral(" и още %1").arg(skipped.count - skipped.listed.size());
    err << "vorn-player: "
        << QStringLiteral("%1: %2 (%3).").arg(what, QString::number(skipped.count), listed) << '\n';
}

} // namespace

int ReportCommand(const QStringList& paths, ReportFormat format, QTextStream& out,
                  QTextStream& err) {
    const ReadResults read = ReadResultsFiles(paths);
    for (const QString& unreadable : read.unreadable)
        err << "vorn-player: " << unreadable << '\n';
    TellSkipped(err, QStringLiteral("пропуснати редове, които не са записи на резултати"),
                read.notRecords, QStringLiteral(", "));
    TellSkipped(err,
                QStringLiteral("пропуснати редове, по-дълги от %1 MiB")
                    .arg(kMaxRecordLineBytes / (1024 * 1024)),
                read.tooLong, QStringLiteral(", "));
    TellSkipped(err, QStringLiteral("пропуснати записи, които си противоречат"), read.inconsistent,
                QStringLiteral("; "));
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
