#include "companion_program.h"

#include "platform/exit_status.h"
#include "platform/file_failure.h"
#include "platform/text.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string_view>
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

constexpr std::string_view kTunables = "GLIBC_TUNABLES=";
constexpr std::string_view kHugePages = "glibc.malloc.hugetlb";

// Whether a list of tunables ("a=1:b=2") sets `name`.
bool SetsTunable(std::string_view tunables, std::string_view name) {
    for (std::size_t from = 0; from <= tunables.size();) {
        const std::size_t end = std::min(tunables.find(':', from), tunables.size());
        const std::string_view item = tunables.substr(from, end - from);
        if (item.substr(0, item.find('=')) == name) return true;
        from = end + 1;
    }
    return false;
}

} // namespace

std::vector<std::string> ReportEnvironment(const char* const* environment) {
    std::vector<std::string> report;
    bool tunables = false;
    for (const char* const* variable = environment; variable && *variable; ++variable) {
        std::string entry = *variable;
        if (entry.starts_with(kTunables)) {
            tunables = true;
            const std::string_view list = std::string_view(entry).substr(kTunables.size());
            if (!SetsTunable(list, kHugePages))
                entry.append(list.empty() ? "" : ":").append(kHugePages).append("=1");
        }
        report.push_back(std::move(entry));
    }
    if (!tunables) report.push_back(std::string(kTunables).append(kHugePages).append("=1"));
    return report;
}

int RunCompanionProgram(Companion companion, char** argv, QTextStream& err) {
    const CompanionNames names = NamesOf(companion);
    // Never a path relative to the working folder: without /proc there is no place.
    std::error_code unknown;
    const fs::path player = fs::read_symlink("/proc/self/exe", unknown);
    const std::vector<fs::path> places =
        unknown || !player.is_absolute() ? std::vector<fs::path>{} : Places(player, names.program);
    err.flush();
    std::vector<std::string> environment;
    std::vector<char*> variables;
    if (companion == Companion::Report) {
        environment = ReportEnvironment(environ);
        for (std::string& variable : environment)
            variables.push_back(variable.data());
        variables.push_back(nullptr);
    }
    for (const fs::path& place : places) {
        ::execve(place.c_str(), argv, variables.empty() ? environ : variables.data());
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
