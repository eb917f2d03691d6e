#include "ui/ArtWidget.h"

#include <QMouseEvent>
#include <QPainter>

namespace ampora::ui {

ArtWidget::ArtWidget(std::shared_ptr<Art> art, QWidget* parent)
    : QWidget(parent), art_(std::move(art))
{
}

void ArtWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    art_->draw(painter);
}

void ArtWidget::mousePressEvent(QMouseEvent* event)
{
    emit pressed(event->button(), event->globalPosition().toPoint());
}

void ArtWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() != Qt::NoButton)
        emit dragged(event->globalPosition().toPoint());
}

} // namespace ampora::ui
