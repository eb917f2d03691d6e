#include "ui/FirstFrame.h"

#include "ui/FirstFramePicture.h"

#include <QPainter>
#include <QResource>

namespace ampora::ui {

namespace {
// Built into the program only (not into the tests, which draw the window themselves).
constexpr char kPicture[] = ":/first-frame.argb";
} // namespace

void FirstFrame::showOver(QWidget* window)
{
    const QResource picture(QString::fromLatin1(kPicture));
    if (picture.isValid() && window->devicePixelRatioF() == 1)
        new FirstFrame(window, picture.uncompressedData());
}

FirstFrame::FirstFrame(QWidget* window, QByteArray pixels)
    : QWidget(window), pixels_(std::move(pixels)), picture_(decodeFirstFrame(pixels_))
{
    // Opaque and on top, so nothing beneath is drawn; the mouse goes to the controls beneath.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(window->rect());
    raise();
    show();
}

void FirstFrame::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, picture_);
    // Queued: gone once this frame is on screen, when the controls draw themselves.
    deleteLater();
}

} // namespace ampora::ui
