#include "ui/model/ControlTable.h"

#include <algorithm>

namespace ampora::ui {

PixelRect pixelRect(const ControlRow& row)
{
    const Twips& t = row.place;
    if (row.kind != ControlKind::Line)
        return {toPixels(t.left), toPixels(t.top), toPixels(t.width), toPixels(t.height)};
    // A line's width lies across it: half above (or left of) the points, the rest below.
    const int x1 = toPixels(t.left), y1 = toPixels(t.top);
    const int x2 = toPixels(t.left + t.width), y2 = toPixels(t.top + t.height);
    const int half = row.lineWidth / 2;
    const int left = std::min(x1, x2) - (x1 == x2 ? half : 0);
    const int top = std::min(y1, y2) - (y1 == y2 ? half : 0);
    const int right = std::max(x1, x2) + (x1 == x2 ? half : 0);
    const int bottom = std::max(y1, y2) + (y1 == y2 ? row.lineWidth - half - 1 : 0);
    return {left, top, right - left + 1, bottom - top + 1};
}

} // namespace ampora::ui
