#include "ui/AppStyle.h"

#include <QApplication>
#include <QStyleFactory>
#include <QStyleOptionComplex>

namespace ampora::ui {

namespace {
constexpr int kArrowWidth = 14;
constexpr int kTextMargin = 3;
} // namespace

AppStyle::AppStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QRect AppStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                               SubControl part, const QWidget* widget) const
{
    if (control != CC_ComboBox)
        return QProxyStyle::subControlRect(control, option, part, widget);
    const QRect frame = option->rect;
    switch (part) {
    case SC_ComboBoxArrow:
        return visualRect(
            option->direction, frame,
            QRect(frame.right() - kArrowWidth, frame.top(), kArrowWidth + 1, frame.height()));
    case SC_ComboBoxEditField:
        return visualRect(option->direction, frame,
                          frame.adjusted(kTextMargin, 2, -(kArrowWidth + 1), -2));
    default:
        return QProxyStyle::subControlRect(control, option, part, widget);
    }
}

int AppStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                        QStyleHintReturn* returnData) const
{
    // Fusion opens a drop-down list as a menu over the selector, as tall as its items: the full
    // height of the screen for a hundred percentages. A list below (or above) the selector keeps
    // to the rows the selector allows and scrolls.
    if (hint == SH_ComboBox_Popup)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void installAppStyle()
{
    QApplication::setStyle(new AppStyle); // the application takes ownership
}

} // namespace ampora::ui
