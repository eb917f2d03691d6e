// A label that acts as one of the borderless window's own buttons or links: it reports the
// press and release of any mouse button, and a click of the left one.
#pragma once

#include <QLabel>

namespace ampora::ui {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void pressed();
    void released();
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Qt::MouseButton heldButton_ = Qt::NoButton;
    bool clickPending_ = false;
};

} // namespace ampora::ui
