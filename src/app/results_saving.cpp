#include "results_saving.h"

#include "platform/file_failure.h"
#include "platform/login_name.h"
#include "record/sealed_line.h"
#include "view/messages.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>

#include <cstdio>

namespace vorn {

namespace {

std::optional<QString> AppendToFallback(const LineAfter& line, const ResultsPlace& place) {
    QDir().mkpath(QFileInfo(place.fallbackPath).absolutePath());
    return AppendRecordLine(place.fallbackPath, line, place.lockWait);
}

} // namespace

QString FallbackResultsPath() {
    // The documents folder ("Документи" on a Bulgarian desktop): a student
    // finds it in any file manager and can copy the file for the teacher, which
    // a hidden folder under ~/.local/share hides from both.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .filePath(QStringLiteral("резултати-от-тестове.jsonl"));
}

RunFacts FactsOfThisRun(const QString& bankSha256, std::uint32_t seed) {
    return {.time = QDateTime::currentDateTimeUtc(),
            .user = LoginName(),
            .host = QSysInfo::machineHostName(),
            .program = QStringLiteral(VORN_VERSION),
            .bankSha256 = bankSha256,
            .seed = seed};
}

LineAfter RecordLineFor(const ResultRecord& record, const ResultsPlace& place) {
    QByteArray line = RecordLine(record);
    if (!place.sealTo) return [line](const std::optional<QByteArray>&) { return line; };
    line.chop(1); // the newline
    return [json = line, key = *place.sealTo,
            tag = StudentTagOf(*place.sealTo, record)](const std::optional<QByteArray>& last) {
        return SealedLine(json, key, tag, ChainLink(last)) + '\n';
    };
}

std::optional<QString> KeepRecord(const LineAfter& line, const ResultsPlace& place) {
    const auto failed = AppendRecordLine(place.path, line, place.lockWait);
    if (!failed) return std::nullopt;
    const QString notSaved = QStringLiteral("Резултатът не е записан в „%1“: %2")
                                 .arg(QDir::toNativeSeparators(place.path), *failed);
    const QString fallback = QDir::toNativeSeparators(place.fallbackPath);
    const auto fallbackFailed = AppendToFallback(line, place);
    if (!fallbackFailed) {
        const QString message =
            notSaved +
            QStringLiteral(". Запазен е във файла „%1“. %2").arg(fallback, StudentStep());
        SayOnStandardError(message);
        return message;
    }
    const QString message = notSaved + QStringLiteral(", нито в „%1“: %2. Не затваряйте "
                                                      "прозореца с резултата. %3 Записът следва "
                                                      "на стандартната грешка.")
                                           .arg(fallback, *fallbackFailed, StudentStep());
    SayOnStandardError(message);
    // The record as it is, not folded like a message, so that it can be copied.
    std::fprintf(stderr, "vorn-player: %s", line(std::nullopt).constData());
    std::fflush(stderr);
    return message;
}

void SaveResults(const ResultRecord& record, const ResultsPlace& place, QWidget* parent,
                 const QString& title) {
    if (const auto problem = KeepRecord(RecordLineFor(record, place), place))
        ShowWarningBox(parent, title, *problem);
}

ResultsKeeper::ResultsKeeper(ResultsPlace place, QWidget* parent, QString title)
    : place_(std::move(place)), parent_(parent), title_(std::move(title)) {}

ResultsKeeper::~ResultsKeeper() {
    wait();
}

void ResultsKeeper::wait() {
    if (worker_.joinable()) worker_.join();
}

void ResultsKeeper::keep(const ResultRecord& record) {
    wait(); // one record at a time, in order
    worker_ = std::thread([this, line = RecordLineFor(record, place_)] {
        const auto problem = KeepRecord(line, place_);
        if (!problem || !parent_) return;
        // The box belongs to the window's thread.
        QMetaObject::invokeMethod(
            parent_.data(),
            [parent = parent_, title = title_, text = *problem] {
                if (parent) ShowWarningBox(parent.data(), title, text);
            },
            Qt::QueuedConnection);
    });
}

} // namespace vorn
