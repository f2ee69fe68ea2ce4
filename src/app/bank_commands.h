#pragma once
// The commands that work on a bank without opening a window.

#include "bank/loaded_bank.h"
#include "bank/password_tries.h"

#include <QString>
#include <QTextStream>

namespace vorn {

// --check-bank: every error and warning, one per line, then a summary line.
// kExitOk when the bank can be played (and, with `strict`, has no warnings),
// else kExitRefused. Measures texts as the window lays them out: needs a
// QApplication with the window's look (view/widgets_without_display.h).
// A locked bank's password comes from `passwordFile`, or the terminal.
int CheckBankCommand(const QString& path, bool strict, QTextStream& out,
                     const QString& passwordFile = {});

// --lock and --password-file with --export-bank.
struct BankLock {
    bool locked = false;  // written locked with a password
    QString passwordFile; // the password (and a locked bank's to read); else the terminal
};

// --export-bank: writes the bank (the compiled-in one when `bankPath` is
// empty) with its pictures, or locked as one file. Messages go to `err`.
int ExportBankCommand(const QString& bankPath, const QString& path, QTextStream& err,
                      const BankLock& lock = {});

// The bank a run plays: the file's, or the compiled-in test when `path` is
// empty. Reading and checking need no display.
LoadedBank BankToPlay(const QString& path, const PasswordAsker& askPassword = {});

// The first error of a bank with its place, and how many more there are.
QString RefusalMessage(const QString& path, const std::vector<BankIssue>& issues);

} // namespace vorn
