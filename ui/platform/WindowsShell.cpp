#include "ui/platform/WindowsShell.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <shellapi.h> // needs <windows.h> first

namespace ampora::platform {

void shellOpen(void* window, const wchar_t* target)
{
    // The result is not checked: without a registered program nothing happens, as intended.
    // The wide call hands the text over whole, whatever the system's ANSI code page.
    ShellExecuteW(static_cast<HWND>(window), L"Open", target, L"", L"", SW_SHOWNORMAL);
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

} // namespace ampora::platform
