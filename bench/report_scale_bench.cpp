// The report over many records: STUDENTS students (5,000 by default), each
// with ATTEMPTS attempts (20) at a test of 20 questions with the check
// question, written as the player writes them. Prints the file's size, the
// time of the report (reading, figures and the text) and the peak resident
// memory of the process, writing the file included. Run it with fewer
// attempts to see that memory follows the students, not the records.
// Python's json.loads over every line of the same file is timed right after,
// in the same run, so that the ratio of the two holds on any machine (the
// report should take at most a fifth of Python's time).

#include "sample_records.h"
#include "timed_report.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <random>
#include <unistd.h>

using namespace vorn;

namespace {

// Seconds Python's json.loads takes over every line of the file, as it
// measures itself (its start-up left out); none when python3 cannot run.
std::optional<double> PythonParseSeconds(const QString& path) {
    QProcess python;
    python.setProcessEnvironment(bench::StartedEnvironment()); // as a teacher runs Python
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import json, sys, time\n"
                                 "lines = open(sys.argv[1], 'rb').readlines()\n"
                                 "start = time.perf_counter()\n"
                                 "for line in lines: json.loads(line)\n"
                                 "print(time.perf_counter() - start)\n"),
                  path});
    if (!python.waitForFinished(-1) || python.exitCode() != 0) return std::nullopt;
    bool ok = false;
    const double seconds = python.readAllStandardOutput().trimmed().toDouble(&ok);
    return ok ? std::optional(seconds) : std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
    bench::RunAsThePlayerStartsTheReport(argv);
    const int students = argc > 1 ? std::atoi(argv[1]) : 5000;
    const int attempts = argc > 2 ? std::atoi(argv[2]) : 20;
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("results.jsonl")));
    if (!dir.isValid() || !file.open(QIODevice::WriteOnly)) return 1;
    std::mt19937 random(42);
    for (int attempt = 1; attempt <= attempts; ++attempt)
        for (int student = 0; student < students; ++student)
            if (file.write(RecordLine(bench::SampleRecord(student, attempt, random))) < 0) return 1;
    // On disk before the clock starts: the kernel writing the file back while
    // the report reads it would be timed with the report, and not with Python.
    if (!file.flush() || ::fsync(file.handle()) != 0) return 1;
    file.close();

    const bench::TimedReport report = bench::RunTextReport(file.fileName());
    const rusage& usage = report.usage;
    std::printf("%d students × %d attempts = %d records, %.1f MiB; report: exit %d in %lld ms\n",
                students, attempts, students * attempts, double(file.size()) / (1024 * 1024),
                report.status, static_cast<long long>(report.ms));
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    std::printf("peak resident memory: %.1f MiB; processor time of the whole run %.2f s; the "
                "report: %lld lines\n",
                double(usage.ru_maxrss) / 1024, seconds(usage.ru_utime) + seconds(usage.ru_stime),
                static_cast<long long>(report.out.count(u'\n')));
    if (const auto python = PythonParseSeconds(file.fileName()))
        std::printf("Python's json.loads over the same lines: %.0f ms; the report is %.1f× as fast "
                    "(goal: 5×)\n",
                    *python * 1000, *python * 1000 / double(std::max<qint64>(report.ms, 1)));
    else
        std::printf("python3 could not be run: no ratio\n");
    const char* tunables = std::getenv("GLIBC_TUNABLES");
    std::printf("the report ran as the player starts it, with GLIBC_TUNABLES=%s\n",
                tunables ? tunables : "(none)");
    std::printf("%s", qPrintable(report.err));
    return report.status;
}
