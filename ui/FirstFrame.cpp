#include "ui/FirstFrame.h"

#include "ui/FirstFramePicture.h"

#include <QPainter>
#include <QResource>

namespace ampora::ui {

QString FirstFrame::resourceFor(qreal devicePixelRatio)
{
    return QStringLiteral(":/first-frame-%1x.argb").arg(devicePixelRatio);
}

FirstFrame* FirstFrame::unpackFor(QWidget* window)
{
    const qreal scale = window->devicePixelRatioF();
    return QResource(resourceFor(scale)).isValid() ? new FirstFrame(window, scale) : nullptr;
}

FirstFrame::FirstFrame(QWidget* window, qreal devicePixelRatio)
    : QWidget(window), devicePixelRatio_(devicePixelRatio),
      unpacking_(std::async(std::launch::async, [resource = resourceFor(devicePixelRatio)] {
          return QResource(resource).uncompressedData();
      }))
{
    // Opaque, so nothing beneath is drawn; the mouse goes to the controls beneath.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FirstFrame::cover()
{
    pixels_ = unpacking_.get();
    picture_ = decodeFirstFrame(pixels_);
    QWidget* window = parentWidget();
    if (picture_.isNull() || window->devicePixelRatioF() != devicePixelRatio_) {
        delete this;
        return;
    }
    picture_.setDevicePixelRatio(devicePixelRatio_); // one pixel for each of the screen
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
