// Build-time helper: renders each SVG of the art at its natural size, one device pixel per
// layout pixel, exactly as the window would draw it, into the pixel form of ui/ArtPixels.h.
// The program draws these at that scale and the SVG at every other, so they can never drift.
//   render-art ART-DIR OUTPUT-DIR NAME...   (NAME.svg in ART-DIR gives NAME.argb in OUTPUT-DIR)
#include "ui/Art.h"
#include "ui/ArtPixels.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s ART-DIR OUTPUT-DIR NAME...\n", argv[0]);
        return 2;
    }
    const QDir art(QString::fromLocal8Bit(argv[1])), output(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        const QString name = QString::fromLocal8Bit(argv[i]);
        QSvgRenderer renderer(art.filePath(name + ".svg"));
        if (!renderer.isValid()) {
            std::fprintf(stderr, "cannot read %s.svg\n", argv[i]);
            return 1;
        }
        QImage image(renderer.viewBoxF().size().toSize(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        ampora::ui::renderVector(renderer, painter);
        painter.end();
        QFile file(output.filePath(name + ".argb"));
        if (!output.mkpath(QFileInfo(file).path()) || !file.open(QIODevice::WriteOnly) ||
            file.write(ampora::ui::encodeArtPixels(image)) < 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}
