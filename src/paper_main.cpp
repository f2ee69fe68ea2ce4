// vorn-paper: paper tests, `vorn-player --print`, `--scan` and
// `--scan-decide`, which the player starts with its own command line
// (app/companion_program.h). Its messages are the player's.

#include "app/command_arguments.h"
#include "app/guarded_main.h"
#include "platform/exit_status.h"
#include "print/print_command.h"
#include "review/scan_command.h"

#include <QTextStream>

namespace {

int Run(int argc, char** argv) {
    QTextStream out(stdout), err(stderr);
    const auto line = vorn::ReadCommandLine(argc, argv, err);
    if (!line) return vorn::kExitUsage;
    switch (line->command) {
    case vorn::CommandLine::Command::Print:
        return vorn::PrintCommand(line->print, out, err);
    case vorn::CommandLine::Command::Scan:
        return vorn::ScanCommand(line->scan, out, err);
    case vorn::CommandLine::Command::ScanDecide:
        return vorn::ScanDecideCommand(line->scanDecide, out, err);
    default:
        err << "vorn-player: "
            << QStringLiteral("тази програма обработва само тестове на хартия; стартирайте "
                              "vorn-player --print, --scan или --scan-decide.")
            << '\n';
        return vorn::kExitUsage;
    }
}

} // namespace

int main(int argc, char** argv) {
    return vorn::RunGuarded([&] { return Run(argc, argv); });
}
