#pragma once
// The text report over one results file, as `--report FILE` makes it, timed,
// with the process's resource use once it is done.

#include "app/companion_program.h"
#include "app/report_command.h"

#include <QElapsedTimer>
#include <QProcessEnvironment>
#include <QString>
#include <QTextStream>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace vorn::bench {

// GLIBC_TUNABLES as the benchmark was started: "-" when it was not set, else
// "=" and its value.
inline constexpr char kStartedTunables[] = "VORN_BENCH_STARTED_TUNABLES";

// Starts this benchmark again in the environment the player starts the
// report's program in (ReportEnvironment), so that the report is timed as
// teachers run it; returns at once when it already runs there, or when it
// cannot be started again.
inline void RunAsThePlayerStartsTheReport(char** argv) {
    if (std::getenv(kStartedTunables)) return;
    std::vector<std::string> environment = ReportEnvironment(environ);
    const char* tunables = std::getenv("GLIBC_TUNABLES");
    environment.push_back(std::string(kStartedTunables) + "=" +
                          (tunables ? std::string("=") + tunables : std::string("-")));
    std::vector<char*> variables;
    for (std::string& variable : environment)
        variables.push_back(variable.data());
    variables.push_back(nullptr);
    ::execve("/proc/self/exe", argv, variables.data());
}

// The environment the benchmark was started in, for programs it compares the
// report with.
inline QProcessEnvironment StartedEnvironment() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString started = environment.value(QString::fromLatin1(kStartedTunables));
    environment.remove(QString::fromLatin1(kStartedTunables));
    if (started.startsWith(u'='))
        environment.insert(QStringLiteral("GLIBC_TUNABLES"), started.mid(1));
    else if (started == u'-')
        environment.remove(QStringLiteral("GLIBC_TUNABLES"));
    return environment;
}

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
