#include "ui/platform/WindowsShell.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <shellapi.h> // needs <windows.h> first

namespace ampora::platform
{

void shellOpen(void* window, const char* target)
{
    // The result is not checked: without a registered program nothing happens, as intended.
    ShellExecuteA(static_cast<HWND>(window), "Open", target, "", "", SW_SHOWNORMAL);
}

void startCaptionDrag(void* window)
{
    // The press that started the drag holds the mouse capture; the move loop needs it back.
    ReleaseCapture();
    SendMessageA(static_cast<HWND>(window), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

} // namespace ampora::platform
