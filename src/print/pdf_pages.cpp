#include "pdf_pages.h"

#include <QPageLayout>
#include <QPageSize>

namespace vorn {

PdfPages::PdfPages(const QString& title) : buffer_(&bytes_) {
    buffer_.open(QIODevice::WriteOnly);
    writer_ = std::make_unique<QPdfWriter>(&buffer_);
    writer_->setResolution(kPrintDpi);
    writer_->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    writer_->setTitle(title);
    writer_->setCreator(QStringLiteral("vorn-player"));
    painter_.begin(writer_.get());
    painter_.setRenderHint(QPainter::Antialiasing);
}

void PdfPages::beginMillimetres() {
    painter_.save();
    painter_.scale(PrintPixels(1), PrintPixels(1));
}

void PdfPages::newPage() {
    writer_->newPage();
}

QByteArray PdfPages::finish() {
    painter_.end();
    buffer_.close();
    return bytes_;
}

} // namespace vorn
