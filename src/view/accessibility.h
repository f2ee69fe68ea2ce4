#pragma once
// What assistive tools (screen readers) are told about the window: the roles
// the toolkit would get wrong, and the Bulgarian names and descriptions of
// the controls, worked out from the model. Nothing here reveals what the
// examinee must not see: names come from what is on screen.

#include "events/main_form.h"

#include <QString>

namespace vorn {

// Option buttons are radio buttons of one group (the frame), and each labels
// its option's text box. Call once before the window is built.
void InstallAccessibleRoles();

// The texts; each is empty for a control that is not shown.
QString OptionName(const MainForm& form, int index);    // "Отговор A: <option text>"
QString OptionVerdict(const MainForm& form, int index); // in review: right or wrong
QString OptionBoxName(const MainForm& form, int index); // "Отговор A"
QString IndicatorText(const MainForm& form);            // whether answered (or right)
QString PositionText(const MainForm& form);             // "Въпрос 3 от 21"
QString AnsweredText(const MainForm& form);             // "Въведени отговори: 3/21"
bool InReview(const MainForm& form);

} // namespace vorn
