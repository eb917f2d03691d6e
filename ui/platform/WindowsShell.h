// The Windows calls behind DesktopShell, kept free of Qt so they build with the plain Windows
// headers. Window handles are passed as opaque pointers (an HWND) to keep <windows.h> out of
// the widget code.
#pragma once

namespace ampora::platform {

// Opens a web address or "mailto:" target (UTF-16) with the user's default program.
void shellOpen(void* window, const wchar_t* target);

// Hands the window to the system's move loop, as if its caption were being dragged.
void startCaptionDrag(void* window);

} // namespace ampora::platform
