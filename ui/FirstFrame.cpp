#include "ui/FirstFrame.h"

#include "ui/FirstFramePicture.h"

#include <QPainter>
#include <QResource>

namespace ampora::ui {

QString FirstFrame::resourceFor(qreal devicePixelRatio)
{
    return QStringLiteral(":/first-frame-%1x.argb").arg(devicePixelRatio);
}

void FirstFrame::showOver(QWidget* window)
{
    const QResource picture(resourceFor(window->devicePixelRatioF()));
    if (picture.isValid())
        new FirstFrame(window, picture.uncompressedData());
}

FirstFrame::FirstFrame(QWidget* window, QByteArray pixels)
    : QWidget(window), pixels_(std::move(pixels)), picture_(decodeFirstFrame(pixels_))
{
    picture_.setDevicePixelRatio(window->devicePixelRatioF()); // one pixel for each of the screen
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
