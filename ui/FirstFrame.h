// The main window's first frame as a picture drawn at build time from the window itself in its
// start state (art/tools/render-first-frame.cpp). Laid over the live controls when the window
// first shows, it spares that frame the shaping and drawing of every text and picture; once on
// screen it gives way, and the controls draw the very same pixels.
#pragma once

#include <QImage>
#include <QWidget>

#include <future>

namespace ampora::ui {

class FirstFrame : public QWidget {
    Q_OBJECT
public:
    // Starts unpacking the picture for the scale of window's screen on another thread, while the
    // window builds its controls; null where the program carries none for that scale, and the
    // controls draw the first frame.
    static FirstFrame* unpackFor(QWidget* window);
    // The picture's resource for a screen scale (device pixels per layout pixel).
    static QString resourceFor(qreal devicePixelRatio);

    // Lays the picture over the window as it first shows, unless the window has moved to a
    // screen of another scale meanwhile.
    void cover();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FirstFrame(QWidget* window, qreal devicePixelRatio);

    qreal devicePixelRatio_;
    std::future<QByteArray> unpacking_;
    QByteArray pixels_; // the picture's storage
    QImage picture_;
};

} // namespace ampora::ui
