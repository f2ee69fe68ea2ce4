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

inline TimedReport RunTextReport(const QString& path) {
    TimedReport report;
    QTextStream outStream(&report.out), errStream(&report.err);
    QElapsedTimer timer;
    timer.start();
    report.status = ReportCommand({.files = {path},
                                   .format = ReportFormat::Text,
                                   .output = {},
                                   .bank = {},
                                   .marks = {},
                                   .className = {},
                                   .csvLocale = CsvLocale::C},
                                  outStream, errStream);
    report.ms = timer.elapsed();
    getrusage(RUSAGE_SELF, &report.usage);
    return report;
}

} // namespace vorn::bench
