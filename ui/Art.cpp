#include "ui/Art.h"

namespace ampora::ui {

void Art::draw(QPainter& painter)
{
    if (!vector_)
        vector_ = std::make_unique<QSvgRenderer>(resource_);
    // Natural size, never stretched: the view box maps one unit to one pixel.
    vector_->render(&painter, QRectF(QPointF(0, 0), vector_->viewBoxF().size()));
}

} // namespace ampora::ui
