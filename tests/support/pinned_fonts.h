#pragma once

// The tests paint and measure with the fonts the set-up installs, whatever
// else the machine has: fontconfig reads a configuration of the build's own
// (tests/fonts/pinned-fonts.conf.in). Call before the application object;
// programs the tests start inherit the choice.
namespace vorn::test {

void PinFonts();

} // namespace vorn::test
