#include "ui/Fonts.h"

#include "ui/model/ControlTable.h"
#include "ui/platform/Platform.h"

#include <QGuiApplication>

namespace ampora::ui {

QFont windowFont(double points)
{
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Noto Sans CJK SC")});
    font.setBold(true);
    // Grey edges on every screen, as the first frame drawn at build time has them.
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    font.setHintingPreference(platform::fontHinting(qApp->devicePixelRatio()));
    // Pixel sizes keep the layout's proportions whatever dpi the screen reports.
    font.setPixelSize(pointsToPixels(points));
    return font;
}

} // namespace ampora::ui
