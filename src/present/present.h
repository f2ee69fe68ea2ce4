#pragma once
// The presenter: the one place that writes the controls of the main form from
// a run. Whatever the run holds decides every text, colour, visibility,
// enabled state, option value, bar and label it writes, so showing the same
// run twice changes nothing. It leaves alone what no run decides: the design's
// geometry and captions, and in test mode the information box (help or the
// author notice).
//
//   present.cpp          the mode, the question on screen, the result labels
//   show_progress.cpp    the position and answered bars, the counter
//   filled_phrase.cpp    the question's sentence with the chosen option

#include "form/form_controls.h"
#include "run/attempt.h"

namespace vorn {

void Present(const Attempt& run, FormControls& form);

// The bars and the counter of answers.
void ShowProgress(const Attempt& run, FormControls& form);

// The question text with its blank (the first run of "_") filled by `option`.
QString FilledPhrase(const QString& question, const QString& option);

} // namespace vorn
