// Whether a label's text fits its box: the text is drawn as the label draws it, but unclipped on
// a larger canvas, at a device pixel ratio, and any ink outside the box is reported.
#pragma once

#include <QImage>
#include <QLabel>
#include <QPainter>

// Empty when the text fits; otherwise where the first stray ink lies, in device pixels.
inline QString inkOutsideBox(const QLabel* label, qreal ratio = 1)
{
    const int margin = 40;
    const QRect box(margin, margin, label->width(), label->height());
    QImage canvas((box.size() + QSize(2 * margin, 2 * margin)) * ratio, QImage::Format_ARGB32);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.setFont(label->font());
    painter.setPen(Qt::black);
    painter.drawText(box, int(label->alignment()), label->text());
    painter.end();
    const QRect deviceBox(box.topLeft() * ratio, box.size() * ratio);
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (qAlpha(canvas.pixel(x, y)) > 64 && !deviceBox.contains(x, y))
                return QString("ink at %1,%2 outside %3x%4 at ratio %5")
                    .arg(x - deviceBox.x())
                    .arg(y - deviceBox.y())
                    .arg(deviceBox.width())
                    .arg(deviceBox.height())
                    .arg(ratio);
    return {};
}
