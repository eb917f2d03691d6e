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

void installAppStyle()
{
    QApplication::setStyle(new AppStyle); // the application takes ownership
}

} // namespace ampora::ui
