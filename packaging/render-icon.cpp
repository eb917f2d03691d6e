// Build-time helper: renders the program's SVG icon at the pixel sizes of the hicolor icon theme,
// so the installed PNGs always follow the one drawing in ui/art/.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

bool renderSize(QSvgRenderer& renderer, int size, const QString& path)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    return QDir().mkpath(QFileInfo(path).path()) && image.save(path, "PNG");
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 5) {
        std::fprintf(stderr,
                     "usage: %s ICON.svg OUTPUT-DIR ICON-NAME SIZE...\n"
                     "writes OUTPUT-DIR/SIZExSIZE/apps/ICON-NAME.png for each size\n",
                     argv[0]);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QString outputDir = QString::fromLocal8Bit(argv[2]);
    const QString iconName = QString::fromLocal8Bit(argv[3]);
    for (int i = 4; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        const QString path =
            QStringLiteral("%1/%2x%2/apps/%3.png").arg(outputDir).arg(size).arg(iconName);
        if (size <= 0 || !renderSize(renderer, size, path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
