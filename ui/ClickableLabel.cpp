#include "ui/ClickableLabel.h"

#include <QMouseEvent>

namespace ampora::ui {

void ClickableLabel::mousePressEvent(QMouseEvent* event)
{
    if (heldButton_ != Qt::NoButton)
        return; // a second button while the first is held starts nothing new
    heldButton_ = event->button();
    clickPending_ = event->button() == Qt::LeftButton;
    emit pressed();
}

void ClickableLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double-click is neither a new press nor a second click, so a
    // link opens once.
    if (heldButton_ == Qt::NoButton)
        heldButton_ = event->button();
    clickPending_ = false;
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != heldButton_)
        return;
    heldButton_ = Qt::NoButton;
    const bool click = clickPending_ && rect().contains(event->position().toPoint());
    emit released();
    if (click)
        emit clicked();
}

} // namespace ampora::ui
