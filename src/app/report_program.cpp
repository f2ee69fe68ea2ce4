#include "report_program.h"

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

// Where the report's program may be, the installed place first.
std::vector<fs::path> Places(const fs::path& player) {
    const fs::path folder = player.parent_path();
    return {(folder / VORN_REPORT_DIR_FROM_PLAYER / VORN_REPORT_PROGRAM).lexically_normal(),
            folder / VORN_REPORT_PROGRAM};
}

QString Shown(const fs::path& path) {
    return Printable(QFile::decodeName(path.c_str()));
}

} // namespace

int RunReportProgram(char** argv, QTextStream& err) {
    // Never a path relative to the working folder: without /proc there is no place.
    std::error_code unknown;
    const fs::path player = fs::read_symlink("/proc/self/exe", unknown);
    const std::vector<fs::path> places =
        unknown || !player.is_absolute() ? std::vector<fs::path>{} : Places(player);
    err.flush();
    for (const fs::path& place : places) {
        ::execv(place.c_str(), argv);
        const int why = errno;
        if (why != ENOENT) {
            err << "vorn-player: "
                << QStringLiteral("програмата за отчети %1 не може да се стартира: %2.")
                       .arg(Shown(place), SystemReason(why))
                << '\n';
            return kExitFault;
        }
    }
    QStringList looked;
    for (const fs::path& place : places)
        looked.append(Shown(place));
    err << "vorn-player: "
        << QStringLiteral("отчетът не може да се направи: липсва програмата за отчети "
                          "%1 (търсена в %2); инсталирайте vorn-player отново.")
               .arg(QStringLiteral(VORN_REPORT_PROGRAM), looked.join(QStringLiteral(", ")))
        << '\n';
    return kExitFault;
}

} // namespace vorn
