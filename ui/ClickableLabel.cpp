#include "ui/ClickableLabel.h"

#include <QMouseEvent>

namespace ampora::ui
{

void ClickableLabel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    emit pressed();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    emit released();
    // A click is a press and a release on the label, as with any button.
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace ampora::ui
