// Build-time helper: renders the program's SVG icon at the sizes a desktop asks for, so the
// installed icons always follow the one drawing in ui/art/. For Linux, a PNG per size in the
// hicolor icon theme's layout; for Windows, one .ico file holding every size.
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include <cstdio>

namespace {

QImage render(QSvgRenderer& renderer, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(0, 0, size, size));
    return image;
}

QByteArray png(const QImage& image)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return data;
}

template <typename T> void append(QByteArray& data, T value)
{
    value = qToLittleEndian(value);
    data.append(reinterpret_cast<const char*>(&value), sizeof value);
}

// An icon file of PNG images, as Windows reads them since Vista: a directory of entries (width
// and height, 0 for 256; planes; bits per pixel; length; offset), then the images.
QByteArray icoFile(QSvgRenderer& renderer, const QList<int>& sizes)
{
    QByteArray directory, images;
    append<quint16>(directory, 0);
    append<quint16>(directory, 1); // an icon, not a cursor
    append<quint16>(directory, quint16(sizes.size()));
    const int firstImage = 6 + 16 * int(sizes.size());
    for (int size : sizes) {
        const QByteArray image = png(render(renderer, size));
        const auto side = quint8(size >= 256 ? 0 : size);
        directory.append(char(side)).append(char(side)).append(2, '\0'); // no palette
        append<quint16>(directory, 1);
        append<quint16>(directory, 32);
        append<quint32>(directory, quint32(image.size()));
        append<quint32>(directory, quint32(firstImage + images.size()));
        images += image;
    }
    return directory + images;
}

bool write(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(data) == data.size();
}

} // namespace

int main(int argc, char* argv[])
{
    const bool ico = argc >= 4 && QByteArray(argv[2]).endsWith(".ico");
    if (argc < 5 && !ico) {
        std::fprintf(stderr,
                     "usage: %s ICON.svg OUTPUT-DIR ICON-NAME SIZE...\n"
                     "       %s ICON.svg OUTPUT.ico SIZE...\n"
                     "writes OUTPUT-DIR/SIZExSIZE/apps/ICON-NAME.png for each size, or one icon "
                     "file holding every size\n",
                     argv[0], argv[0]);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    QList<int> sizes;
    for (int i = ico ? 3 : 4; i < argc; ++i) {
        sizes.append(QByteArray(argv[i]).toInt());
        if (sizes.last() < 1 || sizes.last() > 256) {
            std::fprintf(stderr, "not a size from 1 to 256 pixels: %s\n", argv[i]);
            return 2;
        }
    }
    QStringList failed;
    if (ico && !write(QString::fromLocal8Bit(argv[2]), icoFile(renderer, sizes)))
        failed << QString::fromLocal8Bit(argv[2]);
    for (int size : ico ? QList<int>() : sizes) {
        const QString path = QStringLiteral("%1/%2x%2/apps/%3.png")
                                 .arg(QString::fromLocal8Bit(argv[2]))
                                 .arg(size)
                                 .arg(QString::fromLocal8Bit(argv[3]));
        if (!write(path, png(render(renderer, size))))
            failed << path;
    }
    for (const QString& path : failed)
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return failed.isEmpty() ? 0 : 1;
}
