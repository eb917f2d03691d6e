// The maker's addresses and the colours of the two link labels.
#pragma once

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

namespace ampora::ui
{

inline constexpr const char* kWebsiteCaption = "KESTRUNE.EXAMPLE";
inline constexpr const char* kWebsiteTarget = "http://kestrune.example/";
// The subject's blank stays a plain blank.
inline constexpr const char* kFeedbackTarget =
    "mailto:feedback@kestrune.example?Subject=Kestrune Ampora";

inline const QColor kLinkPressedColour{0, 255, 255};

// A released link takes the system's window colour (white in the usual colour schemes).
inline QColor systemWindowColour()
{
    return QGuiApplication::palette().color(QPalette::Base);
}

} // namespace ampora::ui
