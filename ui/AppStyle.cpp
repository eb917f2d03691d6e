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

void AppStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                  QPainter* painter, const QWidget* widget) const
{
    const auto* selector = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    if (control != CC_ComboBox || !selector)
        return QProxyStyle::drawComplexControl(control, option, painter, widget);
    // Fusion keeps each drawn list face under the identity of its palette, and every list has a
    // palette object of its own: lists of equal colours get one object, so they share faces.
    QStyleOptionComboBox shared = *selector;
    const QPalette& palette = option->palette;
    auto same = std::find_if(selectorPalettes_.cbegin(), selectorPalettes_.cend(), [&](auto& p) {
        return p == palette && p.currentColorGroup() == palette.currentColorGroup();
    });
    if (same == selectorPalettes_.cend())
        same = selectorPalettes_.insert(selectorPalettes_.cend(), palette);
    shared.palette = *same;
    QProxyStyle::drawComplexControl(control, &shared, painter, widget);
}

void installAppStyle()
{
    QApplication::setStyle(new AppStyle); // the application takes ownership
}

} // namespace ampora::ui
