#pragma once
// The program's exit statuses, one meaning each.

namespace vorn {

enum ExitStatus : int {
    kExitOk = 0,      // ended by the examinee, or a command that succeeded
    kExitRefused = 1, // could not start: no display, a bank that cannot be played, a failed command
    kExitUsage = 2,   // the command line was wrong
    kExitFault = 3,   // an internal fault stopped the program; the message names it
};

} // namespace vorn
