#include "variants_document.h"

#include "millimetre_text.h"
#include "paper/sheet_layout.h"
#include "pdf_pages.h"
#include "question_block.h"

#include <algorithm>

namespace vorn {

namespace {

constexpr double kMarginMm = 18.0;
constexpr double kGapMm = 6.0;
constexpr double kHeadingMm = 24.0;

// Pages of one variant: a small line at each foot says whose page it is.
class VariantPages {
public:
    VariantPages(PdfPages& pages, const PrintPlan& plan, const PaperVariant& variant)
        : pages_(pages), plan_(plan), variant_(variant) {}

    void paintHeading() {
        QPainter& painter = pages_.painter();
        pages_.beginMillimetres();
        const double width = kPageWidthMm - 2 * kMarginMm;
        DrawText(painter, QRectF(kMarginMm, kMarginMm, width, 9), Qt::AlignLeft | Qt::AlignVCenter,
                 plan_.bankTitle, {.heightMm = 6.0, .bold = true});
        DrawText(
            painter, QRectF(kMarginMm, kMarginMm + 9, width, 7), Qt::AlignLeft | Qt::AlignVCenter,
            QStringLiteral("Вариант %1").arg(variant_.number), {.heightMm = 5.0, .bold = true});
        DrawText(painter, QRectF(kMarginMm, kMarginMm + 16, width, 5),
                 Qt::AlignLeft | Qt::AlignVCenter,
                 QStringLiteral("Отбелязвайте отговорите в листа за отговори на вариант %1.")
                     .arg(variant_.number),
                 {.heightMm = 3.4, .colour = QColor(60, 60, 60)});
        painter.restore();
        top_ = PrintPixels(kMarginMm + kHeadingMm);
        paintFoot();
    }

    // Room for `height` pixels, on a new page when this one has too little
    // and a new one would hold it (or this one is already fresh).
    double place(double height) {
        const double bottom = PrintPixels(kPageHeightMm - kMarginMm);
        if (top_ + height > bottom && top_ > PrintPixels(kMarginMm)) {
            pages_.newPage();
            top_ = PrintPixels(kMarginMm);
            paintFoot();
        }
        const double at = top_;
        top_ += height + PrintPixels(kGapMm);
        return at;
    }

private:
    void paintFoot() {
        ++page_;
        pages_.beginMillimetres();
        DrawText(pages_.painter(),
                 QRectF(kMarginMm, kPageHeightMm - kMarginMm + 4, kPageWidthMm - 2 * kMarginMm, 5),
                 Qt::AlignRight | Qt::AlignVCenter,
                 QStringLiteral("Вариант %1 · страница %2").arg(variant_.number).arg(page_),
                 {.heightMm = 3.0, .colour = QColor(90, 90, 90)});
        pages_.painter().restore();
    }

    PdfPages& pages_;
    const PrintPlan& plan_;
    const PaperVariant& variant_;
    double top_ = 0;
    int page_ = 0;
};

constexpr double kContentHeightMm = kPageHeightMm - 2 * kMarginMm;

// The part of `block` from `offset` down, `height` high, at `top`.
void PaintSlice(QPainter& painter, QTextDocument& block, double top, double offset, double height) {
    painter.save();
    painter.translate(PrintPixels(kMarginMm), top - offset);
    block.drawContents(&painter, QRectF(0, offset, block.textWidth(), height));
    painter.restore();
}

// A question on the variant's pages: whole where it fits on one; taller
// than a page, laid out as pages of its own (no line cut in two) and
// printed a page at a time.
void PaintQuestion(QTextDocument& block, VariantPages& pages, QPainter& painter) {
    const double pageHeight = PrintPixels(kContentHeightMm);
    if (block.size().height() > pageHeight)
        block.setPageSize(QSizeF(block.textWidth(), pageHeight));
    const double height = block.size().height();
    for (double offset = 0; offset < height; offset += pageHeight) {
        const double slice = std::min(pageHeight, height - offset);
        PaintSlice(painter, block, pages.place(slice), offset, slice);
    }
}

} // namespace

QByteArray VariantsDocument(const PrintPlan& plan) {
    PdfPages pages(QStringLiteral("%1 — варианти").arg(plan.bankTitle));
    const double width = PrintPixels(kPageWidthMm - 2 * kMarginMm);
    bool first = true;
    for (const PaperVariant& variant : plan.variants) {
        if (!std::exchange(first, false)) pages.newPage();
        VariantPages variantPages(pages, plan, variant);
        variantPages.paintHeading();
        for (int position = 0; position < variant.run.questionCount(); ++position) {
            const auto block = QuestionBlock(variant.run, position, pages.device(), width);
            PaintQuestion(*block, variantPages, pages.painter());
        }
    }
    return pages.finish();
}

} // namespace vorn
