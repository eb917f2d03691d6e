// The maker's addresses and the colour of a link label while it is pressed.
#pragma once

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

namespace ampora::ui {

inline constexpr const char* kWebsiteCaption = "KESTRUNE.EXAMPLE";
inline constexpr const char* kWebsiteTarget = "http://kestrune.example/";
// The subject's blank is a plain blank: the Windows shell takes it as it is, and elsewhere the
// desktop's URL opener receives it percent-encoded, as URLs require.
inline constexpr const char* kFeedbackTarget =
    "mailto:feedback@kestrune.example?Subject=Kestrune Ampora";

inline const QColor kLinkPressedColour{0, 255, 255};

// A released link label takes the system's window colour, which is the desktop palette's Base
// (on Windows, Qt takes it from COLOR_WINDOW).
inline QColor releasedLinkColour() { return QGuiApplication::palette().color(QPalette::Base); }

} // namespace ampora::ui
