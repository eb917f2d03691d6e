#include "ui/model/ControlTable.h"

#include <algorithm>

namespace ampora::ui {

PixelRect pixelRect(const ControlRow& row)
{
    const Twips& t = row.place;
    if (row.kind != ControlKind::Line)
        return {toPixels(t.left), toPixels(t.top), toPixels(t.width), toPixels(t.height)};
    // The window's lines are all level: a line's width lies across it, half above the points and
    // the rest below.
    const int x1 = toPixels(t.left), x2 = toPixels(t.left + t.width), y = toPixels(t.top);
    const int half = row.lineWidth / 2;
    const int left = std::min(x1, x2), right = std::max(x1, x2);
    const int top = y - half, bottom = y + row.lineWidth - half - 1;
    return {left, top, right - left + 1, bottom - top + 1};
}

} // namespace ampora::ui
