// Sealing and opening records: RECORDS records (100,000 by default) of the
// report's benchmark written once as they are and once sealed to an exam key,
// chained as a player chains them; then the text report over each, the
// sealed file opened with the secret key. Prints the time to seal one record
// and both reports' times, on the clock and in processor time (the report
// parses on every core; on a shared machine the clock also counts others'
// work); fails (status 1) when opening adds more than a fifth to the report's
// processor time.

#include "record/exam_keys.h"
#include "record/sealed_line.h"
#include "sample_records.h"
#include "timed_report.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

using namespace vorn;

namespace {

// Processor time of the whole process so far, in milliseconds.
double ProcessorMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

} // namespace

int main(int argc, char** argv) {
    bench::RunAsThePlayerStartsTheReport(argv);
    const int records = argc > 1 ? std::atoi(argv[1]) : 100'000;
    QTemporaryDir dir;
    if (!dir.isValid() || MakeExamKeys(dir.filePath("keys"))) return 1;
    const auto key = std::get<ExamPublicKey>(ReadExamPublicKey(dir.filePath("keys/exam.pub")));
    QFile plain(dir.filePath("plain.jsonl")), sealed(dir.filePath("sealed.jsonl"));
    if (!plain.open(QIODevice::WriteOnly) || !sealed.open(QIODevice::WriteOnly)) return 1;

    std::mt19937 random(42);
    qint64 sealingNs = 0;
    QByteArray last; // the line before, as a player finds it
    QElapsedTimer timer;
    for (int i = 0; i < records; ++i) {
        const ResultRecord record = bench::SampleRecord(i % 5000, 1 + i / 5000, random);
        QByteArray json = RecordLine(record);
        plain.write(json);
        json.chop(1);
        timer.start();
        QByteArray line = SealedLine(json, key, StudentTagOf(key, record), ChainLink(last));
        sealingNs += timer.nsecsElapsed();
        sealed.write(line + '\n');
        last = std::move(line);
    }
    plain.close();
    sealed.close();

    const double start = ProcessorMs();
    const bench::TimedReport bare = bench::RunTextReport(plain.fileName());
    const double between = ProcessorMs();
    const bench::TimedReport opened =
        bench::RunTextReport(sealed.fileName(), dir.filePath("keys/exam.secret"));
    const double bareCpu = between - start, openedCpu = ProcessorMs() - between;
    const double added = (openedCpu - bareCpu) / std::max(bareCpu, 1.0);
    std::printf("%d records: sealing %.3f ms a record; report as they are %lld ms (processor "
                "%.0f ms), sealed and opened %lld ms (processor %.0f ms): %+.0f %% processor\n",
                records, double(sealingNs) / records / 1e6, static_cast<long long>(bare.ms),
                bareCpu, static_cast<long long>(opened.ms), openedCpu, added * 100);
    std::printf("%s", qPrintable(opened.err));
    if (bare.status != 0 || opened.status != 0 || opened.out != bare.out) {
        std::printf("the reports differ or failed\n");
        return 1;
    }
    return added <= 0.2 ? 0 : 1;
}
