// Ampora: how many watts a PC's power supply must deliver.
#include "ui/AppStyle.h"
#include "ui/Form1.h"
#include "ui/Version.h"
#include "ui/platform/Platform.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    // Qt meets a missing display with a hint to reinstall the program and an abort, which
    // misleads: say what is missing instead.
    if (!ampora::platform::mayFindDisplay(argc)) {
        std::fputs(
            "ampora: no display to show the window on (DISPLAY or WAYLAND_DISPLAY is unset)\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ampora"));
    QApplication::setOrganizationName(QStringLiteral("Kestrune"));
    QApplication::setApplicationVersion(QStringLiteral(AMPORA_VERSION));
    // Lets Wayland desktops match the window to its launcher entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.kestrune.Ampora"));
    ampora::ui::installAppStyle();

    ampora::ui::Form1 window;
    window.show();
    return QApplication::exec();
}
