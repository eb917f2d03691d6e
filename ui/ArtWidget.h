// A picture control drawing art at its natural size, crisp at any scaling (see Art).
// Pictures showing the same art share it.
#pragma once

#include "ui/Art.h"

#include <QWidget>

#include <memory>

namespace ampora::ui {

class ArtWidget : public QWidget {
    Q_OBJECT
public:
    ArtWidget(std::shared_ptr<Art> art, QWidget* parent);

signals:
    // A mouse button went down on the picture.
    void pressed(Qt::MouseButton button, QPoint globalPosition);
    // The pointer moved with a button held after a press on the picture.
    void dragged(QPoint globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    std::shared_ptr<Art> art_;
};

} // namespace ampora::ui
