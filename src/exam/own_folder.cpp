#include "own_folder.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace vorn {

namespace {

// The base folder an environment variable names, or `fallback` under the home
// when it is unset or not absolute, as the XDG rules say.
QString BaseFolder(const char* variable, const QString& fallback) {
    const QString named = qEnvironmentVariable(variable);
    if (QDir::isAbsolutePath(named)) return named;
    return fallback.isEmpty() ? QString() : QDir::homePath() + u'/' + fallback;
}

std::variant<QString, OwnFolderProblem> OwnFolderIn(const QString& base) {
    const QString folder = base + QStringLiteral("/vorn-player");
    const QByteArray name = QFile::encodeName(folder);
    QDir().mkpath(base); // the base is the user's, links on the way included
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
        return OwnFolderProblem{QStringLiteral("папката %1 не може да се създаде: %2")
                                    .arg(folder, QString::fromLocal8Bit(std::strerror(errno)))};
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0 || !S_ISDIR(status.st_mode) ||
        status.st_uid != ::geteuid() || (status.st_mode & 022) != 0)
        return OwnFolderProblem{
            QStringLiteral("папката %1 не е само на този потребител").arg(folder)};
    return folder;
}

} // namespace

std::variant<QString, OwnFolderProblem> OwnStateFolder() {
    return OwnFolderIn(BaseFolder("XDG_STATE_HOME", QStringLiteral(".local/state")));
}

std::variant<QString, OwnFolderProblem> OwnRuntimeFolder() {
    const QString runtime = BaseFolder("XDG_RUNTIME_DIR", QString());
    return runtime.isEmpty() ? OwnStateFolder() : OwnFolderIn(runtime);
}

} // namespace vorn
