// A piece of the window's art. Where one layout pixel is one device pixel it is drawn from its
// rendering made at build time from the SVG (ui/art/tools/render-art.cpp), so start-up neither
// parses SVG nor fills paths; at any other scale it is drawn from the SVG and stays sharp.
#pragma once

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <future>
#include <memory>

namespace ampora::ui {

// The art at its natural size, never stretched: the view box maps one unit to one pixel.
inline void renderVector(QSvgRenderer& renderer, QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), renderer.viewBoxF().size()));
}

class Art {
public:
    // resource: the SVG, such as ":/art/icons/usb.svg".
    explicit Art(const QString& resource);

    void draw(QPainter& painter);

private:
    QString resource_;
    // The build-time rendering, unpacked on another thread while the window is being set up.
    std::future<QImage> unpacking_;
    QImage pixels_;
    std::unique_ptr<QSvgRenderer> vector_; // parsed when first needed
};

} // namespace ampora::ui
