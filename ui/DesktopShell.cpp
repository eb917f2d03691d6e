#include "ui/DesktopShell.h"

#include <QWidget>

#ifdef Q_OS_WIN
#include "ui/platform/WindowsShell.h"
#else
#include <QDesktopServices>
#include <QUrl>
#include <QWindow>
#endif

namespace ampora::ui
{

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

} // namespace ampora::ui
