// Linux: fontconfig limited to the bundled fonts, the display check, the desktop's URL opener and
// the window manager's move.
#include "ui/platform/Platform.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QUrl>
#include <QWidget>
#include <QWindow>

#include <fontconfig/fontconfig.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <ranges>
#include <string_view>

namespace ampora::platform {

namespace {

// Slight hinting is what a stock desktop configuration asks for, and what the window's reference
// pictures show; fontconfig's built-in default would be full hinting.
constexpr char kFontconfiguration[] = R"(<fontconfig>
  <match target="pattern">
    <edit name="hintstyle" mode="assign"><const>hintslight</const></edit>
  </match>
</fontconfig>
)";

bool isSet(const char* variable)
{
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

// X11 and Wayland need their display named. The others (offscreen, vnc...) need none, and an
// unknown name gets Qt's own message.
bool pluginMayFindDisplay(std::string_view plugin)
{
    if (plugin == "xcb")
        return isSet("DISPLAY");
    if (plugin.starts_with("wayland"))
        return isSet("WAYLAND_DISPLAY");
    return true;
}

// Whether the X server holds the left button down now. A press may reach the program after its
// release has reached the server, as a quick tap on a touchpad gives. Elsewhere (Wayland) the
// compositor checks the press itself.
bool leftButtonStillDown()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return true;
    xcb_connection_t* connection = x11->connection();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const std::unique_ptr<xcb_query_pointer_reply_t, decltype(&std::free)> pointer(
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, screen->root), nullptr),
        &std::free);
    return pointer && (pointer->mask & XCB_BUTTON_MASK_1);
}

} // namespace

bool mayFindDisplay()
{
    // The plugins Qt would try: QT_QPA_PLATFORM, else X11 then Wayland.
    const char* forced = std::getenv("QT_QPA_PLATFORM");
    const std::string_view plugins = forced != nullptr && *forced != '\0' ? forced : "xcb;wayland";
    for (const auto plugin : std::views::split(plugins, ';')) {
        if (pluginMayFindDisplay(std::string_view(plugin.begin(), plugin.end())))
            return true;
    }
    return false;
}

void useOnlyBundledFonts()
{
    // With no font directory the configuration lists no system font: fontconfig reads neither
    // the system's configuration nor its font caches, and matching weighs two fonts, not all.
    // Qt then adds the bundled fonts to it.
    FcConfig* config = FcConfigCreate();
    if (!config)
        return;
    if (!FcConfigParseAndLoadFromMemory(
            config, reinterpret_cast<const FcChar8*>(kFontconfiguration), FcTrue) ||
        !FcConfigSetCurrent(config))
        FcConfigDestroy(config); // fontconfig then loads the system's configuration as usual
    // Otherwise the configuration stays current for the life of the program.
}

QFont::HintingPreference fontHinting(qreal) { return QFont::PreferDefaultHinting; }

void prepareWindow(QWidget*) {}

void openTarget(QWidget*, const QString& target)
{
    QDesktopServices::openUrl(QUrl(target, QUrl::TolerantMode));
}

bool startSystemMove(QWidget* window)
{
    QWindow* handle = window->windowHandle();
    return handle && leftButtonStillDown() && handle->startSystemMove();
}

void endSystemMove(QWidget*) {} // the window manager ends its move with the button's release

} // namespace ampora::platform
