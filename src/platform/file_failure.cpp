#include "file_failure.h"

#include <QDir>
#include <cerrno>
#include <cstring>

namespace vorn {

QString FileFailure::said() const {
    return QStringLiteral("„%1“: %2").arg(QDir::toNativeSeparators(path), reason);
}

QString SystemReason(int error) {
    switch (error) {
    case ENOSPC:
        return QStringLiteral("няма място на диска");
    case EDQUOT:
        return QStringLiteral("квотата на потребителя на диска е изчерпана");
    case EFBIG:
        return QStringLiteral("файлът стана по-голям от позволеното");
    case EACCES:
    case EPERM:
        return QStringLiteral("няма права за запис");
    case ENOENT:
        return QStringLiteral("папката не съществува");
    case ENOTDIR:
        return QStringLiteral("част от пътя не е папка");
    case EISDIR:
        return QStringLiteral("това е папка, а не файл");
    case EROFS:
        return QStringLiteral("дискът е само за четене");
    case ELOOP:
        return QStringLiteral("пътят е символна връзка, а не файл");
    case EEXIST:
        return QStringLiteral("на това място вече има друг файл");
    case EWOULDBLOCK:
        return QStringLiteral("файлът е заключен от друг процес");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

QString ReadReason(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return QStringLiteral("няма права за четене");
    case ENOENT:
        return QStringLiteral("файлът не съществува");
    default:
        return SystemReason(error);
    }
}

FileFailure FailureOf(const QString& path, int error) {
    return {path, error, SystemReason(error)};
}

FileFailure LinkRefused(const QString& path) {
    return {path, ELOOP, QStringLiteral("това е символна връзка; през връзка не се записва")};
}

FileFailure NotARegularFile(const QString& path) {
    return {path, 0, QStringLiteral("това не е обикновен файл")};
}

FileFailure NotAFolder(const QString& path) {
    return {path, 0, QStringLiteral("това не е папка")};
}

FileFailure ReplacedMeanwhile(const QString& path) {
    return {path, 0,
            QStringLiteral("временният файл до него беше подменен от друг процес; нищо не е "
                           "записано на негово място")};
}

QString StudentStep() {
    return QStringLiteral("Повикайте учителя.");
}

QString TeacherStep(const FileFailure& failure, const QString& other) {
    switch (failure.error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return QStringLiteral("Освободете място на диска или посочете %1.").arg(other);
    case EACCES:
    case EPERM:
        return QStringLiteral("Дайте права за запис в папката или посочете %1.").arg(other);
    case ENOENT:
        return QStringLiteral("Създайте папката (mkdir -p) или посочете %1.").arg(other);
    case EROFS:
        return QStringLiteral("Посочете %1 на диск, на който може да се пише.").arg(other);
    case ELOOP:
        return QStringLiteral("Изтрийте връзката или посочете %1.").arg(other);
    default:
        return QStringLiteral("Посочете %1.").arg(other);
    }
}

} // namespace vorn
