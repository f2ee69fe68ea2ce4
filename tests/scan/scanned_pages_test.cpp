// Loading scanned files: every page of a multi-page TIFF and of a PDF, in
// order; what is not a scan, or is too large to be one, refused in words.

#include "scan/sheet_scanner.h"
#include "support/pictures.h"
#include "support/tiff_pages.h"

#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vorn {
namespace {

QImage GreyFilled(int width, int height, int grey) {
    QImage image(width, height, QImage::Format_Grayscale8);
    image.fill(QColor(grey, grey, grey));
    return image;
}

QString Written(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

// The build's own rendering program unless named, with the scan's own wait
// for each page: a loaded machine still renders in time.
PdfRenderer Renderer(const QString& program = VORN_PDF_PAGES_PATH,
                     std::chrono::milliseconds stall = PdfRenderer{}.stall) {
    return {.program = program, .stall = stall};
}

std::vector<ScannedPage> Pages(const QString& file) {
    auto loaded = LoadScannedPages(file, Renderer());
    if (auto* problem = std::get_if<QString>(&loaded)) ADD_FAILURE() << problem->toStdString();
    auto* pages = std::get_if<std::vector<ScannedPage>>(&loaded);
    return pages ? *pages : std::vector<ScannedPage>{};
}

QString Problem(const QString& file, const PdfRenderer& renderer = Renderer()) {
    auto loaded = LoadScannedPages(file, renderer);
    auto* problem = std::get_if<QString>(&loaded);
    return problem ? *problem : QString();
}

// Fault: only a TIFF's first page read, or its pages out of order.
TEST(ScannedPages, EveryPageOfATiffInOrder) {
    QTemporaryDir dir;
    const QString file =
        Written(dir, QStringLiteral("pile.tif"),
                test::MultiPageTiff(
                    {GreyFilled(30, 40, 10), GreyFilled(50, 20, 128), GreyFilled(8, 8, 240)}));
    const auto pages = Pages(file);
    ASSERT_EQ(pages.size(), 3u);
    const QSize sizes[] = {{30, 40}, {50, 20}, {8, 8}};
    const int greys[] = {10, 128, 240};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(pages[i].source, (ScanSource{file, i + 1}));
        EXPECT_EQ(pages[i].image.size(), sizes[i]);
        EXPECT_EQ(qGray(pages[i].image.pixel(2, 2)), greys[i]);
    }
}

// Faults: a PDF's later pages lost; pages rendered at another resolution;
// the unpainted page rendered transparent, hence black once grey.
TEST(ScannedPages, EveryPageOfAPdfRenderedInGreyOnWhite) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("copier.pdf"));
    {
        QPdfWriter writer(file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(300);
        QPainter painter(&writer);
        painter.fillRect(QRect(0, 0, 300, 300), Qt::black); // the first inch square
        writer.newPage();
        painter.fillRect(QRect(300, 300, 300, 300), Qt::black);
    }
    const auto pages = Pages(file);
    ASSERT_EQ(pages.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(pages[i].source, (ScanSource{file, i + 1}));
        // A4 is 8.27 x 11.69 inches.
        EXPECT_NEAR(pages[i].image.width(), 2480, 2);
        EXPECT_NEAR(pages[i].image.height(), 3508, 2);
        EXPECT_EQ(pages[i].image.format(), QImage::Format_Grayscale8);
        EXPECT_GT(qGray(pages[i].image.pixel(2000, 3000)), 250);
    }
    EXPECT_LT(qGray(pages[0].image.pixel(150, 150)), 10);
    EXPECT_GT(qGray(pages[1].image.pixel(150, 150)), 250);
    EXPECT_LT(qGray(pages[1].image.pixel(450, 450)), 10);
}

// Faults: a name's extension trusted over the content; a picture of any
// size or page count decoded (a hostile file's memory and time); a missing file
// or a text reported as an empty pile; a PDF that keeps the library busy
// without end (its page tree leads back into itself) hung the scan; a
// rendering program that dies or is missing taken for a PDF without pages.
TEST(ScannedPages, WhatIsNotAScanIsRefusedAndSaysWhy) {
    QTemporaryDir dir;
    const QString png =
        Written(dir, QStringLiteral("scan.jpg"), test::Encoded(GreyFilled(40, 30, 200), "PNG"));
    EXPECT_EQ(Pages(png).size(), 1u);
    const QString corpus = QStringLiteral(VORN_SOURCE_DIR "/fuzz/corpus/scan_pdf/");
    struct Case {
        QString file;
        QString says;
        PdfRenderer renderer = Renderer();
    };
    const Case cases[] = {
        {dir.filePath(QStringLiteral("none.png")), QStringLiteral("не съществува")},
        {Written(dir, QStringLiteral("notes.pdf.txt"), "a list of names\n"),
         QStringLiteral("не е сканиране")},
        {Written(dir, QStringLiteral("broken.pdf"), "%PDF-1.4\n garbage"),
         QStringLiteral("не може да бъде прочетен като PDF")},
        {Written(dir, QStringLiteral("wide.png"),
                 test::Encoded(GreyFilled(kMaxPageSide + 1, 2, 255), "PNG")),
         QStringLiteral("7501×2")},
        {Written(
             dir, QStringLiteral("long.tif"),
             test::MultiPageTiff(std::vector<QImage>(kMaxScannedPages + 1, GreyFilled(1, 1, 0)))),
         QStringLiteral("има 501 страници")},
        // The library never returns from this file: any wait expires.
        {corpus + "cyclic-page-tree.pdf", "страница 1 не беше готова и след 2 секунди",
         Renderer(VORN_PDF_PAGES_PATH, std::chrono::seconds(2))},
        {corpus + "two-pages.pdf", "файлът е повреден", Renderer("/bin/false")},
        {corpus + "two-pages.pdf", "не може да се стартира", Renderer("/nonexistent/pdf-pages")},
    };
    for (const Case& c : cases) {
        const QString problem = Problem(c.file, c.renderer);
        EXPECT_TRUE(problem.contains(c.says))
            << c.file.toStdString() << ": " << problem.toStdString();
    }
}

} // namespace
} // namespace vorn
