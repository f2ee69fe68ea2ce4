// vorn-append-records PATH WRITER COUNT [WAIT_MS]: appends COUNT records to
// PATH one by one, as that many graded runs would, each naming the writer (its
// user) and its own number (its seed), waiting for the lock as long as a
// player does or WAIT_MS. Exits 1 at the first failure, naming it.

#include "record/result_record.h"
#include "record/results_file.h"

#include <QCoreApplication>
#include <cstdio>

using namespace vorn;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 4 && argc != 5) return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QString writer = QString::fromLocal8Bit(argv[2]);
    const int count = QByteArray(argv[3]).toInt();
    const std::chrono::milliseconds wait =
        argc == 5 ? std::chrono::milliseconds(QByteArray(argv[4]).toInt()) : kResultsLockWait;

    ResultRecord record;
    record.run = {.time = QDateTime::currentDateTimeUtc(),
                  .user = writer,
                  .host = QStringLiteral("stress"),
                  .program = QStringLiteral(VORN_VERSION),
                  .bankSha256 = QString(64, u'a'),
                  .seed = 0};
    record.bankTitle = QStringLiteral("Натоварване");
    record.grade = GradeOf(10, 21);
    for (int q = 1; q <= 20; ++q) // a record as long as one of the shipped test
        record.questions.push_back({.number = q,
                                    .chosen = QStringLiteral("Отговор %1 с обяснение").arg(q),
                                    .key = QStringLiteral("Ключ на въпрос %1").arg(q),
                                    .right = q % 2 == 0,
                                    .id = {}});
    for (int i = 0; i < count; ++i) {
        record.run.seed = static_cast<std::uint32_t>(i);
        if (const auto failed = AppendRecordLine(path, RecordLine(record), wait)) {
            std::fprintf(stderr, "%s\n", failed->toLocal8Bit().constData());
            return 1;
        }
    }
    return 0;
}
