#include "synthetic_marks.h"

#include "paper/sheet_layout.h"
#include "synthetic_random.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <cmath>
#include <numbers>
#include <vector>

namespace vorn::test {

namespace {

// A student fills up to the printed ring, not over it.
constexpr double kInsideMm = kBubbleRadiusMm - 0.15;

QColor Grey(double darkness) {
    const int level = static_cast<int>(std::lround(255 * (1 - darkness)));
    return {level, level, level};
}

QPen PenOf(const Pen& pen, double darkness) {
    return QPen(Grey(darkness), pen.widthMm, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Where a straight edge cuts the unit disk so that the part at x <= h is
// `fraction` of its area.
double EdgeForFraction(double fraction) {
    double low = -1, high = 1;
    for (int step = 0; step < 40; ++step) {
        const double h = (low + high) / 2;
        const double beyond = std::acos(h) - h * std::sqrt(1 - h * h);
        if (1 - beyond / std::numbers::pi < fraction)
            low = h;
        else
            high = h;
    }
    return (low + high) / 2;
}

// A point given in bubble radii, turned by `degrees`, around the centre.
QPointF Around(QPointF centre, QPointF unit, double radius, double degrees) {
    return centre + QTransform().rotate(degrees).map(unit * radius);
}

// Back-and-forth strokes over `fraction` of the bubble, each pressed a little
// differently: a pen's fill, gaps and overlaps included.
void DrawScribble(QPainter& painter, QPointF centre, double fraction, const Pen& pen,
                  SyntheticRandom& random) {
    const double degrees = random.Uniform(0, 360);
    const double edge = EdgeForFraction(fraction) * kInsideMm;
    QPainterPath disk;
    disk.addEllipse(centre, kInsideMm, kInsideMm);
    QPainterPath side;
    side.addRect(-2 * kInsideMm, -2 * kInsideMm, edge + 2 * kInsideMm, 4 * kInsideMm);
    const QTransform turn = QTransform().translate(centre.x(), centre.y()).rotate(degrees);
    painter.save();
    painter.setClipPath(disk.intersected(turn.map(side)));
    const double spacing = 0.7 * pen.widthMm;
    for (double y = -kInsideMm - spacing / 2; y <= kInsideMm + spacing; y += spacing) {
        const double jitter = 0.15 * pen.widthMm;
        const QPointF from(-1.3 * kInsideMm, y + random.Uniform(-jitter, jitter));
        const QPointF to(1.3 * kInsideMm, y + random.Uniform(-jitter, jitter));
        painter.setPen(PenOf(pen, pen.darkness * random.Uniform(0.92, 1.0)));
        painter.drawLine(turn.map(from), turn.map(to));
    }
    painter.restore();
}

void DrawStrokes(QPainter& painter, QPointF centre, const std::vector<QPointF>& unitPoints,
                 double radius, const Pen& pen, SyntheticRandom& random) {
    const double degrees = random.Uniform(-12, 12);
    QPainterPath path;
    for (const QPointF& unit : unitPoints) {
        const QPointF jitter(random.Uniform(-0.06, 0.06), random.Uniform(-0.06, 0.06));
        const QPointF at = Around(centre, unit + jitter, radius, degrees);
        if (path.elementCount() == 0)
            path.moveTo(at);
        else
            path.lineTo(at);
    }
    painter.strokePath(path, PenOf(pen, pen.darkness));
}

// Two strokes corner to corner, `reach` radii from the centre.
void DrawX(QPainter& painter, QPointF centre, double reach, const Pen& pen,
           SyntheticRandom& random) {
    const double d = reach / std::numbers::sqrt2;
    DrawStrokes(painter, centre, {{-d, -d}, {d, d}}, kInsideMm, pen, random);
    DrawStrokes(painter, centre, {{d, -d}, {-d, d}}, kInsideMm, pen, random);
}

void DrawTick(QPainter& painter, QPointF centre, const Pen& pen, SyntheticRandom& random) {
    const double scale = random.Uniform(0.85, 1.0);
    DrawStrokes(painter, centre, {{-0.5, -0.05}, {-0.12, 0.42}, {0.55, -0.5}}, scale * kInsideMm,
                pen, random);
}

void DrawDot(QPainter& painter, QPointF centre, const Pen& pen, SyntheticRandom& random) {
    const double radius = random.Uniform(0.15, 0.3);
    const QPointF at =
        Around(centre, {random.Uniform(0, 0.6), 0}, kInsideMm, random.Uniform(0, 360));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Grey(pen.darkness));
    painter.drawEllipse(at, radius, radius);
}

// What an eraser leaves of a fill: a grey patch, as light whatever the pen.
void DrawErasedFill(QPainter& painter, QPointF centre, SyntheticRandom& random) {
    painter.save();
    QPainterPath disk;
    disk.addEllipse(centre, kInsideMm, kInsideMm);
    painter.setClipPath(disk);
    painter.translate(centre);
    painter.rotate(random.Uniform(0, 180));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Grey(random.Uniform(0.10, 0.20)));
    painter.drawEllipse(QPointF(0, 0), random.Uniform(0.8, 1.0) * kInsideMm,
                        random.Uniform(0.65, 0.9) * kInsideMm);
    painter.restore();
}

} // namespace

const char* MarkKindName(MarkKind kind) {
    switch (kind) {
    case MarkKind::None:
        return "none";
    case MarkKind::Filled:
        return "filled";
    case MarkKind::LightFill:
        return "light fill";
    case MarkKind::Tick:
        return "tick";
    case MarkKind::Cross:
        return "cross";
    case MarkKind::Correction:
        return "correction";
    case MarkKind::StrayDot:
        return "stray dot";
    case MarkKind::EraseSmudge:
        return "erased";
    }
    return "?";
}

BubbleState ExpectedState(MarkKind kind, bool blackAndWhite) {
    switch (kind) {
    case MarkKind::None:
    case MarkKind::StrayDot:
        return BubbleState::Empty;
    case MarkKind::Filled:
        return BubbleState::Marked;
    case MarkKind::Correction:
        return BubbleState::Cancelled;
    case MarkKind::EraseSmudge:
        return blackAndWhite ? BubbleState::Empty : BubbleState::Doubtful;
    case MarkKind::LightFill:
    case MarkKind::Tick:
    case MarkKind::Cross:
        return BubbleState::Doubtful;
    }
    return BubbleState::Doubtful;
}

Pen DrawPen(SyntheticRandom& random) {
    return {random.Uniform(0.5, 1.0), random.Uniform(0.5, 0.8)};
}

void DrawMark(QPainter& painter, QPointF centreMm, MarkKind kind, const Pen& pen,
              SyntheticRandom& random) {
    switch (kind) {
    case MarkKind::None:
        return;
    case MarkKind::Filled:
        return DrawScribble(painter, centreMm, random.Uniform(0.7, 1.0), pen, random);
    case MarkKind::LightFill:
        return DrawScribble(painter, centreMm, random.Uniform(0.15, 0.3), pen, random);
    case MarkKind::Tick:
        return DrawTick(painter, centreMm, pen, random);
    case MarkKind::Cross:
        return DrawX(painter, centreMm, random.Uniform(0.7, 0.85), pen, random);
    case MarkKind::Correction:
        DrawScribble(painter, centreMm, random.Uniform(0.8, 1.0), pen, random);
        return DrawX(painter, centreMm, random.Uniform(1.5, 1.8) * kBubbleRadiusMm / kInsideMm, pen,
                     random);
    case MarkKind::StrayDot:
        return DrawDot(painter, centreMm, pen, random);
    case MarkKind::EraseSmudge:
        return DrawErasedFill(painter, centreMm, random);
    }
}

} // namespace vorn::test
