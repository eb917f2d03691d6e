#include "ui/Art.h"

#include "ui/ProgramIcon.h"

#include <QPixmap>

namespace ampora::ui {

void Art::draw(QPainter& painter)
{
    if (!vector_)
        vector_ = std::make_unique<QSvgRenderer>(resource_);
    // Natural size, never stretched: the view box maps one unit to one pixel.
    vector_->render(&painter, QRectF(QPointF(0, 0), vector_->viewBoxF().size()));
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 20, 24, 32, 40, 48, 64, 128})
        icon.addPixmap(
            QPixmap::fromImage(drawProgramIcon(QStringLiteral(":/art/app-icon.svg"), size)));
    return icon;
}

} // namespace ampora::ui
