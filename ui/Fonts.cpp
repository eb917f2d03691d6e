#include "ui/Fonts.h"

#include "ui/FormLayout.h"

namespace ampora::ui {

QFont formFont(double points)
{
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Noto Sans CJK SC")});
    font.setBold(true);
    // Pixel sizes keep the layout's proportions whatever dpi the screen reports.
    font.setPixelSize(pointsToPixels(points));
    return font;
}

} // namespace ampora::ui
