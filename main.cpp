// Ampora: how many watts a PC's power supply must deliver.
#include "ui/AppStyle.h"
#include "ui/Form1.h"
#include "ui/Version.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <ranges>
#include <string_view>

namespace {

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
bool isSet(const char* variable)
{
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

// Whether a platform plugin may find a display: X11 and Wayland need theirs named. The others
// (offscreen, vnc...) need none, and an unknown name gets Qt's own message.
bool mayFindDisplay(std::string_view plugin)
{
    plugin = plugin.substr(0, plugin.find(':')); // plugin options follow a colon
    if (plugin == "xcb")
        return isSet("DISPLAY");
    if (plugin.starts_with("wayland"))
        return isSet("WAYLAND_DISPLAY");
    return true;
}

// Qt meets a missing display with a hint to reinstall the program and an abort, which misleads.
// Tells that case before Qt starts: no plugin Qt would try (QT_QPA_PLATFORM, else X11 then
// Wayland) may find a display. Any argument is Qt's own (-platform, -display): Qt decides then.
bool noDisplayToShowOn(int argc)
{
    if (argc > 1)
        return false;
    const char* forced = std::getenv("QT_QPA_PLATFORM");
    const std::string_view plugins = forced != nullptr && *forced != '\0' ? forced : "xcb;wayland";
    for (const auto plugin : std::views::split(plugins, ';')) {
        if (mayFindDisplay(std::string_view(plugin.begin(), plugin.end())))
            return false;
    }
    return true;
}
#else
bool noDisplayToShowOn(int) { return false; } // Windows and macOS always have their desktop
#endif

} // namespace

int main(int argc, char* argv[])
{
    if (noDisplayToShowOn(argc)) {
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
