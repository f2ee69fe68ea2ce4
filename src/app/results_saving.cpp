#include "results_saving.h"

#include "view/messages.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>

#include <cstdio>
#include <pwd.h>
#include <unistd.h>

namespace vorn {

namespace {

// The account the player runs as; the environment only where it has no entry.
QString LoginName() {
    if (const passwd* entry = ::getpwuid(::geteuid()))
        return QString::fromLocal8Bit(entry->pw_name);
    return qEnvironmentVariable("LOGNAME", qEnvironmentVariable("USER"));
}

std::optional<QString> AppendToFallback(const QByteArray& line, const ResultsPlace& place) {
    QDir().mkpath(QFileInfo(place.fallbackPath).absolutePath());
    return AppendRecordLine(place.fallbackPath, line, place.lockWait);
}

} // namespace

QString FallbackResultsPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("results.jsonl"));
}

RunFacts FactsOfThisRun(const QString& bankSha256, std::uint32_t seed) {
    return {.time = QDateTime::currentDateTimeUtc(),
            .user = LoginName(),
            .host = QSysInfo::machineHostName(),
            .program = QStringLiteral(VORN_VERSION),
            .bankSha256 = bankSha256,
            .seed = seed};
}

void SaveResults(const ResultRecord& record, const ResultsPlace& place, QWidget* parent,
                 const QString& title) {
    const QByteArray line = RecordLine(record);
    const auto failed = AppendRecordLine(place.path, line, place.lockWait);
    if (!failed) return;
    const QString notSaved =
        QStringLiteral("Резултатът не е записан в „%1“: %2").arg(place.path, *failed);
    const auto fallbackFailed = AppendToFallback(line, place);
    if (!fallbackFailed) {
        ShowWarning(parent, title,
                    notSaved + QStringLiteral(". Запазен е в „%1“; предайте го на учителя.")
                                   .arg(place.fallbackPath));
        return;
    }
    ShowWarning(parent, title,
                notSaved + QStringLiteral(", нито в „%1“: %2. Записът следва на стандартната "
                                          "грешка.")
                               .arg(place.fallbackPath, *fallbackFailed));
    // The record as it is, not folded like a message, so that it can be copied.
    std::fprintf(stderr, "vorn-player: %s", line.constData());
    std::fflush(stderr);
}

} // namespace vorn
