// The program's icon drawn at one size: the one drawing of it that the window, the packages and
// the web page all take their icons from.
#pragma once

#include <QImage>
#include <QString>

class QSvgRenderer;

namespace ampora::ui {

// The picture drawn, antialiased, over the area of a transparent image of the size.
QImage drawSvg(QSvgRenderer& picture, QSize size, QImage::Format format, const QRectF& area);

// The icon at size x size pixels: where a drawing made for that size's pixel grid lies beside the
// icon (app-icon-16.svg beside app-icon.svg) that drawing, else the icon itself.
QImage drawProgramIcon(const QString& icon, int size);

// The drawing drawProgramIcon() takes for the size.
QString programIconDrawing(const QString& icon, int size);

} // namespace ampora::ui
