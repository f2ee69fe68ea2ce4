// vorn-player: reads the command line before anything needs a display, runs
// the command it names, or plays the test in the window.

#include "app/bank_commands.h"
#include "app/command_line.h"
#include "app/play.h"
#include "app/report_command.h"
#include "platform/exit_status.h"
#include "platform/headless_gui.h"
#include "platform/text.h"

#include <QTextStream>
#include <cstdio>
#include <exception>

namespace {

int Run(int& argc, char** argv) {
    QStringList arguments;
    QTextStream out(stdout), err(stderr);
    for (int i = 0; i < argc; ++i) {
        const QByteArray raw(argv[i]);
        arguments.append(QString::fromLocal8Bit(raw));
        // A file name that is not UTF-8 would reach the files as another name
        // (every byte that is not UTF-8 made a replacement character): refuse
        // it rather than read or write something else.
        if (arguments.back().toLocal8Bit() != raw) {
            err << "vorn-player: "
                << QStringLiteral(
                       "аргументът „%1“ не е в UTF-8; преименувайте файла с име в UTF-8.")
                       .arg(vorn::Printable(arguments.back()))
                << '\n';
            return vorn::kExitUsage;
        }
    }

    const auto parsed = vorn::ParseCommandLine(arguments);
    if (const auto* usage = std::get_if<vorn::UsageError>(&parsed)) {
        err << "vorn-player: " << usage->message << '\n' << vorn::CommandLineUsage();
        return vorn::kExitUsage;
    }
    const vorn::CommandLine& line = std::get<vorn::CommandLine>(parsed);
    switch (line.command) {
    case vorn::CommandLine::Command::Help:
        out << vorn::CommandLineHelp();
        return vorn::kExitOk;
    case vorn::CommandLine::Command::Version:
        out << "vorn-player " << VORN_VERSION << '\n';
        return vorn::kExitOk;
    case vorn::CommandLine::Command::CheckBank: {
        const vorn::HeadlessGui gui; // banks are read
        return vorn::CheckBankCommand(line.checkBank, line.strict, out);
    }
    case vorn::CommandLine::Command::ExportBank: {
        const vorn::HeadlessGui gui;
        return vorn::ExportBankCommand(line.bank, line.exportBank, err);
    }
    case vorn::CommandLine::Command::Report: {
        const vorn::HeadlessGui gui; // --bank gives the questions' texts
        return vorn::ReportCommand(line.report, out, err);
    }
    case vorn::CommandLine::Command::Play:
        break;
    }
    return vorn::Play(argc, argv, line);
}

} // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& fault) {
        std::fprintf(stderr, "vorn-player: вътрешна грешка: %s\n", fault.what());
    } catch (...) {
        std::fprintf(stderr, "vorn-player: вътрешна грешка\n");
    }
    return vorn::kExitFault;
}
