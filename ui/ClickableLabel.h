// A label that reports presses, releases and clicks, for the glyphs and links that act as
// the borderless window's own chrome. Labels nobody listens to behave as plain text.
#pragma once

#include <QLabel>

namespace ampora::ui
{

class ClickableLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void pressed();
    void released();
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace ampora::ui
