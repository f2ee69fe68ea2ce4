#pragma once
// For measuring start-up: ends the event loop with status 0 once a widget
// has painted its first frame.

class QWidget;

namespace vorn {

void QuitAfterFirstFrame(QWidget* widget);

} // namespace vorn
