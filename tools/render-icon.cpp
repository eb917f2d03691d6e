// Build-time helper: renders the program's SVG icon at the sizes a desktop asks for, so the
// installed icons always follow the drawings in ui/art/. For Linux, a PNG per size in the
// hicolor icon theme's layout; for Windows, one .ico file holding every size. A size with a
// drawing of its own beside the icon (app-icon-16.svg beside app-icon.svg) gets that drawing, made
// for its pixel grid; the others get the icon itself. Also renders a picture at one size as a
// 24-bit BMP, such as the setup program's side picture at each screen scale.
#include "ui/ProgramIcon.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QSvgRenderer>
#include <QtEndian>

#include <algorithm>
#include <cstdio>

namespace {

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
QByteArray icoFile(const QString& icon, const QList<int>& sizes)
{
    QByteArray directory, images;
    append<quint16>(directory, 0);
    append<quint16>(directory, 1); // an icon, not a cursor
    append<quint16>(directory, quint16(sizes.size()));
    const int firstImage = 6 + 16 * int(sizes.size());
    for (int size : sizes) {
        const QByteArray image = png(ampora::ui::drawProgramIcon(icon, size));
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

// PICTURE.svg filling the size in its own proportions: centred across, and standing on the foot
// of the size, where the picture's upper margin gives way first.
QImage renderFilling(const QString& svg, QSize size)
{
    QSvgRenderer picture(svg);
    const QSizeF own = picture.viewBoxF().size();
    const QSizeF drawn = own * std::max(size.width() / own.width(), size.height() / own.height());
    return ampora::ui::drawSvg(
        picture, size, QImage::Format_RGB32,
        QRectF(QPointF((size.width() - drawn.width()) / 2, size.height() - drawn.height()), drawn));
}

// "164x314" as a size, or an invalid one.
QSize parseSize(const QByteArray& text)
{
    const QList<QByteArray> sides = text.split('x');
    bool wide = false, high = false;
    const QSize size =
        sides.size() == 2 ? QSize(sides[0].toInt(&wide), sides[1].toInt(&high)) : QSize();
    return wide && high && size.width() > 0 && size.height() > 0 ? size : QSize();
}

// PICTURE.svg drawn at that size into a 24-bit BMP (Qt writes 24 bits a pixel for an image
// without alpha), for the setup program's pages; 0 on success, else the program's exit status.
int writeBitmap(const QString& svg, const char* output, const char* sizeText)
{
    const QSize size = parseSize(sizeText);
    if (!size.isValid()) {
        std::fprintf(stderr, "not a size such as 164x314: %s\n", sizeText);
        return 2;
    }
    if (!QSvgRenderer(svg).isValid()) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(svg));
        return 1;
    }
    if (!renderFilling(svg, size).save(QString::fromLocal8Bit(output), "BMP")) {
        std::fprintf(stderr, "cannot write %s\n", output);
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    const QByteArray output = argc >= 3 ? QByteArray(argv[2]) : QByteArray();
    const bool ico = output.endsWith(".ico"), bmp = output.endsWith(".bmp");
    if (argc < (ico || bmp ? 4 : 5) || (bmp && argc != 4)) {
        std::fprintf(stderr,
                     "usage: %s ICON.svg OUTPUT-DIR ICON-NAME SIZE...\n"
                     "       %s ICON.svg OUTPUT.ico SIZE...\n"
                     "       %s PICTURE.svg OUTPUT.bmp WIDTHxHEIGHT\n"
                     "writes OUTPUT-DIR/SIZExSIZE/apps/ICON-NAME.png for each size, or one icon "
                     "file holding every size; ICON-SIZE.svg beside ICON.svg, where there is one, "
                     "is the drawing for that size. Or renders PICTURE.svg at that size as a "
                     "24-bit BMP.\n",
                     argv[0], argv[0], argv[0]);
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    if (bmp)
        return writeBitmap(source, argv[2], argv[3]);
    QList<int> sizes;
    for (int i = ico ? 3 : 4; i < argc; ++i) {
        sizes.append(QByteArray(argv[i]).toInt());
        if (sizes.last() < 1 || sizes.last() > 256) {
            std::fprintf(stderr, "not a size from 1 to 256 pixels: %s\n", argv[i]);
            return 2;
        }
        const QString drawing = ampora::ui::programIconDrawing(source, sizes.last());
        if (!QSvgRenderer(drawing).isValid()) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(drawing));
            return 1;
        }
    }
    QStringList failed;
    if (ico && !write(QString::fromLocal8Bit(argv[2]), icoFile(source, sizes)))
        failed << QString::fromLocal8Bit(argv[2]);
    for (int size : ico ? QList<int>() : sizes) {
        const QString path = QStringLiteral("%1/%2x%2/apps/%3.png")
                                 .arg(QString::fromLocal8Bit(argv[2]))
                                 .arg(size)
                                 .arg(QString::fromLocal8Bit(argv[3]));
        if (!write(path, png(ampora::ui::drawProgramIcon(source, size))))
            failed << path;
    }
    for (const QString& path : failed)
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return failed.isEmpty() ? 0 : 1;
}
