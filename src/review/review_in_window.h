#pragma once
// The review in a window, where there is a display to show one.

#include "sheet_keeper.h"
#include "sheets_to_review.h"

namespace vorn {

// A window can be shown: Qt's platform is not one without a screen
// ("offscreen", "minimal") and an X or Wayland display is given. Tests and
// a teacher who wants the files instead set QT_QPA_PLATFORM=offscreen.
bool ReviewWindowPossible();

// Shows the window until the teacher is through or closes it; records the
// sheets decided, and gives back those still open (pages are passed over).
ToReview ReviewInWindow(const ToReview& review, SheetKeeper& keeper, ScanCounts& counts,
                        QTextStream& out, QTextStream& err);

} // namespace vorn
