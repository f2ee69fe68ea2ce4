// vorn-player: reads the command line before anything needs a display, runs
// the command it names, or plays the test in the window. The report and the
// paper tests are made by programs of their own (app/companion_program.h).

#include "app/bank_commands.h"
#include "app/command_arguments.h"
#include "app/companion_program.h"
#include "app/exam_file_command.h"
#include "app/exam_keys_command.h"
#include "app/guarded_main.h"
#include "app/kiosk.h"
#include "app/play.h"
#include "platform/exit_status.h"
#include "platform/headless_gui.h"
#include "view/widgets_without_display.h"

#include <QTextStream>

namespace {

// An exam file that cannot be used is refused as a bank that cannot be played is.
int PlayExamFile(int& argc, char** argv, const vorn::CommandLine& line, QTextStream& err) {
    const auto exam = vorn::OpenExamFile(line);
    if (const auto* problem = std::get_if<QString>(&exam)) {
        err << "vorn-player: " << *problem << '\n';
        return vorn::kExitRefused;
    }
    return vorn::Play(argc, argv, std::get<vorn::CommandLine>(exam));
}

int Run(int& argc, char** argv) {
    QTextStream out(stdout), err(stderr);
    const auto line = vorn::ReadCommandLine(argc, argv, err);
    if (!line) return vorn::kExitUsage;
    switch (line->command) {
    case vorn::CommandLine::Command::Help:
        out << vorn::CommandLineHelp();
        return vorn::kExitOk;
    case vorn::CommandLine::Command::Version:
        out << "vorn-player " << VORN_VERSION << '\n';
        return vorn::kExitOk;
    case vorn::CommandLine::Command::CheckBank: {
        const vorn::WidgetsWithoutDisplay gui; // banks are read, their texts laid out
        return vorn::CheckBankCommand(line->checkBank, line->strict, out, line->passwordFile);
    }
    case vorn::CommandLine::Command::ExportBank: {
        const vorn::HeadlessGui gui;
        return vorn::ExportBankCommand(line->bank, line->exportBank, err,
                                       {line->lock, line->passwordFile});
    }
    case vorn::CommandLine::Command::Report:
        return vorn::RunCompanionProgram(vorn::Companion::Report, argv, err);
    case vorn::CommandLine::Command::Print:
    case vorn::CommandLine::Command::Scan:
    case vorn::CommandLine::Command::ScanDecide:
        return vorn::RunCompanionProgram(vorn::Companion::Paper, argv, err);
    case vorn::CommandLine::Command::MakeExamKeys:
        return vorn::MakeExamKeysCommand(line->makeExamKeys, out, err);
    case vorn::CommandLine::Command::MakeExam:
        return vorn::MakeExamCommand(*line, out, err);
    case vorn::CommandLine::Command::OpenExam:
        return PlayExamFile(argc, argv, *line, err);
    case vorn::CommandLine::Command::Kiosk:
        return vorn::RunKiosk(argc, argv);
    case vorn::CommandLine::Command::Play:
        break;
    }
    return vorn::Play(argc, argv, *line);
}

} // namespace

int main(int argc, char** argv) {
    return vorn::RunGuarded([&] { return Run(argc, argv); });
}
