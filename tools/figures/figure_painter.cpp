#include "figure_painter.h"

#include "axis_fit.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vorn {

namespace {

constexpr double kMargin = 15;    // pixels kept free around the drawing for labels
constexpr double kArcRadius = 11; // pixels, for an angle mark of radius 1
constexpr double kRightAngle = 6; // pixels, side of a right-angle mark
constexpr double kGap = 2;        // pixels between a label and what it names
constexpr double kDimension = 21; // pixels from a side to its dimension line, past the names
constexpr double kTick = 3;       // pixels each way of the ticks that end a dimension line
constexpr double kEdge = 2;       // pixels kept free at the picture's edge

QFont Font(double pixels) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(static_cast<int>(pixels));
    return font;
}

QPointF Unit(QPointF v) {
    const double length = std::hypot(v.x(), v.y());
    return length > 0 ? v / length : QPointF(0, -1);
}

// How far a box of that size reaches along a unit direction from its centre.
double Reach(QPointF direction, QSizeF size) {
    return (std::abs(direction.x()) * size.width() + std::abs(direction.y()) * size.height()) / 2;
}

// The unit normal of ab towards the side its length is written on: away from
// the centre, or towards it for a mark on the other side.
QPointF LabelSide(QPointF a, QPointF b, QPointF centre, bool otherSide) {
    const QPointF middle = a + (b - a) * 0.5;
    const QPointF along = Unit(b - a);
    QPointF normal(-along.y(), along.x());
    const bool awayFromCentre = QPointF::dotProduct(normal, middle - centre) >= 0;
    if (awayFromCentre == otherSide) normal = -normal;
    return normal;
}

class Painter {
public:
    Painter(const Figure& figure, QImage& image) : figure_(figure), p_(&image) {
        p_.setRenderHint(QPainter::Antialiasing);
        p_.setRenderHint(QPainter::TextAntialiasing);
        layOut();
    }

    void paint() {
        drawSegments();
        drawOutline();
        drawRightAngles();
        drawAngles();
        drawLengths();
        drawNames();
        drawCaptions();
    }

private:
    QStringList captionLines() const {
        QStringList lines;
        for (const LengthMark& mark : figure_.lengths)
            if (mark.inCaption) lines << mark.text;
        for (const Caption& caption : figure_.captions)
            lines << caption.text;
        return lines;
    }

    // The scale and place of the drawing: as large as fits beside or below
    // the caption, centred in what is left.
    void layOut() {
        const QFontMetricsF metrics(Font(kValueSize));
        const QStringList lines = captionLines();
        double captionWidth = 0;
        for (const QString& line : lines)
            captionWidth = std::max(captionWidth, metrics.horizontalAdvance(line));
        QRectF area(0, 0, figure_.width, figure_.height);
        if (!lines.isEmpty()) {
            if (figure_.captionBeside) {
                captionBox_ =
                    QRectF(figure_.width - captionWidth - 6, 0, captionWidth + 6, figure_.height);
                area.setRight(captionBox_.left());
            } else {
                captionBox_ = QRectF(0, 0, figure_.width, lines.size() * metrics.height() + 4);
                area.setTop(captionBox_.bottom());
            }
        }
        // The points with kMargin around them for their names and labels;
        // dimension lines stand further out and only keep kEdge to the edge.
        std::vector<AxisSpan> across, down;
        const auto add = [&](QPointF at, const QRectF& pixels) {
            const double slack = kMargin - kEdge;
            across.push_back({at.x(), pixels.left() + slack, pixels.right() - slack});
            down.push_back({at.y(), pixels.top() + slack, pixels.bottom() - slack});
        };
        for (const FigurePoint& point : figure_.points) {
            across.push_back({point.at.x()});
            down.push_back({-point.at.y()});
        }
        for (const LengthMark& mark : figure_.lengths)
            if (mark.dimensionLine && !mark.inCaption) {
                // In drawing units with y down, so directions are as in the picture.
                const QPointF a = flat(mark.from), b = flat(mark.to);
                const QPointF normal = LabelSide(a, b, flatCentre(), mark.otherSide);
                const QPointF end = normal * (kDimension + kTick);
                add(a, QRectF(end, end));
                add(b, QRectF(end, end));
                const QSizeF box = QFontMetricsF(Font(kValueSize)).boundingRect(mark.text).size();
                const QPointF textCentre =
                    beside(normal * kDimension, normal, mark.text, kValueSize);
                add(a + (b - a) * 0.5,
                    QRectF(textCentre - QPointF(box.width() / 2, box.height() / 2), box));
            }
        const QRectF inner = area.adjusted(kMargin, kMargin, -kMargin, -kMargin);
        scale_ = std::min(LargestScale(across, inner.width()), LargestScale(down, inner.height()));
        origin_ = QPointF(CentredOrigin(across, scale_, inner.center().x()),
                          CentredOrigin(down, scale_, inner.center().y()));
        QPointF sum;
        for (int i = 0; i < 4; ++i)
            sum += at(figure_.points[static_cast<std::size_t>(i)].name);
        centre_ = sum / 4;
    }

    // A named point in drawing units with y down: the picture before scaling.
    QPointF flat(const QString& name) const {
        const QPointF p = figure_.point(name).at;
        return QPointF(p.x(), -p.y());
    }

    QPointF flatCentre() const {
        QPointF sum;
        for (int i = 0; i < 4; ++i)
            sum += flat(figure_.points[static_cast<std::size_t>(i)].name);
        return sum / 4;
    }

    // Picture coordinates (y down) of a named point.
    QPointF at(const QString& name) const {
        const QPointF p = figure_.point(name).at;
        return QPointF(origin_.x() + p.x() * scale_, origin_.y() - p.y() * scale_);
    }

    // Writes a text centred at `centre`; on a white ground where it covers a line.
    void text(QPointF centre, const QString& text, double size, bool whiteGround = false) {
        p_.setFont(Font(size));
        const QSizeF box = QFontMetricsF(p_.font()).boundingRect(text).size();
        QRectF rect(centre - QPointF(box.width() / 2, box.height() / 2), box);
        // Kept inside the picture; a text wider than the picture starts at its left edge.
        rect.moveLeft(std::max(1.0, std::min(rect.left(), figure_.width - rect.width() - 1)));
        rect.moveTop(std::max(0.0, std::min(rect.top(), figure_.height - rect.height())));
        if (whiteGround) p_.fillRect(rect, Qt::white);
        p_.drawText(rect, Qt::AlignCenter, text);
    }

    // The centre of a text of that size that sits beside `point`, towards `direction`.
    QPointF beside(QPointF point, QPointF direction, const QString& text, double size) const {
        const QSizeF box = QFontMetricsF(Font(size)).boundingRect(text).size();
        return point + direction * (kGap + Reach(direction, box));
    }

    void drawOutline() {
        QPolygonF outline;
        for (int i = 0; i < 4; ++i)
            outline << at(figure_.points[static_cast<std::size_t>(i)].name);
        p_.setPen(QPen(Qt::black, 1.6));
        p_.setBrush(Qt::NoBrush);
        p_.drawPolygon(outline);
    }

    void drawSegments() {
        for (const FigureSegment& segment : figure_.segments) {
            QPen pen(Qt::black, 1.1);
            if (segment.style == LineStyle::Dashed) pen.setDashPattern({4, 3});
            p_.setPen(pen);
            p_.drawLine(at(segment.from), at(segment.to));
        }
    }

    void drawRightAngles() {
        p_.setPen(QPen(Qt::black, 0.9));
        for (const RightAngleMark& mark : figure_.rightAngles) {
            const QPointF v = at(mark.vertex);
            const QPointF u = Unit(at(mark.from) - v) * kRightAngle;
            const QPointF w = Unit(at(mark.to) - v) * kRightAngle;
            p_.drawPolyline(QPolygonF{v + u, v + u + w, v + w});
        }
    }

    void drawAngles() {
        for (const AngleMark& mark : figure_.angles) {
            const QPointF v = at(mark.vertex);
            // Angles as Qt's arcs count them: counterclockwise on the screen.
            const auto direction = [&](const QString& name) {
                const QPointF d = at(name) - v;
                return std::atan2(-d.y(), d.x()) * 180 / std::numbers::pi;
            };
            const double start = direction(mark.from);
            double sweep = direction(mark.to) - start;
            while (sweep > 180)
                sweep -= 360;
            while (sweep <= -180)
                sweep += 360;
            const double r = kArcRadius * mark.radius;
            const QRectF circle(v.x() - r, v.y() - r, 2 * r, 2 * r);
            QPainterPath arc;
            arc.arcMoveTo(circle, start);
            arc.arcTo(circle, start, sweep);
            p_.setPen(QPen(Qt::black, 0.9));
            p_.drawPath(arc);
            const double textAngle = (start + sweep * 0.5) * std::numbers::pi / 180;
            const QPointF toward(std::cos(textAngle), -std::sin(textAngle));
            text(beside(v + toward * r, toward, mark.text, kValueSize), mark.text, kValueSize,
                 mark.acrossLine);
        }
    }

    void drawLengths() {
        for (const LengthMark& mark : figure_.lengths) {
            if (mark.inCaption) continue;
            const QPointF a = at(mark.from), b = at(mark.to);
            const QPointF middle = a + (b - a) * 0.5;
            const QPointF normal = LabelSide(a, b, centre_, mark.otherSide);
            if (!mark.dimensionLine) {
                text(beside(middle, normal, mark.text, kValueSize), mark.text, kValueSize);
                continue;
            }
            // A line beside the whole segment, past the names of its points,
            // ended by ticks, with the text beyond its middle.
            const QPointF shift = normal * kDimension;
            p_.setPen(QPen(Qt::black, 0.9));
            p_.drawLine(a + shift, b + shift);
            for (const QPointF end : {a + shift, b + shift})
                p_.drawLine(end - normal * kTick, end + normal * kTick);
            text(beside(middle + shift, normal, mark.text, kValueSize), mark.text, kValueSize);
        }
    }

    void drawNames() {
        for (const FigurePoint& point : figure_.points) {
            const QPointF direction =
                Unit(QPointF(point.labelDirection.x(), -point.labelDirection.y()));
            text(beside(at(point.name), direction, point.name, kNameSize), point.name, kNameSize);
        }
    }

    void drawCaptions() {
        p_.setFont(Font(kValueSize));
        const double line = QFontMetricsF(p_.font()).height();
        double y = captionBox_.top() + 3;
        if (figure_.captionBeside) y = captionBox_.center().y() - captionLines().size() * line / 2;
        for (const QString& caption : captionLines()) {
            p_.drawText(QRectF(captionBox_.left() + 3, y, captionBox_.width() - 3, line),
                        Qt::AlignLeft | Qt::AlignVCenter, caption);
            y += line;
        }
    }

    static constexpr double kNameSize = 12;
    static constexpr double kValueSize = 10;

    const Figure& figure_;
    QPainter p_;
    QRectF captionBox_;
    double scale_ = 1;
    QPointF origin_;
    QPointF centre_;
};

} // namespace

QImage PaintFigure(const Figure& figure) {
    QImage image(figure.width, figure.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        Painter painter(figure, image);
        painter.paint();
    }
    return image;
}

} // namespace vorn
