#include "small_file.h"

#include "file_failure.h"
#include "regular_file.h"

#include <QFile>

namespace vorn {

std::variant<QByteArray, QString> ReadSmallFile(const QString& path, qint64 maxBytes) {
    QFile file;
    int error = 0;
    switch (OpenRegularFile(file, path, &error)) {
    case OpenOutcome::Opened:
        break;
    case OpenOutcome::Unreadable:
        return QStringLiteral("файлът не може да се прочете: %1.").arg(ReadReason(error));
    case OpenOutcome::Missing:
        return QStringLiteral("файлът не съществува.");
    case OpenOutcome::Folder:
    case OpenOutcome::NotRegular:
        return QStringLiteral("това не е файл.");
    }
    const QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes)
        return QStringLiteral("файлът е по-голям от %1 KiB.").arg(maxBytes / 1024);
    return bytes;
}

} // namespace vorn
