// Declarative description of a fixed form: every control with its kind, place and look, so that
// a window's layout reads as one table rather than as hundreds of set-up calls.
#pragma once

#include <QColor>
#include <QRect>

#include <span>

namespace ampora::ui {

// A clickable label acts as a button or link of the window's own chrome.
enum class ControlKind { Picture, Label, ClickableLabel, Selector, TickBox, TextBox };

enum ControlFlag : unsigned {
    NoFlags = 0,
    Centred = 1u << 0,
    RightAligned = 1u << 1,
    DisabledAtStart = 1u << 2,
    HiddenAtStart = 1u << 3,
    BlackText = 1u << 4,
    // Repeats what another control says: screen readers skip it.
    Decoration = 1u << 5,
};

// Positions are in twips (1/1440 inch), the unit the layout was designed in at 15 twips a pixel.
struct ControlRow {
    const char* name;
    ControlKind kind;
    int left, top, width, height;
    const char* text;  // caption, or the art resource for a picture
    double points = 0; // Tahoma bold size; 0 for controls without text
    unsigned flags = NoFlags;
    const char* toolTip = nullptr;
    const char* accessibleName = nullptr; // for a label or text box, where its words do not say it
};

// A straight line between two points (twips) of a given width in pixels.
struct LineRow {
    const char* name;
    int x1, y1, x2, y2;
    int widthPixels;
    QColor colour;
};

inline constexpr int kTwipsPerPixel = 15;

// Twips to whole pixels, rounded to the nearest.
constexpr int toPixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

inline QRect pixelRect(const ControlRow& row)
{
    return {toPixels(row.left), toPixels(row.top), toPixels(row.width), toPixels(row.height)};
}

// Pixel size of a point size at the 96 dpi the layout was drawn for.
constexpr int pointsToPixels(double points) { return static_cast<int>(points * 96 / 72 + 0.5); }

} // namespace ampora::ui
