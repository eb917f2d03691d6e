// Ampora: how many watts a PC's power supply must deliver.
#include "ui/AppStyle.h"
#include "ui/Form1.h"
#include "ui/Version.h"

#include <QApplication>

int main(int argc, char* argv[])
{
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
