// vorn-report: the teacher's report, `vorn-player --report ...`, which the
// player starts with its own command line (app/companion_program.h). Its
// messages are the player's; it makes only the report.

#include "app/command_arguments.h"
#include "app/guarded_main.h"
#include "app/report_command.h"
#include "platform/exit_status.h"
#include "platform/headless_gui.h"

#include <QTextStream>

namespace {

int Run(int argc, char** argv) {
    QTextStream out(stdout), err(stderr);
    const auto line = vorn::ReadCommandLine(argc, argv, err);
    if (!line) return vorn::kExitUsage;
    if (line->command != vorn::CommandLine::Command::Report) {
        err << "vorn-player: "
            << QStringLiteral("тази програма прави само отчети; стартирайте vorn-player --report.")
            << '\n';
        return vorn::kExitUsage;
    }
    const vorn::HeadlessGui gui; // --bank gives the questions' texts
    return vorn::ReportCommand(line->report, out, err);
}

} // namespace

int main(int argc, char** argv) {
    return vorn::RunGuarded([&] { return Run(argc, argv); });
}
