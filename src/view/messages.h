#pragma once
// Messages for the person at the screen. Every message also goes to standard
// error as one line, so that it is never lost; a message box is shown only
// where someone can see it, and nothing ever waits on a box that no one can
// answer (the offscreen and minimal platforms).

#include <QString>
#include <functional>

class QMessageBox;
class QWidget;

namespace vorn {

// Whether the platform in use shows its windows to a person.
bool DisplayIsSeen();

// "vorn-player: <text>" on standard error, line breaks folded into blanks.
void SayOnStandardError(const QString& text);

// An error before the event loop runs: standard error, then a modal box where
// it can be seen.
void ShowErrorAndWait(const QString& title, const QString& text);
// The same without standard error, for a message said there already.
void ShowErrorBoxAndWait(const QString& title, const QString& text);

// An error while the event loop runs: standard error, and a box over `parent`
// that does not block; `then` runs when the box is closed, or at once where no
// one can see it.
void ShowErrorThen(QWidget* parent, const QString& title, const QString& text,
                   const std::function<void()>& then);

// A question with "Да" and "Не", "Не" the default (Enter and Esc); true for
// "Да". Where no one can see it, said on standard error and answered "Не".
bool AskYesNo(QWidget* parent, const QString& title, const QString& question);

// A notice over `parent` that stays until the person closes it (standard
// error too); `then`, if given, runs once it is closed. The window under it
// takes no input meanwhile, but nothing waits for it: the program goes on,
// timers included, on every platform.
QMessageBox* ShowNotice(QWidget* parent, const QString& title, const QString& text,
                        const std::function<void()>& then = {});

// A notice that does not stop the program (standard error and a box).
void ShowWarning(QWidget* parent, const QString& title, const QString& text);
// The same without standard error, for a notice said there already.
void ShowWarningBox(QWidget* parent, const QString& title, const QString& text);

} // namespace vorn
