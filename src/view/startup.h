#pragma once
// What the program does around the toolkit's own start-up.

class QApplication;
class QLocale;

namespace vorn {

// Where no display can be opened, says so in one line on standard error and
// exits with kExitRefused, instead of the toolkit's abort. Honours the
// toolkit's own -platform and -display options. Call before creating the
// QApplication.
void ExitCleanlyWithoutDisplay(int argc, char** argv);
// Whether a display is named at all: by the toolkit's options or the
// environment, or a platform that needs none.
bool DisplayConfigured(int argc, char** argv);
// Where the session has no bus (no address is set and none waits in the
// runtime folder), keeps libdbus from starting one for this program: the
// toolkit's accessibility bridge asks for the session bus as the window is
// built, and a bus started then would outlive the player. A session with a
// screen reader always has its bus. Call before creating the QApplication.
void StartNoSessionBus();
// Once the QApplication stands: messages go their usual way again, and what
// the platform said while starting is passed on.
void DisplayOpened();

// The look every platform shares: a style that paints the controls' own
// background colours.
void ApplyLook(QApplication& app);

// Qt's own texts in Bulgarian (the window's language), when Qt's translation
// is installed; false, and nothing changes, when it is not.
bool LoadQtTranslations(QApplication& app, const QLocale& locale);

} // namespace vorn
