// Where the report's time goes: the records of the scale benchmark
// (STUDENTS × ATTEMPTS, 5,000 × 20 by default) held in memory and taken on
// one thread, each part timed in processor time, best of five: parsing the
// lines alone; opening, parsing, checking and counting each record as the
// report does a line in clear; the figures and the text. Then the whole
// report as the player runs it, reading the file on every core, on the
// clock and in processor time: how much the cores gain over one thread.

#include "processor_time.h"
#include "record/record_consistency.h"
#include "record/record_fields.h"
#include "record/record_parsing.h"
#include "record/sealed_line.h"
#include "record/tests_seen.h"
#include "report/results_report.h"
#include "report/results_tally.h"
#include "sample_records.h"
#include "timed_report.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

using namespace vorn;

namespace {

// The least processor time of five runs of `part`, in milliseconds.
template <typename Part> double BestOfFive(const Part& part) {
    double best = 1e300;
    for (int run = 0; run < 5; ++run) {
        const double start = bench::ProcessorMs(CLOCK_THREAD_CPUTIME_ID);
        part();
        best = std::min(best, bench::ProcessorMs(CLOCK_THREAD_CPUTIME_ID) - start);
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    bench::RunAsThePlayerStartsTheReport(argv);
    const int students = argc > 1 ? std::atoi(argv[1]) : 5000;
    const int attempts = argc > 2 ? std::atoi(argv[2]) : 20;
    std::mt19937 random(42);
    std::vector<QByteArray> lines;
    for (int attempt = 1; attempt <= attempts; ++attempt)
        for (int student = 0; student < students; ++student) {
            QByteArray line = RecordLine(bench::SampleRecord(student, attempt, random));
            line.chop(1); // the newline
            line.reserve(line.size() + kFastReaderRoom);
            lines.push_back(std::move(line));
        }

    const double parsing = BestOfFive([&] {
        for (const QByteArray& line : lines)
            if (!ParseRecordJson(line, kFastReaderRoom)) std::abort();
    });
    std::optional<ResultsTally> tally;
    const double counting = BestOfFive([&] {
        tally.emplace(ReportSettings{});
        TestsSeen tests;
        for (const QByteArray& line : lines) {
            const OpenedLine opened = OpenRecordLine(line, nullptr);
            const std::optional<ResultRecord> record =
                ParseRecordJson(opened.json, kFastReaderRoom);
            if (!record || RecordInconsistency(*record) || !tests.admit(*record)) std::abort();
            if (tests.disagreement(*record, TestsSeen::HashesOf(*record))) std::abort();
            tally->add(*record, {.file = QStringLiteral("results.jsonl"),
                                 .line = 1,
                                 .afterChainBreak = false,
                                 .sealed = false});
        }
    });
    qsizetype textLength = 0;
    const double telling = BestOfFive([&] { textLength = ReportText(tally->figures()).size(); });
    std::printf("%d records on one thread, best of five: parsing %.0f ms; opening, parsing, "
                "checking and counting %.0f ms; the figures and the text (%lld characters) %.0f "
                "ms; %.2f µs a record in all\n",
                int(lines.size()), parsing, counting, static_cast<long long>(textLength), telling,
                (counting + telling) * 1000 / double(lines.size()));

    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("results.jsonl")));
    if (!dir.isValid() || !file.open(QIODevice::WriteOnly)) return 1;
    for (const QByteArray& line : lines)
        if (file.write(line + '\n') < 0) return 1;
    file.close();
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    const bench::TimedReport report = bench::RunTextReport(file.fileName());
    const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1e3 + t.tv_usec / 1e3; };
    const double processor = ms(report.usage.ru_utime) + ms(report.usage.ru_stime) -
                             ms(before.ru_utime) - ms(before.ru_stime);
    std::printf("the whole report from the file, on every core: %lld ms on the clock, %.0f ms of "
                "processor time (exit %d)\n",
                static_cast<long long>(report.ms), processor, report.status);
    return report.status;
}
