#include "sheet_painter.h"

#include "mark_examples.h"
#include "millimetre_text.h"
#include "paper/paper_variant.h"
#include "paper/sheet_instructions.h"
#include "paper/sheet_layout.h"
#include "qr_symbol.h"

#include <QPen>
#include <stdexcept>

namespace vorn {

namespace {

// The letters inside a bubble light, as its outline is thin: an empty bubble
// must stay far lighter than a filled one for the scanner.
const QColor kFaint(153, 153, 153);
constexpr double kLabelColumnMm = 34.0;

void PaintBubble(QPainter& painter, const QPointF& centre, const QString& label) {
    painter.setPen(QPen(kBubbleOutline, kBubbleOutlineMm));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, kBubbleRadiusMm, kBubbleRadiusMm);
    const QRectF box(centre - QPointF(kBubbleRadiusMm, kBubbleRadiusMm),
                     QSizeF(2 * kBubbleRadiusMm, 2 * kBubbleRadiusMm));
    DrawText(painter, box, Qt::AlignCenter, label, {.heightMm = 2.8, .colour = kFaint});
}

void PaintCornerMarks(QPainter& painter) {
    for (const QPointF& centre : CornerMarkCentres()) {
        const QPointF half(kCornerMarkSideMm / 2, kCornerMarkSideMm / 2);
        painter.fillRect(QRectF(centre - half, centre + half), Qt::black);
    }
}

void PaintHeading(QPainter& painter, const SheetContent& sheet) {
    const QRectF area = HeadingArea();
    const double half = area.height() / 2;
    DrawText(painter, QRectF(area.topLeft(), QSizeF(area.width(), half)),
             Qt::AlignLeft | Qt::AlignVCenter, sheet.bankTitle, {.heightMm = 5.0, .bold = true});
    DrawText(painter, QRectF(area.left(), area.top() + half, area.width(), half),
             Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Вариант %1").arg(sheet.variant),
             {.heightMm = 4.5, .bold = true});
}

void PaintCode(QPainter& painter, const SheetCode& code) {
    const QRectF area = SheetCodeArea();
    QrSymbol(SheetCodeText(code)).paint(painter, area);
    DrawText(painter, QRectF(area.left() - 10, area.bottom() + 0.5, area.width() + 20, 4),
             Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Лист %1").arg(code.sheetId),
             {.heightMm = 2.6, .colour = QColor(90, 90, 90)});
}

// One line of the student's strip: the label, then the printed value or a
// rule to write on.
void PaintStudentLine(QPainter& painter, const QRectF& line, const QString& label,
                      const std::optional<QString>& value) {
    const QRectF labelBox(line.left(), line.top(), kLabelColumnMm, line.height());
    DrawText(painter, labelBox, Qt::AlignLeft | Qt::AlignBottom, label + u':',
             {.heightMm = 3.5, .colour = QColor(60, 60, 60)});
    const QRectF valueBox(line.left() + kLabelColumnMm, line.top(), line.width() - kLabelColumnMm,
                          line.height());
    if (value) {
        DrawText(painter, valueBox, Qt::AlignLeft | Qt::AlignBottom, *value,
                 {.heightMm = 4.5, .bold = true});
        return;
    }
    painter.setPen(QPen(kBubbleOutline, kBubbleOutlineMm));
    painter.drawLine(valueBox.bottomLeft(), valueBox.bottomRight());
}

void PaintNumberBubbles(QPainter& painter) {
    const QString rows[2] = {QStringLiteral("десетици"), QStringLiteral("единици")};
    for (int column = 0; column < 2; ++column) {
        const QPointF first = NumberBubbleCentre(column, 0);
        DrawText(painter, QRectF(first.x() - kBubbleRadiusMm - 26, first.y() - 2.5, 24, 5),
                 Qt::AlignRight | Qt::AlignVCenter, rows[column],
                 {.heightMm = 3.0, .colour = QColor(60, 60, 60)});
        for (int digit = 0; digit <= 9; ++digit)
            PaintBubble(painter, NumberBubbleCentre(column, digit), QString::number(digit));
    }
}

void PaintStudent(QPainter& painter, const std::optional<Student>& student) {
    const QRectF area = StudentArea();
    const double pitch = area.height() / 3;
    const auto line = [&](int index) {
        return QRectF(area.left(), area.top() + index * pitch, area.width(), pitch - 1.5);
    };
    const auto value = [&](QString Student::*field) -> std::optional<QString> {
        if (!student) return std::nullopt;
        return (*student).*field;
    };
    PaintStudentLine(painter, line(0), QStringLiteral("Име и фамилия"), value(&Student::name));
    PaintStudentLine(painter, line(1), QStringLiteral("Клас"), value(&Student::className));
    PaintStudentLine(painter, line(2), QStringLiteral("Номер в класа"), value(&Student::number));
    if (!student) PaintNumberBubbles(painter);
}

void PaintInstructions(QPainter& painter) {
    const QRectF area = InstructionsArea();
    DrawText(painter, area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
             SheetInstructions().join(u'\n'), {.heightMm = 3.2});
    PaintMarkExamples(painter, {area.left(), area.bottom() - kBubbleRadiusMm - 2});
}

void PaintRows(QPainter& painter, const std::vector<int>& optionCounts) {
    for (int position = 0; position < static_cast<int>(optionCounts.size()); ++position) {
        const QPointF anchor = RowLabelAnchor(position);
        DrawText(painter, QRectF(anchor.x() - 12, anchor.y() - 2.5, 12, 5),
                 Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1.").arg(position + 1),
                 {.heightMm = 3.6, .bold = true});
        const int letters =
            std::clamp(optionCounts[static_cast<std::size_t>(position)], 0, kSheetLetters);
        for (int letter = 0; letter < letters; ++letter)
            PaintBubble(painter, BubbleCentre(position, letter), SlotLetter(letter));
    }
}

} // namespace

void PaintSheet(QPainter& painter, const SheetContent& sheet) {
    if (static_cast<int>(sheet.optionCounts.size()) > kSheetRows)
        throw std::length_error("PaintSheet: more rows than a sheet holds");
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PaintCornerMarks(painter);
    PaintCode(painter, sheet.code);
    PaintHeading(painter, sheet);
    PaintStudent(painter, sheet.code.student);
    PaintInstructions(painter);
    PaintRows(painter, sheet.optionCounts);
    painter.restore();
}

QImage RenderSheet(const SheetContent& sheet, double dpi) {
    const double pixelsPerMm = dpi / 25.4;
    QImage page(qRound(kPageWidthMm * pixelsPerMm), qRound(kPageHeightMm * pixelsPerMm),
                QImage::Format_RGB32);
    const int dotsPerMetre = qRound(dpi / 0.0254);
    page.setDotsPerMeterX(dotsPerMetre);
    page.setDotsPerMeterY(dotsPerMetre);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        painter.scale(pixelsPerMm, pixelsPerMm);
        PaintSheet(painter, sheet);
    }
    return page.convertToFormat(QImage::Format_Grayscale8);
}

} // namespace vorn
