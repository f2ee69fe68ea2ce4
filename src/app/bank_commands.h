#pragma once
// The commands that work on a bank without opening a window.

#include "bank/loaded_bank.h"

#include <QString>
#include <QTextStream>

namespace vorn {

// --check-bank: every error and warning, one per line, then a summary line.
// kExitOk when the bank can be played (and, with `strict`, has no warnings),
// else kExitRefused. Measures texts as the window lays them out: needs a
// QApplication with the window's look (view/widgets_without_display.h).
int CheckBankCommand(const QString& path, bool strict, QTextStream& out);

// --export-bank: writes the bank (the compiled-in one when `bankPath` is
// empty) with its pictures. Messages go to `err`.
int ExportBankCommand(const QString& bankPath, const QString& path, QTextStream& err);

// The bank a run plays: the file's, or the compiled-in test when `path` is
// empty. Reading and checking need no display.
LoadedBank BankToPlay(const QString& path);

// The first error of a bank with its place, and how many more there are.
QString RefusalMessage(const QString& path, const std::vector<BankIssue>& issues);

} // namespace vorn
