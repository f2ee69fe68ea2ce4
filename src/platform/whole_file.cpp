#include "whole_file.h"

#include <QDir>
#include <QSaveFile>
#include <algorithm>

namespace vorn {

std::optional<QString> WriteWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    const QString name = QDir::toNativeSeparators(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return QStringLiteral("%1: %2").arg(name, file.errorString());
    // Unbuffered, so that a short write is seen here: buffered, QSaveFile lets
    // commit() succeed on a file cut short (a full disk, a size limit).
    if (const qint64 written = file.write(bytes); written != bytes.size())
        return QStringLiteral("%1: записът прекъсна след %2 от %3 байта (няма ли място на диска?)")
            .arg(name, QString::number(std::max<qint64>(written, 0)),
                 QString::number(bytes.size()));
    // commit() syncs the file before it renames it.
    if (!file.commit()) return QStringLiteral("%1: %2").arg(name, file.errorString());
    return std::nullopt;
}

} // namespace vorn
