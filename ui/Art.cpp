#include "ui/Art.h"

#include <QFile>
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
    for (int size : {16, 20, 24, 32, 40, 48, 64, 128}) {
        const QString own = QStringLiteral(":/art/app-icon-%1.svg").arg(size);
        QSvgRenderer drawing(QFile::exists(own) ? own : QStringLiteral(":/art/app-icon.svg"));
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        drawing.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace ampora::ui
