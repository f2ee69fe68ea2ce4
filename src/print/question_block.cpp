#include "question_block.h"

#include "bank/bank_pictures.h"
#include "millimetre_text.h"
#include "paper/paper_variant.h"
#include "pdf_pages.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextImageFormat>
#include <QUrl>

namespace vorn {

namespace {

// The box a picture is fitted into, larger than the window's picture area
// so that details read on paper.
constexpr double kPictureWidthMm = 90.0;
constexpr double kPictureHeightMm = 50.0;
// A document's image sizes count in pixels of a 96 dpi screen.
constexpr double kDocumentPixelsPerMm = 96 / 25.4;

void InsertPicture(QTextDocument& document, QTextCursor& cursor, const Picture& picture) {
    if (!picture) return;
    const auto decoded = DecodePicture(picture->encoded);
    const QImage* image = std::get_if<QImage>(&decoded);
    if (!image || image->isNull()) return;
    const QSizeF mm =
        QSizeF(image->size()).scaled(kPictureWidthMm, kPictureHeightMm, Qt::KeepAspectRatio);
    // No more pixels than the printer prints: a large photo would only
    // swell the file.
    const QSize printed(qRound(PrintPixels(mm.width())), qRound(PrintPixels(mm.height())));
    const QUrl name(QStringLiteral("vorn-picture:question"));
    document.addResource(
        QTextDocument::ImageResource, name,
        image->width() > printed.width()
            ? image->scaled(printed, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            : *image);
    cursor.insertBlock();
    QTextImageFormat format;
    format.setName(name.toString());
    format.setWidth(mm.width() * kDocumentPixelsPerMm);
    format.setHeight(mm.height() * kDocumentPixelsPerMm);
    cursor.insertImage(format);
}

} // namespace

std::unique_ptr<QTextDocument> QuestionBlock(const Attempt& run, int position, QPaintDevice& device,
                                             double widthPixels) {
    auto document = std::make_unique<QTextDocument>();
    document->documentLayout()->setPaintDevice(&device);
    document->setDefaultFont(QFont(kSerifFamily, 11));
    document->setTextWidth(widthPixels);
    document->setDocumentMargin(0);
    const int question = run.questionAt(position);
    QTextCursor cursor(document.get());
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("%1. ").arg(position + 1), bold);
    cursor.insertText(run.question(question).text, QTextCharFormat());
    InsertPicture(*document, cursor, run.question(question).picture);
    QTextBlockFormat option;
    option.setLeftMargin(PrintPixels(8));
    option.setTextIndent(-PrintPixels(6));
    option.setTopMargin(PrintPixels(1));
    for (int slot = 0; slot < run.optionCount(question); ++slot) {
        cursor.insertBlock(option);
        cursor.insertText(QStringLiteral("%1) ").arg(SlotLetter(slot)), bold);
        cursor.insertText(run.optionText(question, slot), QTextCharFormat());
    }
    return document;
}

} // namespace vorn
