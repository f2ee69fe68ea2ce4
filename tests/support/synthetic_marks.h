#pragma once
// What a student does to one bubble of an answer sheet, drawn with a pen on
// the printed page, and what the scanner must make of it.
//
// Darkness is measured inside the bubble, 0 the paper and 1 the sheet's own
// ink (the student's pen): a sheet is filled with one pen, 50-100 % dark.
//
//   kind         drawn                                      inside     reads
//   None         nothing                                    0          Empty
//   StrayDot     a dot 0.3-0.6 mm across                    < 0.02     Empty
//   Filled       dense scribble over 70-100 % of it         0.7-1      Marked
//   Correction   a fill, then an X whose arms reach out     0.8-1      Cancelled
//                to 1.5-1.8 radii
//   LightFill    dense scribble over 15-30 % of it          0.15-0.3   Doubtful
//   Tick         a check mark inside it                     0.1-0.25   Doubtful
//   Cross        an X inside it, not filled                 0.15-0.4   Doubtful
//   EraseSmudge  the grey left by an erased fill,           0.1-0.2 of Doubtful
//                10-20 % dark whatever the pen              black
//
// The doubtful kinds go to a person: a row the scanner reads as empty or
// marked without asking would be a silent guess. The one exception is a
// copier's black-and-white mode, which drops an erased fill's grey
// altogether: there is nothing left to see, so it must read empty.

#include "paper/sheet_reading.h"

#include <QPointF>

class QPainter;

namespace vorn::test {

class SyntheticRandom;

enum class MarkKind { None, Filled, LightFill, Tick, Cross, Correction, StrayDot, EraseSmudge };

inline constexpr MarkKind kAllMarkKinds[] = {
    MarkKind::None,  MarkKind::Filled,     MarkKind::LightFill, MarkKind::Tick,
    MarkKind::Cross, MarkKind::Correction, MarkKind::StrayDot,  MarkKind::EraseSmudge};

const char* MarkKindName(MarkKind kind);

// What the scanner must report for a bubble treated so.
BubbleState ExpectedState(MarkKind kind, bool blackAndWhite);

// The student's pen, one per sheet.
struct Pen {
    double darkness = 1; // 0.5-1
    double widthMm = 0.6;
};
Pen DrawPen(SyntheticRandom& random);

// Draws the mark on a painter whose units are millimetres of the page.
void DrawMark(QPainter& painter, QPointF centreMm, MarkKind kind, const Pen& pen,
              SyntheticRandom& random);

} // namespace vorn::test
