#pragma once
// What the program does around the toolkit's own start-up.

class QApplication;

namespace vorn {

// Where no display can be opened, says so in one line on standard error and
// exits with status 1, instead of the toolkit's abort. Call before creating
// the QApplication.
void ExitCleanlyWithoutDisplay();

// The look every platform shares: a style that paints the controls' own
// background colours.
void ApplyLook(QApplication& app);

} // namespace vorn
