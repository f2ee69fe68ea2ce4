#pragma once
// The text report over one results file, as `--report FILE` makes it, timed,
// with the process's resource use once it is done.

#include "app/report_command.h"

#include <QElapsedTimer>
#include <QString>
#include <QTextStream>
#include <sys/resource.h>

namespace vorn::bench {

struct TimedReport {
    int status = 0;
    qint64 ms = 0;
    rusage usage{}; // of the whole process so far: peak memory, processor time
    QString out, err;
};

// `examSecret`: the key file that opens sealed records; empty: none.
inline TimedReport RunTextReport(const QString& path, const QString& examSecret = {}) {
    TimedReport report;
    QTextStream outStream(&report.out), errStream(&report.err);
    QElapsedTimer timer;
    timer.start();
    ReportRequest request; // every other option as the command line leaves it
    request.files = {path};
    request.format = ReportFormat::Text;
    request.examSecret = examSecret;
    request.csvLocale = CsvLocale::C;
    report.status = ReportCommand(request, outStream, errStream);
    report.ms = timer.elapsed();
    getrusage(RUSAGE_SELF, &report.usage);
    return report;
}

} // namespace vorn::bench
