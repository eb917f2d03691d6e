// The main window's first frame as a picture drawn at build time from the window itself in its
// start state (art/tools/render-first-frame.cpp). Laid over the live controls when the window
// first shows, it spares that frame the shaping and drawing of every text and picture; once on
// screen it gives way, and the controls draw the very same pixels.
#pragma once

#include <QImage>
#include <QWidget>

namespace ampora::ui {

class FirstFrame : public QWidget {
    Q_OBJECT
public:
    // Lays the picture over window if the program carries one for the screen's scale; otherwise
    // the controls draw the first frame.
    static void showOver(QWidget* window);
    // The picture's resource for a screen scale (device pixels per layout pixel).
    static QString resourceFor(qreal devicePixelRatio);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FirstFrame(QWidget* window, QByteArray pixels);

    QByteArray pixels_; // the picture's storage
    QImage picture_;
};

} // namespace ampora::ui
