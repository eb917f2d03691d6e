// The maker's addresses and the colour of a link label while it is pressed. Released, a link
// label takes the system's window colour, which each view asks its own platform for.
#pragma once

#include "core/Recalculate.h"

namespace ampora::ui {

inline constexpr const char* kWebsiteCaption = "KESTRUNE.EXAMPLE";
inline constexpr const char* kWebsiteTarget = "http://kestrune.example/";
// The subject's blank is a plain blank: the Windows shell takes it as it is, and elsewhere the
// desktop's URL opener receives it percent-encoded, as URLs require.
inline constexpr const char* kFeedbackTarget =
    "mailto:feedback@kestrune.example?Subject=Kestrune Ampora";

inline constexpr Rgb kLinkPressedColour{0, 255, 255};

} // namespace ampora::ui
