// Many players finishing at once on one results file: twenty processes append
// two hundred records each, and a writer killed mid-run leaves no partial
// line. On tmpfs where there is one: the flush to disk is not what is tested,
// and takes several milliseconds a record on a disk.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>
#include <iostream>
#include <memory>

namespace {

QString SharedFolder() {
    return QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/vorn-results-XXXXXX")
                                     : QDir::temp().filePath("vorn-results-XXXXXX");
}

std::unique_ptr<QProcess> StartWriter(const QString& path, const QString& writer, int count,
                                      const QStringList& wait = {}) {
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(QStringLiteral(VORN_APPEND_RECORDS_PATH),
                   QStringList{path, writer, QString::number(count)} + wait);
    return process;
}

// Every line as JSON; a line that does not parse fails the test.
std::vector<QJsonObject> Records(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.endsWith('\n'));
    std::vector<QJsonObject> records;
    for (const QByteArray& line : bytes.split('\n')) {
        if (line.isEmpty()) continue;
        const QJsonDocument document = QJsonDocument::fromJson(line);
        EXPECT_TRUE(document.isObject()) << line.left(80).toStdString();
        records.push_back(document.object());
    }
    return records;
}

} // namespace

TEST(ConcurrentAppend, TwentyWritersAtOnceLoseNoRecord) {
    QTemporaryDir dir(SharedFolder());
    const QString path = dir.filePath("results.jsonl");
    QElapsedTimer clock;
    clock.start();
    std::vector<std::unique_ptr<QProcess>> writers;
    for (int w = 0; w < 20; ++w)
        writers.push_back(StartWriter(path, QString::number(w), 200));
    for (const auto& writer : writers) {
        EXPECT_TRUE(writer->waitForFinished(60000));
        EXPECT_EQ(writer->exitCode(), 0);
    }
    std::cout << "20 x 200 records in " << clock.elapsed() << " ms\n";

    const std::vector<QJsonObject> records = Records(path);
    EXPECT_EQ(records.size(), 4000u);
    QSet<QString> distinct; // each writer's each record, exactly once
    for (const QJsonObject& r : records)
        distinct.insert(r["user"].toString() + '/' + QString::number(r["seed"].toInt()));
    EXPECT_EQ(distinct.size(), 4000);
}

// Wherever the kill lands, inside the lock or not, the kernel releases the
// dead writer's lock and the next one carries on at once.
TEST(ConcurrentAppend, AWriterKilledMidRunLeavesWholeLinesAndTheNextOneCarriesOn) {
    QTemporaryDir dir(SharedFolder());
    const QString path = dir.filePath("results.jsonl");
    const auto killed = StartWriter(path, "killed", 1000000);
    ASSERT_TRUE(killed->waitForStarted());
    for (int i = 0; i < 500 && QFileInfo(path).size() < 200000; ++i)
        QThread::msleep(10);
    ::kill(static_cast<pid_t>(killed->processId()), SIGKILL);
    ASSERT_TRUE(killed->waitForFinished());
    const std::size_t before = Records(path).size();
    EXPECT_GT(before, 0u);
    std::cout << "killed after " << before << " records\n";

    QElapsedTimer clock;
    clock.start();
    const auto next = StartWriter(path, "next", 5, {"1000"});
    ASSERT_TRUE(next->waitForFinished(20000));
    EXPECT_EQ(next->exitCode(), 0);
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_EQ(Records(path).size(), before + 5);
}
