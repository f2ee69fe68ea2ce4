#pragma once
// `vorn-player --kiosk`: the exam session's player (vorn-exam-session runs it
// in the cage kiosk compositor). It plays the exam the lab's configuration
// names (kiosk_config.h) on the whole screen, in a window without a frame
// that no close request ends during the test. What stops it from starting is
// shown on the screen, never a black one, and ends it with kExitRefused once
// the student has read it.

namespace vorn {

int RunKiosk(int& argc, char** argv);

} // namespace vorn
