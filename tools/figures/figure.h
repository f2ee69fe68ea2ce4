#pragma once
// The picture of a question as plain values: named points in centimetres (y
// up) and what is drawn on them. The figure generator paints it; the tests
// measure it, so a label never claims a length or an angle the drawing lacks.

#include "platform/program_error.h"

#include <QPointF>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace vorn {

struct FigurePoint {
    QString name;
    QPointF at;             // centimetres, y up
    QPointF labelDirection; // where the name is written, seen from the point
};

enum class LineStyle { Solid, Dashed };

struct FigureSegment {
    QString from, to;
    LineStyle style = LineStyle::Solid;
};

// A length written beside its segment, or as a line "AC = 16 см" of the
// caption when the segment is too crowded to carry it. A printed number is
// the value; a "?" or "4x" has none of its own.
struct LengthMark {
    QString from, to;
    std::optional<double> value; // centimetres
    QString text;
    bool inCaption = false;
    bool otherSide = false; // beside the segment on the side of the centre
    // A point lies inside the segment: the text goes beside a line drawn along
    // the whole segment, so it cannot be read as the length of a piece.
    bool dimensionLine = false;
};

// An arc between the rays vertex-from and vertex-to with its text, which sits
// beyond the middle of the arc: it names the whole angle, never a part of it.
struct AngleMark {
    QString vertex, from, to;
    std::optional<double> value; // degrees, when the text prints it
    QString text;
    double radius = 1;       // relative to the usual arc
    bool acrossLine = false; // a line halves the angle: the text covers it on a white ground
};

struct RightAngleMark {
    QString vertex, from, to;
};

// A line of the caption that states a quantity of the whole parallelogram.
struct Caption {
    enum class Claim { None, Perimeter, Area, AngleSum };
    QString text;
    Claim claim = Claim::None;
    QStringList vertices; // AngleSum: whose angles are added
    double value = 0;
};

struct Figure {
    int width = 0, height = 0; // pixels of the picture
    // The parallelogram's corners come first, counterclockwise from the
    // bottom left; further points follow.
    std::vector<FigurePoint> points;
    std::vector<FigureSegment> segments;
    std::vector<LengthMark> lengths;
    std::vector<AngleMark> angles;
    std::vector<RightAngleMark> rightAngles;
    std::vector<Caption> captions;
    bool captionBeside = false; // to the right of the drawing instead of above

    // The point of that name; a figure only names points it has.
    const FigurePoint& point(const QString& name) const {
        for (const FigurePoint& p : points)
            if (p.name == name) return p;
        throw ProgramError(QStringLiteral("Figure: no point %1").arg(name));
    }
};

} // namespace vorn
