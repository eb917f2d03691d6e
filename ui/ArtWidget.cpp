#include "ui/ArtWidget.h"

#include <QMouseEvent>
#include <QPainter>

namespace ampora::ui {

ArtWidget::ArtWidget(const QString& resource, QSvgRenderer* art, QWidget* parent)
    : QWidget(parent), resource_(resource), renderer_(art)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
}

void ArtWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Natural size, never stretched: the art's view box maps one unit to one pixel.
    renderer_->render(&painter, QRectF(QPointF(0, 0), renderer_->viewBoxF().size()));
}

void ArtWidget::mousePressEvent(QMouseEvent* event)
{
    emit pressed(event->globalPosition().toPoint());
}

void ArtWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() != Qt::NoButton)
        emit dragged(event->globalPosition().toPoint());
}

} // namespace ampora::ui
