// The declarative table of a fixed window: every control with its kind, place and look, so that
// a window's layout reads as one table rather than as hundreds of set-up calls. The Qt window and
// the web page both build their controls from it.
#pragma once

#include "core/Recalculate.h"

#include <span>

namespace ampora::ui {

enum class ControlKind { Picture, Label, ClickableLabel, Selector, TickBox, TextBox, Line };

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

// Where a control sits, in twips (1/1440 inch): the layout was designed at 15 twips a pixel. A
// line runs from (left, top) to (left + width, top + height).
struct Twips {
    int left, top, width, height;
};

// One control. The makers below fill what each kind has.
struct ControlRow {
    const char* name;
    ControlKind kind;
    Twips place;
    const char* caption = nullptr; // the words a label or text box shows
    const char* art = nullptr;     // a picture's SVG, as a path within the art folder (ui/art/)
    double points = 0;             // the caption's Tahoma bold size; 0: the window's
    unsigned flags = NoFlags;
    const char* spokenName = nullptr; // what a screen reader calls it, where no caption says it
    const char* toolTip = nullptr;
    int lineWidth = 0; // a line's width in pixels
    Rgb colour{};      // a line's colour
};

constexpr ControlRow picture(const char* name, Twips place, const char* art,
                             unsigned flags = NoFlags)
{
    return {name, ControlKind::Picture, place, nullptr, art, 0, flags};
}

constexpr ControlRow label(const char* name, Twips place, const char* caption, double points,
                           unsigned flags = NoFlags, const char* spokenName = nullptr)
{
    return {name, ControlKind::Label, place, caption, nullptr, points, flags, spokenName};
}

// A label that acts as a button or link of the window's own chrome; a glyph's tool tip is also
// what a screen reader calls it.
constexpr ControlRow clickableLabel(const char* name, Twips place, const char* caption,
                                    double points, unsigned flags, const char* toolTip = nullptr)
{
    return {name,   ControlKind::ClickableLabel, place, caption, nullptr, points, flags, toolTip,
            toolTip};
}

// Selectors and tick boxes show no words of their own: the labels beside them say what they are.
constexpr ControlRow selector(const char* name, Twips place, const char* spokenName,
                              unsigned flags = NoFlags)
{
    return {name, ControlKind::Selector, place, nullptr, nullptr, 0, flags, spokenName};
}

constexpr ControlRow tickBox(const char* name, Twips place, const char* spokenName)
{
    return {name, ControlKind::TickBox, place, nullptr, nullptr, 0, NoFlags, spokenName};
}

constexpr ControlRow textBox(const char* name, Twips place, const char* caption, double points,
                             const char* spokenName)
{
    return {name, ControlKind::TextBox, place, caption, nullptr, points, NoFlags, spokenName};
}

// A level line between two points (twips, y1 == y2) of a given width in pixels: the window has
// no other.
constexpr ControlRow line(const char* name, int x1, int y1, int x2, int y2, int widthPixels,
                          Rgb colour)
{
    ControlRow row{name, ControlKind::Line, {x1, y1, x2 - x1, y2 - y1}};
    row.lineWidth = widthPixels;
    row.colour = colour;
    return row;
}

struct PixelRect {
    int x, y, width, height;
};

struct WindowSize {
    int width, height;
};

// A window: its size and its controls, in the order they are made (later ones lie above).
struct WindowLayout {
    WindowSize size;
    double points; // the size of most of the window's text
    std::span<const ControlRow> controls;
};

inline constexpr int kTwipsPerPixel = 15;

// Twips to whole pixels, rounded to the nearest.
constexpr int toPixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

// Where a control is drawn, in whole pixels; a line's area is as wide as the line.
PixelRect pixelRect(const ControlRow& row);

// Pixel size of a point size at the 96 dpi the layout was drawn for.
constexpr int pointsToPixels(double points) { return static_cast<int>(points * 96 / 72 + 0.5); }

// Selectors and tick boxes take the keyboard focus; the rest never do.
constexpr bool takesFocus(ControlKind kind)
{
    return kind == ControlKind::Selector || kind == ControlKind::TickBox;
}

} // namespace ampora::ui
