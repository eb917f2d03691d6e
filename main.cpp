// Ampora: how many watts a PC's power supply must deliver.
#include "ui/AppStyle.h"
#include "ui/Form1.h"
#include "ui/Version.h"
#include "ui/platform/Platform.h"

#include <QApplication>
#include <QByteArrayList>

#include <array>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

// Qt's variables that would have it load code or read a file from where they point: folders of
// plugins, plugins beyond the display's (a theme, which may bring its own style sheets, a style,
// input devices), libraries, a folder of fonts and a file of logging rules.
constexpr std::array kIgnoredQtVariables{"QT_PLUGIN_PATH",         "QT_QPA_PLATFORM_PLUGIN_PATH",
                                         "QT_QPA_PLATFORMTHEME",   "QT_STYLE_OVERRIDE",
                                         "QT_QPA_GENERIC_PLUGINS", "QT_LOAD_TESTABILITY",
                                         "QT_OPENGL_DLL",          "QT_VULKAN_LIB",
                                         "QT_QPA_FONTDIR",         "QT_LOGGING_CONF"};

using Variables = std::vector<std::pair<const char*, QByteArray>>;

// Leaves the environment as the program lets Qt read it, and returns the user's values of what it
// changed: the variables above unset, and of QT_QPA_PLATFORM the platforms' names without their
// options (the offscreen platform's "configfile=" names a file to read).
Variables setQtVariablesAside()
{
    Variables users;
    for (const char* name : kIgnoredQtVariables) {
        if (qEnvironmentVariableIsSet(name)) {
            users.emplace_back(name, qgetenv(name));
            qunsetenv(name);
        }
    }
    const QByteArray platforms = qgetenv("QT_QPA_PLATFORM");
    if (platforms.contains(':')) {
        QByteArrayList names = platforms.split(';');
        for (QByteArray& name : names)
            name = name.split(':').constFirst();
        users.emplace_back("QT_QPA_PLATFORM", platforms);
        qputenv("QT_QPA_PLATFORM", names.join(';'));
    }
    return users;
}

// Qt reads them while it starts; the programs a link opens (a browser, a mail program) get them.
void restore(const Variables& users)
{
    for (const auto& [name, value] : users)
        qputenv(name, value);
}

} // namespace

int main(int, char*[])
{
    const Variables users = setQtVariablesAside();
    // Qt meets a missing display with a hint to reinstall the program and an abort, which
    // misleads: say what is missing instead.
    if (!ampora::platform::mayFindDisplay()) {
        std::fputs(
            "ampora: no display to show the window on (DISPLAY or WAYLAND_DISPLAY is unset)\n",
            stderr);
        return 1;
    }
    // The program takes no command line. Qt is given its name alone: Qt's own arguments would
    // have it read a style sheet, load plugins, mirror, move or rename the window.
    char name[] = "ampora";
    int argc = 1;
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    restore(users);
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
