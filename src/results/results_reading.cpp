#include "results_reading.h"

#include <QFile>
#include <QFileInfo>

namespace vorn {

namespace {

QString WhyUnreadable(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return QStringLiteral("%1: файлът не съществува.").arg(path);
    if (info.isDir()) return QStringLiteral("%1: това е папка, а не файл.").arg(path);
    return QStringLiteral("%1: файлът не може да се прочете.").arg(path);
}

} // namespace

ReadResults ReadResultsFiles(const QStringList& paths) {
    ReadResults read;
    for (const QString& path : paths) {
        QFile file(path);
        if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
            read.unreadable.append(WhyUnreadable(path));
            continue;
        }
        const QList<QByteArray> lines = file.readAll().split('\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (lines[i].trimmed().isEmpty()) continue;
            if (auto record = ParseRecordLine(lines[i]))
                read.records.push_back(std::move(*record));
            else
                read.skipped.append(QStringLiteral("%1:%2").arg(path, QString::number(i + 1)));
        }
    }
    return read;
}

} // namespace vorn
