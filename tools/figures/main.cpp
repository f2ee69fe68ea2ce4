// vorn-figures <folder>: writes the pictures of the shipped test as JPEG files
// into the folder. The same numbers give the same files, so the committed
// pictures can always be made again.

#include "figure_jpeg.h"
#include "parallelogram_figures.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

int main(int argc, char** argv) {
    // Painting needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout), err(stderr);
    if (argc != 2) {
        err << "usage: vorn-figures <folder>\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        err << "cannot create " << folder.path() << "\n";
        return 1;
    }
    int failures = 0;
    for (const vorn::ShippedPicture& picture : vorn::ShippedPictures()) {
        const QString path = folder.filePath(picture.file.name);
        const QByteArray bytes = vorn::FigureJpeg(picture.figure);
        QSaveFile file(path);
        if (bytes.isEmpty()) {
            err << path << ": the JPEG writer failed\n";
            ++failures;
        } else if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
                   file.commit()) {
            out << path << "\n";
        } else {
            err << path << ": " << file.errorString() << "\n";
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
