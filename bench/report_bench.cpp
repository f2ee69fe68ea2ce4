// The report over a results file of 200 MiB of long lines with a few records
// among them: half of the lines are over the length limit, half just under it
// (a JSON object that is not a record, which the parser has to read whole).
// Prints the time, the peak resident memory of the process (writing the file
// included) and the length of what the report told on stderr.

#include "record/result_record.h"
#include "record/results_reading.h"
#include "timed_report.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

using namespace vorn;

namespace {

constexpr int kLongLines = 200;

QByteArray Record() {
    ResultRecord record;
    record.run = {.time = QDateTime(QDate(2024, 5, 14), QTime(9, 0), Qt::UTC),
                  .user = QStringLiteral("ivan"),
                  .host = QStringLiteral("lab-07"),
                  .program = QStringLiteral("1.0"),
                  .bankSha256 = QString(64, u'a'),
                  .seed = 1};
    record.bankTitle = QStringLiteral("Успоредник");
    record.grade = GradeOf(1, 2);
    record.questions = {
        {.number = 1, .chosen = QStringLiteral("a"), .key = "a", .right = true, .id = {}},
        {.number = 2, .chosen = std::nullopt, .key = "b", .right = false, .id = {}}};
    return RecordLine(record);
}

// A JSON object of `length` bytes with one long text in it, and a newline.
QByteArray LongLine(qsizetype length) {
    const QByteArray head = R"({"format":"vorn-results","user":")", tail = "\"}\n";
    return head + QByteArray(length - head.size() - tail.size() + 1, 'x') + tail;
}

bool WriteFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QByteArray over = LongLine(kMaxRecordLineBytes + 1024);
    const QByteArray under = LongLine(kMaxRecordLineBytes - 1024);
    const QByteArray record = Record();
    for (int i = 0; i < kLongLines; ++i) {
        if (file.write(i % 2 ? under : over) < 0) return false;
        if (i % 20 == 0 && file.write(record) < 0) return false;
    }
    return true;
}

} // namespace

int main(int, char** argv) {
    bench::RunAsThePlayerStartsTheReport(argv);
    QTemporaryDir dir;
    const QString path = dir.filePath("results.jsonl");
    if (!dir.isValid() || !WriteFile(path)) {
        std::fprintf(stderr, "report bench: cannot write %s\n", qPrintable(path));
        return 1;
    }
    const bench::TimedReport report = bench::RunTextReport(path);
    std::printf("file: %.1f MiB, %d long lines; report: exit %d in %lld ms\n",
                double(QFile(path).size()) / (1024 * 1024), kLongLines, report.status,
                static_cast<long long>(report.ms));
    std::printf("peak resident memory: %.1f MiB\n", double(report.usage.ru_maxrss) / 1024);
    std::printf("stderr: %lld characters in %lld lines\n",
                static_cast<long long>(report.err.size()),
                static_cast<long long>(report.err.count(u'\n')));
    std::printf("%s", qPrintable(report.err));
    return report.status;
}
