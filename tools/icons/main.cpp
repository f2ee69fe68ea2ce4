// vorn-icons: the window's icon as files of the hicolor icon theme, so that the
// menu, the file manager and the window show the same picture.

#include "view/icon.h"

#include <QDir>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

namespace {

const int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

bool WriteSvg(const QString& path) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(32, 32));
    svg.setViewBox(QRect(0, 0, 32, 32));
    svg.setTitle(QStringLiteral("vorn-player"));
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    painter.setRenderHint(QPainter::Antialiasing);
    vorn::PaintIcon(painter);
    return painter.end();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: vorn-icons <folder> <name>\n");
        return 2;
    }
    const QDir theme(QString::fromLocal8Bit(argv[1]) + QStringLiteral("/hicolor"));
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (const int size : kSizes) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString path = theme.filePath(folder + u'/' + name + QStringLiteral(".png"));
        if (!theme.mkpath(folder) || !vorn::IconImage(size).save(path, "PNG")) {
            std::fprintf(stderr, "vorn-icons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    const QString svg = theme.filePath(QStringLiteral("scalable/apps/") + name + ".svg");
    if (!theme.mkpath(QStringLiteral("scalable/apps")) || !WriteSvg(svg)) {
        std::fprintf(stderr, "vorn-icons: cannot write %s\n", qPrintable(svg));
        return 1;
    }
    return 0;
}
