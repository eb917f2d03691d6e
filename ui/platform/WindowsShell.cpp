#include "ui/platform/WindowsShell.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <shellapi.h> // needs <windows.h> first

namespace ampora::platform {

void shellOpen(void* window, const char* target)
{
    // The result is not checked: without a registered program nothing happens, as intended.
    ShellExecuteA(static_cast<HWND>(window), "Open", target, "", "", SW_SHOWNORMAL);
}

void startCaptionDrag(void* window)
{
    // The press that started the drag holds the mouse capture; the move loop needs it back.
    ReleaseCapture();
    // No cursor position goes with the message: its last argument refers to a zero.
    static const LONG noPosition = 0;
    SendMessageA(static_cast<HWND>(window), WM_NCLBUTTONDOWN, HTCAPTION,
                 reinterpret_cast<LPARAM>(&noPosition));
}

unsigned long windowColour() { return GetSysColor(COLOR_WINDOW); }

} // namespace ampora::platform
