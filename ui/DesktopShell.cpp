#include "ui/DesktopShell.h"

#include <QGuiApplication>
#include <QPalette>
#include <QWidget>

#ifdef Q_OS_WIN
#include "ui/platform/WindowsShell.h"
#else
#include <QDesktopServices>
#include <QUrl>
#include <QWindow>
#endif

namespace ampora::ui {

#ifdef Q_OS_WIN

// Windows gets the shell's own calls: they take the target text as it is, without the URL
// parsing that would re-encode a mailto subject.
void openTarget(QWidget* window, const QString& target)
{
    platform::shellOpen(reinterpret_cast<void*>(window->winId()),
                        reinterpret_cast<const wchar_t*>(target.utf16()));
}

bool startWindowMove(QWidget* window)
{
    platform::startCaptionDrag(reinterpret_cast<void*>(window->winId()));
    return true;
}

#else

void openTarget(QWidget*, const QString& target)
{
    QDesktopServices::openUrl(QUrl(target, QUrl::TolerantMode));
}

bool startWindowMove(QWidget* window)
{
    QWindow* handle = window->windowHandle();
    return handle && handle->startSystemMove();
}

#endif

// The application palette's base colour is the desktop's window colour: on Windows, Qt takes it
// from the system colour COLOR_WINDOW.
QColor systemWindowColour() { return QGuiApplication::palette().color(QPalette::Base); }

} // namespace ampora::ui
