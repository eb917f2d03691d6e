#include "ui/Resources.h"

#include "ui/platform/Platform.h"

#include <QFontDatabase>
#include <QStringList>

#include <mutex>

// Resources linked from a static library must be registered by name, outside any namespace.
static void registerCompiledResources()
{
    Q_INIT_RESOURCE(art);
    Q_INIT_RESOURCE(fonts);
}

namespace ampora::ui {

void initResources()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerCompiledResources();
        // Before anything asks for a font: the window looks the same wherever it runs, and
        // start-up skips the system's font configuration.
        platform::useOnlyBundledFonts();
        // Populating the font database first makes Qt prefer the bundled files over system
        // fonts of the same family name, where it sees system fonts at all (see Fonts.cpp).
        QFontDatabase::families();
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/WineTahoma-Bold.ttf"));
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/AmporaCJK-Bold.otf"));
    });
}

} // namespace ampora::ui
