#include "ui/Fonts.h"

#include "ui/ControlTable.h"

#include <QGuiApplication>

#ifdef AMPORA_BUNDLED_FONTCONFIG
#include "ui/platform/BundledFontconfig.h"

// Before main, so that whatever first asks for a font, the program or a test, finds only the
// bundled ones: the window looks the same wherever it runs, and start-up skips the system's
// font configuration.
using ampora::platform::useOnlyBundledFonts;
Q_CONSTRUCTOR_FUNCTION(useOnlyBundledFonts)
#endif

namespace ampora::ui {

QFont windowFont(double points)
{
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Noto Sans CJK SC")});
    font.setBold(true);
    // Grey edges on every screen, as the first frame drawn at build time has them.
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
#ifdef Q_OS_WIN
    // Hinted as fontconfig hints on Linux: lightly, and not at all on scaled screens.
    font.setHintingPreference(qApp->devicePixelRatio() == 1 ? QFont::PreferVerticalHinting
                                                            : QFont::PreferNoHinting);
#endif
    // Pixel sizes keep the layout's proportions whatever dpi the screen reports.
    font.setPixelSize(pointsToPixels(points));
    return font;
}

} // namespace ampora::ui
