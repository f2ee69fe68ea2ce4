#pragma once
// Writing an exam file (--make-exam) and opening one (a .vorn-exam file named
// on the command line, as the menu entry does on a double click).

#include "command_line.h"

#include <QString>
#include <QTextStream>
#include <variant>

namespace vorn {

// Writes the exam file `line` asks for, never over a file that is there.
// kExitOk, or kExitRefused with the reason on `err`.
int MakeExamCommand(const CommandLine& line, QTextStream& out, QTextStream& err);

// The play the exam file of `line` sets out, as if its options were typed,
// with the window's own options of `line`; or why the file cannot be used,
// in Bulgarian, naming it.
std::variant<CommandLine, QString> OpenExamFile(const CommandLine& line);

} // namespace vorn
