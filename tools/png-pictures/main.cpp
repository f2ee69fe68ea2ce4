// vorn-png-pictures: the shipped test's pictures again as PNGs of the same
// pixels, for the window to draw (platform/picture.h):
//   vorn-png-pictures <folder> <picture.jpg>...
// writes <folder>/<name>.png for each picture, decoded as the player decodes
// a bank's picture. QtGui reads PNG itself, while a JPEG loads an image
// plugin and libjpeg into the window. The tests check that each PNG decodes
// to the pixels of its JPEG.

#include "bank/bank_pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <cstdio>

namespace {

bool WritePng(const QString& picture, const QDir& folder) {
    QFile file(picture);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const auto decoded = vorn::DecodePicture(file.readAll());
    const auto* image = std::get_if<QImage>(&decoded);
    if (!image) return false;
    QImageWriter png(folder.filePath(QFileInfo(picture).completeBaseName() + ".png"), "png");
    png.setQuality(0); // the smallest file; PNG loses nothing at any level
    return png.write(*image);
}

} // namespace

int main(int argc, char** argv) {
    const QCoreApplication app(argc, argv); // where Qt finds its JPEG plugin
    if (argc < 3) {
        std::fprintf(stderr, "usage: vorn-png-pictures <folder> <picture.jpg>...\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) return 1;
    for (int i = 2; i < argc; ++i)
        if (!WritePng(QString::fromLocal8Bit(argv[i]), folder)) {
            std::fprintf(stderr, "vorn-png-pictures: cannot convert %s\n", argv[i]);
            return 1;
        }
    return 0;
}
