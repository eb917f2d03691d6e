#include "ui/FirstFrame.h"

#include "ui/FirstFramePicture.h"

#include <QPainter>
#include <QResource>

#include <system_error>

namespace ampora::ui {

QString FirstFrame::resourceFor(qreal devicePixelRatio)
{
    return QStringLiteral(":/first-frame-%1x.argb").arg(devicePixelRatio);
}

std::unique_ptr<FirstFrame> FirstFrame::unpackFor(QWidget* window)
{
    const qreal scale = window->devicePixelRatioF();
    if (!QResource(resourceFor(scale)).isValid())
        return nullptr;
    try {
        return std::unique_ptr<FirstFrame>(new FirstFrame(window, scale));
    } catch (const std::system_error&) { // no thread to unpack on
        return nullptr;
    }
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

bool FirstFrame::cover()
{
    if (!unpacking_.valid()) // shown again before its frame was painted: it still lies there
        return true;
    pixels_ = unpacking_.get();
    picture_ = decodeFirstFrame(pixels_);
    QWidget* window = parentWidget();
    if (picture_.isNull() || window->devicePixelRatioF() != devicePixelRatio_)
        return false;
    picture_.setDevicePixelRatio(devicePixelRatio_); // one pixel for each of the screen
    setGeometry(window->rect());
    raise();
    show();
    return true;
}

void FirstFrame::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, picture_);
    emit shown();
}

} // namespace ampora::ui
