#include "companion_program.h"

#include "platform/exit_status.h"
#include "platform/file_failure.h"
#include "platform/text.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <unistd.h>
#include <vector>

namespace vorn {

namespace {

namespace fs = std::filesystem;

struct CompanionNames {
    const char* program;
    QString what;       // "програмата за отчети"
    QString cannotMake; // "отчетът не може да се направи"
};

CompanionNames NamesOf(Companion companion) {
    if (companion == Companion::Report)
        return {VORN_REPORT_PROGRAM, QStringLiteral("програмата за отчети"),
                QStringLiteral("отчетът не може да се направи")};
    return {VORN_PAPER_PROGRAM, QStringLiteral("програмата за тестове на хартия"),
            QStringLiteral("тестът на хартия не може да се обработи")};
}

// Where the companion's program may be, the installed place first.
std::vector<fs::path> Places(const fs::path& player, const char* program) {
    const fs::path folder = player.parent_path();
    return {(folder / VORN_COMPANION_DIR_FROM_PLAYER / program).lexically_normal(),
            folder / program};
}

QString Shown(const fs::path& path) {
    return Printable(QFile::decodeName(path.c_str()));
}

} // namespace

int RunCompanionProgram(Companion companion, char** argv, QTextStream& err) {
    const CompanionNames names = NamesOf(companion);
    // Never a path relative to the working folder: without /proc there is no place.
    std::error_code unknown;
    const fs::path player = fs::read_symlink("/proc/self/exe", unknown);
    const std::vector<fs::path> places =
        unknown || !player.is_absolute() ? std::vector<fs::path>{} : Places(player, names.program);
    err.flush();
    for (const fs::path& place : places) {
        ::execv(place.c_str(), argv);
        const int why = errno;
        if (why != ENOENT) {
            err << "vorn-player: "
                << QStringLiteral("%1 %2 не може да се стартира: %3.")
                       .arg(names.what, Shown(place), SystemReason(why))
                << '\n';
            return kExitFault;
        }
    }
    QStringList looked;
    for (const fs::path& place : places)
        looked.append(Shown(place));
    err << "vorn-player: "
        << QStringLiteral("%1: липсва %2 %3 (търсена в %4); инсталирайте vorn-player отново.")
               .arg(names.cannotMake, names.what, QString::fromUtf8(names.program),
                    looked.join(QStringLiteral(", ")))
        << '\n';
    return kExitFault;
}

} // namespace vorn
