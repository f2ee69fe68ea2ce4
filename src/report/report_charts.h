#pragma once
// The charts of the HTML report as inline SVG, each readable without colour:
// every bar and point carries its figure or name as text.

#include "results_figures.h"

#include <QString>

namespace vorn {

// Text for HTML or SVG: control characters escaped as the terminal report
// shows them, then &, <, > and quotes as entities.
QString HtmlText(const QString& text);
// A text of several lines (CR LF, LF or CR between them) as HTML: each line
// as HtmlText gives it, with a line break between them.
QString HtmlLines(const QString& text);

// Text for HTML with its line breaks kept as lines (<br>), not escaped.
QString HtmlLines(const QString& text);

// How many students had each mark (2 to 6) on their first finished attempt.
QString MarksHistogram(const MarkSummary& marks);

// Each question as a point: facility across, discrimination up, labelled with
// its number. Questions without a discrimination index are not drawn.
QString FacilityDiscriminationChart(const std::vector<QuestionFigures>& questions);

// One bar per option of a question: its share, the key marked in words.
QString OptionBars(const QuestionFigures& question);

} // namespace vorn
