// A picture control drawing vector art at its natural size, so it stays crisp at any scaling.
// Pictures showing the same art share one parsed renderer, owned by their window.
#pragma once

#include <QSvgRenderer>
#include <QWidget>

namespace ampora::ui {

class ArtWidget : public QWidget {
    Q_OBJECT
public:
    ArtWidget(const QString& resource, QSvgRenderer* art, QWidget* parent);

    QString resource() const { return resource_; }

signals:
    // A mouse button went down on the picture (any button).
    void pressed(QPoint globalPosition);
    // The pointer moved with a button held after a press on the picture.
    void dragged(QPoint globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QString resource_;
    QSvgRenderer* renderer_;
};

} // namespace ampora::ui
