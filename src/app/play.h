#pragma once
// Playing a test in the window: the bank is read and checked first, so that
// one that cannot be played is refused before anything needs a display; then
// the window opens with the run started.

#include "command_line.h"

class QApplication;

namespace vorn {

int Play(int& argc, char** argv, const CommandLine& line);

// The same in steps, for a caller that needs the application before it knows
// what to play: the application's name, look and Qt's Bulgarian texts; then
// the play itself, until the window closes.
void SetUpApplication(QApplication& app);
int PlayInApplication(const CommandLine& line);

} // namespace vorn
