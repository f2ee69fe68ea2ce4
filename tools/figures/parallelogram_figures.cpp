#include "parallelogram_figures.h"

#include "shipped/measure_text.h"
#include "shipped/shipped_numbers.h"

#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <optional>

namespace vorn {

namespace {

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

double DegreesOf(double radians) {
    return radians * 180 / std::numbers::pi;
}

QPointF Unit(QPointF v) {
    const double length = std::hypot(v.x(), v.y());
    return length > 0 ? v / length : QPointF(0, 1);
}

// Builds the figure of one picture: a parallelogram with the base along the
// x axis, then the points, lines and labels its question needs. Every printed
// number is passed in from the question's numbers, never measured here, so the
// tests can hold the drawing against it.
class Builder {
public:
    // A, B, C, D counterclockwise from the bottom left: the base AB, the side
    // AD and the angle A between them.
    Builder(int width, int height, double base, double side, double angle) {
        figure_.width = width;
        figure_.height = height;
        const QPointF p0(0, 0);
        const QPointF p1(base, 0);
        const QPointF p3(side * std::cos(Radians(angle)), side * std::sin(Radians(angle)));
        const QPointF p2 = p1 + p3;
        centre_ = (p0 + p2) / 2;
        // A corner's name goes outside, along the bisector of its outer angle.
        const std::array<QPointF, 4> corner{p0, p1, p2, p3};
        for (std::size_t i = 0; i < corner.size(); ++i) {
            const QPointF next = corner[(i + 1) % 4], previous = corner[(i + 3) % 4];
            const QPointF outside = -(Unit(next - corner[i]) + Unit(previous - corner[i]));
            figure_.points.push_back(
                {QString(QChar(static_cast<char16_t>(u'A' + i))), corner[i], Unit(outside)});
        }
    }

    // The foot of the perpendicular from `from` to the line pq, with the
    // height dashed and its right angle marked towards the farther of p, q.
    Builder& foot(const QString& name, const QString& from, const QString& p, const QString& q,
                  std::optional<QPointF> labelDirection = std::nullopt) {
        const QPointF a = at(p), b = at(q), f = at(from);
        const QPointF d = Unit(b - a);
        const double along = QPointF::dotProduct(f - a, d);
        const QPointF foot = a + d * along;
        figure_.points.push_back({name, foot, labelDirection.value_or(outward(a, b))});
        segment(from, name, LineStyle::Dashed);
        const double toP = along, toQ = std::hypot(b.x() - a.x(), b.y() - a.y()) - along;
        figure_.rightAngles.push_back({name, from, toP > toQ ? p : q});
        return *this;
    }

    // A point of the segment pq at the given distance from p.
    Builder& on(const QString& name, const QString& p, const QString& q, double distance,
                std::optional<QPointF> labelDirection = std::nullopt) {
        const QPointF a = at(p), b = at(q);
        figure_.points.push_back(
            {name, a + Unit(b - a) * distance, labelDirection.value_or(outward(a, b))});
        return *this;
    }

    // The crossing of the diagonals.
    Builder& centre(const QString& name, QPointF labelDirection) {
        figure_.points.push_back({name, centre_, labelDirection});
        return *this;
    }

    Builder& segment(const QString& from, const QString& to, LineStyle style = LineStyle::Solid) {
        figure_.segments.push_back({from, to, style});
        return *this;
    }

    Builder& length(const QString& from, const QString& to, double value, bool otherSide = false) {
        figure_.lengths.push_back({from, to, value, Cm(value), false, otherSide, false});
        return *this;
    }

    // The length of a side that a foot cuts in two, on a dimension line
    // beside the whole side.
    Builder& wholeLength(const QString& from, const QString& to, double value) {
        figure_.lengths.push_back({from, to, value, Cm(value), false, false, true});
        return *this;
    }

    Builder& lengthText(const QString& from, const QString& to, const QString& text,
                        bool otherSide = false) {
        figure_.lengths.push_back({from, to, std::nullopt, text, false, otherSide, false});
        return *this;
    }

    Builder& lengthInCaption(const QString& from, const QString& to, double value) {
        figure_.lengths.push_back({from, to, value,
                                   QStringLiteral("%1%2 = %3").arg(from, to, Cm(value)), true,
                                   false, false});
        return *this;
    }

    Builder& angle(const QString& vertex, const QString& from, const QString& to, double value,
                   double radius = 1, bool acrossLine = false) {
        figure_.angles.push_back({vertex, from, to, value, Degrees(value), radius, acrossLine});
        return *this;
    }

    Builder& angleText(const QString& vertex, const QString& from, const QString& to,
                       const QString& text, double radius = 1) {
        figure_.angles.push_back({vertex, from, to, std::nullopt, text, radius, false});
        return *this;
    }

    Builder& rightAngle(const QString& vertex, const QString& from, const QString& to) {
        figure_.rightAngles.push_back({vertex, from, to});
        return *this;
    }

    Builder& caption(const QString& text, Caption::Claim claim = Caption::Claim::None,
                     const QStringList& vertices = {}, double value = 0) {
        figure_.captions.push_back({text, claim, vertices, value});
        return *this;
    }

    Builder& captionBeside() {
        figure_.captionBeside = true;
        return *this;
    }

    Figure build() const { return figure_; }

private:
    QPointF at(const QString& name) const { return figure_.point(name).at; }

    // The normal of the line ab that points away from the centre.
    QPointF outward(QPointF a, QPointF b) const {
        const QPointF d = Unit(b - a);
        const QPointF normal(-d.y(), d.x());
        return QPointF::dotProduct(normal, a - centre_) >= 0 ? normal : -normal;
    }

    Figure figure_;
    QPointF centre_;
};

const QString kA = QStringLiteral("A"), kB = QStringLiteral("B"), kC = QStringLiteral("C"),
              kD = QStringLiteral("D"), kH = QStringLiteral("H"), kK = QStringLiteral("K"),
              kM = QStringLiteral("M");

Figure Figure01() {
    const auto& n = shipped::kQ01;
    const double angleA = n.angleSumAC / 2.0; // opposite angles are equal
    return Builder(200, 89, n.drawnAB, n.drawnAD, angleA)
        .angleText(kA, kB, kD, QStringLiteral("α"))
        .angleText(kB, kC, kA, QStringLiteral("β"))
        .angleText(kC, kD, kB, QStringLiteral("γ"))
        .caption(QStringLiteral("α + γ = %1").arg(Degrees(n.angleSumAC)), Caption::Claim::AngleSum,
                 {kA, kC}, n.angleSumAC)
        .caption(QStringLiteral("β = ?"))
        .captionBeside()
        .build();
}

Figure Figure02() {
    const auto& n = shipped::kQ02;
    // The bisector of A cuts off the isosceles triangle AMD, so AD = DM.
    return Builder(183, 99, n.dm + n.mc, n.dm, n.angleA)
        .on(kM, kD, kC, n.dm)
        .segment(kA, kM)
        .length(kD, kM, n.dm)
        .length(kM, kC, n.mc)
        .angle(kA, kB, kD, n.angleA, 4, true)
        .build();
}

Figure Figure03() {
    const auto& n = shipped::kQ03;
    const double x = n.perimeter / 2.0 / (n.ratioAB + n.ratioBC);
    return Builder(183, 86, n.ratioAB * x, n.ratioBC * x, n.drawnAngleA)
        .lengthText(kA, kB, QStringLiteral("%1x").arg(n.ratioAB))
        .lengthText(kB, kC, QStringLiteral("%1x").arg(n.ratioBC))
        .caption(QStringLiteral("P = %1").arg(Cm(n.perimeter)), Caption::Claim::Perimeter, {},
                 n.perimeter)
        .captionBeside()
        .build();
}

Figure Figure04() {
    const auto& n = shipped::kQ04;
    // The side AD and the angle A from the two diagonals and AB
    // (AC² + BD² = 2(AB² + AD²), and the law of cosines in ABD).
    const double a = n.ab;
    const double b = std::sqrt((n.ac * n.ac + n.bd * n.bd) / 2.0 - a * a);
    const double angleA = DegreesOf(std::acos((a * a + b * b - n.bd * n.bd) / (2 * a * b)));
    return Builder(120, 129, a, b, angleA)
        .centre(QStringLiteral("O"), QPointF(1, 0))
        .segment(kA, kC)
        .segment(kB, kD)
        .length(kA, kB, n.ab)
        .lengthInCaption(kA, kC, n.ac)
        .lengthInCaption(kB, kD, n.bd)
        .build();
}

Figure Figure05() {
    const auto& n = shipped::kQ05;
    return Builder(173, 109, n.ab, n.ad, n.drawnAngleA)
        .foot(kH, kD, kA, kB)
        .foot(kK, kB, kA, kD)
        .wholeLength(kA, kB, n.ab)
        .wholeLength(kA, kD, n.ad)
        .build();
}

Figure Figure08() {
    const auto& n = shipped::kQ08;
    const double angleA = DegreesOf(std::asin(double(n.dh) / n.ad));
    return Builder(198, 90, n.ab, n.ad, angleA)
        .foot(kH, kD, kA, kB)
        .wholeLength(kA, kB, n.ab)
        .length(kA, kD, n.ad)
        .length(kD, kH, n.dh, true)
        .build();
}

Figure Figure09And10() {
    const auto& n = shipped::kQ09Q10;
    return Builder(215, 120, n.ab, n.ad, n.angleA)
        .foot(kH, kD, kA, kB)
        .wholeLength(kA, kB, n.ab)
        .length(kA, kD, n.ad)
        .angle(kA, kB, kD, n.angleA, 1.6)
        .build();
}

Figure Figure11() {
    const auto& n = shipped::kQ11;
    const double angleA = DegreesOf(std::asin(double(n.dh) / n.ad));
    return Builder(220, 129, n.ab, n.ad, angleA)
        .foot(kH, kD, kA, kB)
        .foot(kK, kB, kA, kD, QPointF(-1, 0.5))
        .wholeLength(kA, kB, n.ab)
        .wholeLength(kA, kD, n.ad)
        .length(kD, kH, n.dh, true)
        .lengthText(kB, kK, QStringLiteral("?"), true)
        .build();
}

Figure Figure12() {
    const auto& n = shipped::kQ12;
    return Builder(190, 102, n.drawnAB, n.drawnAD, n.angleA)
        .foot(kH, kD, kA, kB)
        .angle(kA, kB, kD, n.angleA)
        .angleText(kD, kA, kH, QStringLiteral("?"), 1.4)
        .build();
}

Figure Figure13() {
    const auto& n = shipped::kQ13;
    // The bisector of A cuts off the isosceles triangle ABM, so AB = BM.
    return Builder(152, 91, n.bm, n.bm + n.mc, n.drawnAngleA)
        .on(kM, kB, kC, n.bm, QPointF(-1, 0.35))
        .segment(kA, kM)
        .length(kB, kM, n.bm)
        .length(kM, kC, n.mc)
        .build();
}

Figure Figure14() {
    const auto& n = shipped::kQ14;
    // Triangle ABD from its angles at B and D (law of sines).
    const double angleA = 180 - n.angleABD - n.angleADB;
    const double ad = n.drawnAB * std::sin(Radians(n.angleABD)) / std::sin(Radians(n.angleADB));
    return Builder(175, 105, n.drawnAB, ad, angleA)
        .segment(kB, kD)
        .angle(kB, kA, kD, n.angleABD, 1.6)
        .angle(kD, kA, kB, n.angleADB, 1.6)
        .angleText(kD, kA, kC, QStringLiteral("?"), 3.4)
        .build();
}

Figure Figure15() {
    const auto& n = shipped::kQ15;
    // The height BH falls on the side AD, at AH = AB·cos A from A.
    const double ab = n.ah / std::cos(Radians(n.angleA));
    return Builder(147, 99, ab, n.ah + n.hd, n.angleA)
        .foot(kH, kB, kA, kD)
        .length(kA, kH, n.ah)
        .length(kH, kD, n.hd)
        .angle(kA, kB, kD, n.angleA)
        .build();
}

Figure Figure16() {
    const auto& n = shipped::kQ16;
    const double dh = double(n.area) / n.ab;
    const double angleA = DegreesOf(std::asin(dh / n.drawnAD));
    return Builder(204, 122, n.ab, n.drawnAD, angleA)
        .foot(kH, kD, kA, kB)
        .wholeLength(kA, kB, n.ab)
        .lengthText(kD, kH, QStringLiteral("?"), true)
        .caption(QStringLiteral("S = %1").arg(SquareCm(n.area)), Caption::Claim::Area, {}, n.area)
        .captionBeside()
        .build();
}

Figure Figure17() {
    const auto& n = shipped::kQ17;
    // Triangle ABC: the angle ACB equals CAD (AD and BC are parallel); BC by
    // the law of sines.
    const double bc = n.drawnAB * std::sin(Radians(n.angleBAC)) / std::sin(Radians(n.angleCAD));
    return Builder(220, 99, n.drawnAB, bc, n.angleBAC + n.angleCAD)
        .segment(kA, kC)
        .angle(kA, kB, kC, n.angleBAC, 2.2)
        .angle(kA, kC, kD, n.angleCAD, 1.4)
        .angleText(kB, kC, kA, QStringLiteral("?"))
        .build();
}

Builder Figure18And19Base() {
    const auto& n = shipped::kQ18Q19;
    // B and C are neighbours (B + C = 180°), so A is the sum less 180°.
    return Builder(201, 134, n.drawnAB, n.drawnAD, n.angleSumABC - 180)
        .angleText(kA, kB, kD, QStringLiteral("α"))
        .angleText(kB, kC, kA, QStringLiteral("β"))
        .angleText(kC, kD, kB, QStringLiteral("γ"))
        .caption(QStringLiteral("α + β + γ = %1").arg(Degrees(n.angleSumABC)),
                 Caption::Claim::AngleSum, {kA, kB, kC}, n.angleSumABC);
}

Figure Figure18() {
    return Figure18And19Base().caption(QStringLiteral("α = ?")).build();
}

Figure Figure19() {
    return Figure18And19Base()
        .angleText(kD, kA, kC, QStringLiteral("δ"))
        .caption(QStringLiteral("δ = ?"))
        .build();
}

Figure Figure20() {
    const auto& n = shipped::kQ20;
    // BD is perpendicular to AB, so AD = AB / cos A.
    const double ad = n.ab / std::cos(Radians(n.angleA));
    return Builder(189, 102, n.ab, ad, n.angleA)
        .segment(kB, kD)
        .rightAngle(kB, kA, kD)
        .length(kA, kB, n.ab)
        .angle(kA, kB, kD, n.angleA)
        .build();
}

// The figure of the picture file named after that question.
Figure FigureOf(int question) {
    const std::map<int, Figure (*)()> figures{
        {1, Figure01},  {2, Figure02},      {3, Figure03},  {4, Figure04},  {5, Figure05},
        {8, Figure08},  {9, Figure09And10}, {11, Figure11}, {12, Figure12}, {13, Figure13},
        {14, Figure14}, {15, Figure15},     {16, Figure16}, {17, Figure17}, {18, Figure18},
        {19, Figure19}, {20, Figure20}};
    const auto figure = figures.find(question);
    if (figure == figures.end())
        throw ProgramError(
            QStringLiteral("no figure for the picture of question %1").arg(question));
    return figure->second();
}

} // namespace

std::vector<ShippedPicture> ShippedPictures() {
    std::vector<ShippedPicture> pictures;
    for (const ShippedPictureFile& file : ShippedPictureFiles())
        pictures.push_back({file, FigureOf(file.questions.front())});
    return pictures;
}

} // namespace vorn
