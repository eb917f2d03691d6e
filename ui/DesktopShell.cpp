#include "ui/DesktopShell.h"

#include <QWidget>

#ifdef Q_OS_WIN
#include "ui/platform/WindowsShell.h"
#else
#include <QDesktopServices>
#include <QGuiApplication>
#include <QPalette>
#include <QUrl>
#include <QWindow>
#endif

namespace ampora::ui {

#ifdef Q_OS_WIN

// Windows gets the shell's own calls: they take the target text as it is, without the URL
// parsing that would re-encode a mailto subject.
void openTarget(QWidget* window, const QString& target)
{
    platform::shellOpen(reinterpret_cast<void*>(window->winId()), target.toLocal8Bit().constData());
}

bool startWindowMove(QWidget* window)
{
    platform::startCaptionDrag(reinterpret_cast<void*>(window->winId()));
    return true;
}

QColor systemWindowColour()
{
    const unsigned long colour = platform::windowColour();
    return QColor(int(colour & 0xff), int((colour >> 8) & 0xff), int((colour >> 16) & 0xff));
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

// Elsewhere the application palette's base colour is the desktop's window colour.
QColor systemWindowColour() { return QGuiApplication::palette().color(QPalette::Base); }

#endif

} // namespace ampora::ui
