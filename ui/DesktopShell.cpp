#include "ui/DesktopShell.h"

#include <QDesktopServices>
#include <QUrl>
#include <QWidget>
#include <QWindow>

namespace ampora::ui {

void openTarget(QWidget*, const QString& target)
{
    QDesktopServices::openUrl(QUrl(target, QUrl::TolerantMode));
}

bool startWindowMove(QWidget* window)
{
    QWindow* handle = window->windowHandle();
    return handle && handle->startSystemMove();
}

} // namespace ampora::ui
