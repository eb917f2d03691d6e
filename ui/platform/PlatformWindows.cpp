// Windows: the layered windows, hinting as on Linux, the shell's own open call and the system's
// move loop. Where DLLs come from: WindowsDllSearch.cpp.
#include "ui/platform/Platform.h"

#include <QWidget>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <shellapi.h> // needs <windows.h> first

namespace ampora::platform {

namespace {

HWND handleOf(QWidget* window) { return reinterpret_cast<HWND>(window->winId()); }

// The key state of the left button as the user's settings have it: the physical right one where
// they swap the buttons (messages are named by the logical button, key states by the physical).
int leftButtonKey() { return GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON; }

} // namespace

bool mayFindDisplay() { return true; } // Windows always has its desktop

void useOnlyBundledFonts() {} // Qt reads no font configuration here

QFont::HintingPreference fontHinting(qreal devicePixelRatio)
{
    // Lightly, and not at all on scaled screens: fontconfig's hinting on Linux.
    return devicePixelRatio == 1 ? QFont::PreferVerticalHinting : QFont::PreferNoHinting;
}

void prepareWindow(QWidget* window)
{
    // Layered, the window stays unseen until its first frame is drawn, where it would otherwise
    // show a blank for a moment. Its art covers it whole, so nothing of it is see-through.
    window->setAttribute(Qt::WA_TranslucentBackground);
}

void openTarget(QWidget* window, const QString& target)
{
    // The wide call hands the text over whole, whatever the system's ANSI code page.
    ShellExecuteW(handleOf(window), L"Open", reinterpret_cast<const wchar_t*>(target.utf16()), L"",
                  L"", SW_SHOWNORMAL);
}

bool startSystemMove(QWidget* window)
{
    // A quick tap delivers its release before the press is handled: the move loop, started then,
    // would wait for a release that has come already and carry the window off with the pointer.
    MSG release;
    if (!(GetAsyncKeyState(leftButtonKey()) & 0x8000) ||
        PeekMessageW(&release, nullptr, WM_LBUTTONUP, WM_LBUTTONUP, PM_NOREMOVE))
        return false;
    // The press holds the mouse capture; the move loop needs it back.
    ReleaseCapture();
    // The last argument is where the pointer is, which the move loop reads itself: none given.
    SendMessageA(handleOf(window), WM_NCLBUTTONDOWN, HTCAPTION, 0);
    return true;
}

void endSystemMove(QWidget* window)
{
    // The move loop ends when the window loses the mouse capture.
    if (GetCapture() == handleOf(window))
        ReleaseCapture();
}

} // namespace ampora::platform
