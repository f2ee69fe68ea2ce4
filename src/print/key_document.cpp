#include "key_document.h"

#include "millimetre_text.h"
#include "paper/sheet_layout.h"
#include "pdf_pages.h"

namespace vorn {

namespace {

constexpr double kKeyMarginMm = 18.0;
constexpr double kRowMm = 6.0;
constexpr int kRowsPerKeyColumn = 10;
constexpr double kKeyColumnMm = 58.0;

double BlockHeight(const Attempt& run) {
    const int rows = std::min(run.questionCount(), kRowsPerKeyColumn);
    return 20.0 + rows * kRowMm + (run.checkCopy() ? 8.0 : 0.0) + 8.0;
}

int PositionOf(const Attempt& run, int question) {
    for (int position = 0; position < run.questionCount(); ++position)
        if (run.questionAt(position) == question) return position;
    return -1;
}

void PaintVariantKey(QPainter& painter, const PaperVariant& variant, double top) {
    const double width = kPageWidthMm - 2 * kKeyMarginMm;
    DrawText(painter, QRectF(kKeyMarginMm, top, width, 7), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Вариант %1").arg(variant.number), {.heightMm = 5.0, .bold = true});
    DrawText(painter, QRectF(kKeyMarginMm, top + 8, width, 5), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Начално число на варианта: %1").arg(variant.seed),
             {.heightMm = 3.2, .colour = QColor(70, 70, 70)});
    const Attempt& run = variant.run;
    const double tableTop = top + 16;
    for (int position = 0; position < run.questionCount(); ++position) {
        const double x = kKeyMarginMm + (position / kRowsPerKeyColumn) * kKeyColumnMm;
        const double y = tableTop + (position % kRowsPerKeyColumn) * kRowMm;
        DrawText(painter, QRectF(x, y, 12, kRowMm), Qt::AlignRight | Qt::AlignVCenter,
                 QStringLiteral("%1.").arg(position + 1), {.heightMm = 4.0});
        DrawText(painter, QRectF(x + 15, y, 10, kRowMm), Qt::AlignLeft | Qt::AlignVCenter,
                 KeyLetter(run, position), {.heightMm = 4.5, .bold = true});
        DrawText(
            painter, QRectF(x + 24, y, 32, kRowMm), Qt::AlignLeft | Qt::AlignVCenter,
            QStringLiteral("(въпрос %1 от банката)").arg(run.bankNumber(run.questionAt(position))),
            {.heightMm = 2.8, .colour = QColor(90, 90, 90)});
    }
    if (const auto copy = run.checkCopy()) {
        const double y = tableTop + std::min(run.questionCount(), kRowsPerKeyColumn) * kRowMm + 2;
        DrawText(painter, QRectF(kKeyMarginMm, y, width, 5), Qt::AlignLeft | Qt::AlignVCenter,
                 QStringLiteral("Контролен въпрос: на %1 и %2 е един и същ въпрос; двата "
                                "отговора трябва да съвпадат.")
                     .arg(std::min(PositionOf(run, 0), PositionOf(run, *copy)) + 1)
                     .arg(std::max(PositionOf(run, 0), PositionOf(run, *copy)) + 1),
                 {.heightMm = 3.2});
    }
}

} // namespace

QString KeyLetter(const Attempt& run, int position) {
    const auto slot = run.keySlot(run.questionAt(position));
    return slot ? QString(SlotLetter(*slot)) : QStringLiteral("—");
}

QByteArray KeyDocument(const PrintPlan& plan) {
    PdfPages pages(QStringLiteral("%1 — ключ").arg(plan.bankTitle));
    pages.beginMillimetres();
    QPainter& painter = pages.painter();
    const double width = kPageWidthMm - 2 * kKeyMarginMm;
    DrawText(painter, QRectF(kKeyMarginMm, kKeyMarginMm, width, 8),
             Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Ключ: %1").arg(plan.bankTitle),
             {.heightMm = 6.0, .bold = true});
    DrawText(painter, QRectF(kKeyMarginMm, kKeyMarginMm + 9, width, 5),
             Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Отпечатване %1; същите варианти дава --seed %2. Само за учителя.")
                 .arg(plan.printId)
                 .arg(plan.printSeed),
             {.heightMm = 3.2, .colour = QColor(70, 70, 70)});
    double top = kKeyMarginMm + 20;
    for (const PaperVariant& variant : plan.variants) {
        const double height = BlockHeight(variant.run);
        if (top + height > kPageHeightMm - kKeyMarginMm) {
            painter.restore();
            pages.newPage();
            pages.beginMillimetres();
            top = kKeyMarginMm;
        }
        PaintVariantKey(painter, variant, top);
        top += height;
    }
    painter.restore();
    return pages.finish();
}

} // namespace vorn
