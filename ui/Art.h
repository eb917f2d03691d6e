// A piece of the window's art, drawn from its SVG at its natural size, so it stays crisp at any
// scaling. The SVG is parsed when first drawn, which the first frame never needs (FirstFrame.h).
#pragma once

#include <QIcon>
#include <QPainter>
#include <QSvgRenderer>

#include <memory>

namespace ampora::ui {

class Art {
public:
    // resource: the SVG, such as ":/art/icons/usb.svg".
    explicit Art(const QString& resource) : resource_(resource) {}

    void draw(QPainter& painter);

private:
    QString resource_;
    std::unique_ptr<QSvgRenderer> vector_;
};

// The program's icon at the sizes title and task bars pick from (see ProgramIcon.h).
QIcon programIcon();

} // namespace ampora::ui
