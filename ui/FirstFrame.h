// The main window's first frame as a picture drawn at build time, laid over the live controls when
// the window first shows: it spares that frame the shaping and drawing of every text and picture.
// Once on screen it gives way, and the controls draw the very same pixels. Its pieces:
// - the build step (cmake/FirstFrame.cmake) runs tools/render-first-frame.cpp, which draws the
//   window in its start state offscreen at each screen scale in AMPORA_FIRST_FRAME_SCALES, under
//   the name resourceFor() gives (it refuses any other);
// - the pictures are built into the program as zstd-packed resources, in the format of
//   FirstFramePicture.h;
// - unpackFor() starts unpacking the one for the window's scale on another thread, while the
//   window builds its controls;
// - cover() lays it over the window as the window first shows; paintEvent() draws it once and
//   tells its owner, the window, that it may go;
// - tst_form1 holds each picture to the window drawn at that scale, and fails where a listed
//   scale has none.
#pragma once

#include <QImage>
#include <QWidget>

#include <future>
#include <memory>

namespace ampora::ui {

class FirstFrame : public QWidget {
    Q_OBJECT
public:
    // Starts unpacking the picture for the scale of window's screen on another thread, while the
    // window builds its controls. Null where the program carries none for that scale, or no
    // thread can be had: the controls then draw the first frame.
    static std::unique_ptr<FirstFrame> unpackFor(QWidget* window);
    // The picture's resource for a screen scale (device pixels per layout pixel).
    static QString resourceFor(qreal devicePixelRatio);

    // Lays the picture over the window as it first shows (and keeps it there as it shows again
    // before the picture is painted); false where it cannot, the window having moved to a screen
    // of another scale meanwhile.
    bool cover();

signals:
    // The picture is on screen: the controls can draw themselves.
    void shown();

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
