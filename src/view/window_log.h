#pragma once
// For the tests of the exam session, which see the compositor only from
// outside: a line for every top-level window the program shows, with its
// place and size each time the platform sets them, and one whenever the
// program gains or loses the keyboard (a compositor gives it to the window it
// shows on top). Not for a lab: a test names the file in VORN_TEST_WINDOW_LOG.

#include <QString>

namespace vorn {

// Logs to the file VORN_TEST_WINDOW_LOG names, when it names one, from now
// until the application ends.
void LogWindowsForTests();

} // namespace vorn
