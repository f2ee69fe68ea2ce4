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

// The box a question's picture is fitted into, larger than the window's
// picture area so that details read on paper; an option's is smaller.
constexpr QSizeF kQuestionPictureMm(90.0, 50.0);
constexpr QSizeF kOptionPictureMm(60.0, 30.0);
// A document's image sizes count in pixels of a 96 dpi screen.
constexpr double kDocumentPixelsPerMm = 96 / 25.4;

// The picture fitted whole into `boxMm`, at the cursor (in a block of its
// own when `ownBlock`), kept in the document as `name`; false when it does
// not decode.
bool InsertPicture(QTextDocument& document, QTextCursor& cursor, const Picture& picture,
                   const QString& name, QSizeF boxMm, bool ownBlock) {
    if (!picture) return false;
    const auto decoded = DecodePicture(DrawnBytes(*picture));
    const QImage* image = std::get_if<QImage>(&decoded);
    if (!image || image->isNull()) return false;
    const QSizeF mm = QSizeF(image->size()).scaled(boxMm, Qt::KeepAspectRatio);
    // No more pixels than the printer prints: a large photo would only
    // swell the file.
    const QSize printed(qRound(PrintPixels(mm.width())), qRound(PrintPixels(mm.height())));
    document.addResource(
        QTextDocument::ImageResource, QUrl(name),
        image->width() > printed.width()
            ? image->scaled(printed, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            : *image);
    if (ownBlock) cursor.insertBlock();
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(mm.width() * kDocumentPixelsPerMm);
    format.setHeight(mm.height() * kDocumentPixelsPerMm);
    cursor.insertImage(format);
    return true;
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
    InsertPicture(*document, cursor, run.question(question).picture,
                  QStringLiteral("vorn-picture:question"), kQuestionPictureMm, true);
    QTextBlockFormat option;
    option.setLeftMargin(PrintPixels(8));
    option.setTextIndent(-PrintPixels(6));
    option.setTopMargin(PrintPixels(1));
    for (int slot = 0; slot < run.optionCount(question); ++slot) {
        cursor.insertBlock(option);
        cursor.insertText(QStringLiteral("%1) ").arg(SlotLetter(slot)), bold);
        // A picture option prints its picture; its name only where it does not decode.
        if (!InsertPicture(*document, cursor, run.optionPicture(question, slot),
                           QStringLiteral("vorn-picture:option-%1").arg(slot), kOptionPictureMm,
                           false))
            cursor.insertText(run.optionText(question, slot), QTextCharFormat());
    }
    return document;
}

} // namespace vorn
