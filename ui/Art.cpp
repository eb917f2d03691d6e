#include "ui/Art.h"

#include "ui/ArtPixels.h"

#include <QResource>

namespace ampora::ui {

namespace {

// ":/art/icons/usb.svg" is rendered at build time into ":/art/1x/icons/usb.argb".
QString pixelsResource(QString resource)
{
    return resource.replace(QLatin1String(":/art/"), QLatin1String(":/art/1x/"))
        .replace(QLatin1String(".svg"), QLatin1String(".argb"));
}

QImage unpackPixels(const QString& resource)
{
    const QByteArray data = QResource(resource).uncompressedData();
    return decodeArtPixels(data).copy();
}

} // namespace

Art::Art(const QString& resource)
    : resource_(resource),
      unpacking_(std::async(std::launch::async, unpackPixels, pixelsResource(resource)))
{
}

void Art::draw(QPainter& painter)
{
    // A shift keeps pixels on pixels; a 2x screen, a scaled picture or any other transform
    // needs the vector form.
    if (unpacking_.valid())
        pixels_ = unpacking_.get();
    if (!pixels_.isNull() && painter.deviceTransform().type() <= QTransform::TxTranslate) {
        painter.drawImage(QPoint(0, 0), pixels_);
        return;
    }
    if (!vector_)
        vector_ = std::make_unique<QSvgRenderer>(resource_);
    renderVector(*vector_, painter);
}

} // namespace ampora::ui
