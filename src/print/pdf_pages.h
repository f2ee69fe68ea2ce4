#pragma once
// An A4 PDF made in memory with QPdfWriter at 300 dpi, fonts embedded (as
// subsets), without margins: each document places its own content.

#include <QBuffer>
#include <QByteArray>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <memory>

namespace vorn {

inline constexpr int kPrintDpi = 300;

class PdfPages {
public:
    explicit PdfPages(const QString& title);
    PdfPages(const PdfPages&) = delete;
    PdfPages& operator=(const PdfPages&) = delete;

    // The painter in device pixels (300 a inch), on the current page.
    QPainter& painter() { return painter_; }
    QPdfWriter& device() { return *writer_; }
    // A painter scaled to millimetres of the page, until restore().
    void beginMillimetres();
    void newPage();
    // The file's bytes; no more pages after this.
    QByteArray finish();

private:
    QByteArray bytes_;
    QBuffer buffer_;
    std::unique_ptr<QPdfWriter> writer_;
    QPainter painter_;
};

// Device pixels of the print for `mm` millimetres.
inline double PrintPixels(double mm) {
    return mm * kPrintDpi / 25.4;
}

} // namespace vorn
