#pragma once
// The presenter: the one place that writes the controls of the main form from
// a run. Whatever the run holds decides every text, colour, visibility,
// enabled state, option value, bar and label it writes, so showing the same
// run twice changes nothing. It leaves alone what no run decides: the design's
// geometry and captions, and in test mode the information box (help or the
// author notice).
//
//   present.cpp          the mode, the question on screen, the result labels
//   review_shows.cpp     review that shows the score only, or nothing
//   show_progress.cpp    the position and answered bars, the counter
//   filled_phrase.cpp    the question's sentence with the chosen option

#include "form/form_controls.h"
#include "run/attempt.h"

namespace vorn {

// What review shows once the test is graded: everything (the right options,
// the colours, the explanations), only the score with the mark and which
// positions were right, or only that the test is handed in. An exam chooses
// less, so that an early finisher cannot read out the answers.
enum class ReviewShows { Everything, Score, Nothing };

void Present(const Attempt& run, FormControls& form, ReviewShows review = ReviewShows::Everything);

// The indicator and an option button, each with its mark and the colour
// that goes with it.
void SetIndicator(AnsweredIndicator& indicator, IndicatorMark mark);
void MarkOption(OptionButton& button, OptionMark mark);

// Review that shows less: the score, the mark and which positions were right
// (no right option, no colours in the options, no explanation); or only that
// the test is handed in.
void ShowScoreOnly(const Attempt& run, FormControls& form);
void ShowHandedIn(FormControls& form);

// The bars and the counter of answers.
void ShowProgress(const Attempt& run, FormControls& form);

// The question text with its blank (the first run of "_") filled by `option`.
QString FilledPhrase(const QString& question, const QString& option);

} // namespace vorn
