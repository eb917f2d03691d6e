#include "ui/ProgramIcon.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace ampora::ui {

QString programIconDrawing(const QString& icon, int size)
{
    const QString own = QStringLiteral("%1-%2.svg").arg(icon.chopped(4)).arg(size);
    return QFile::exists(own) ? own : icon;
}

QImage drawSvg(QSvgRenderer& picture, QSize size, QImage::Format format, const QRectF& area)
{
    QImage image(size, format);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    picture.render(&painter, area);
    return image;
}

QImage drawProgramIcon(const QString& icon, int size)
{
    QSvgRenderer drawing(programIconDrawing(icon, size));
    return drawSvg(drawing, QSize(size, size), QImage::Format_ARGB32_Premultiplied,
                   QRectF(0, 0, size, size));
}

} // namespace ampora::ui
