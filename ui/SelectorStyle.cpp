#include "ui/SelectorStyle.h"

#include <QApplication>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOptionComplex>

namespace ampora::ui
{

namespace
{
constexpr int kArrowWidth = 14;
constexpr int kTextMargin = 3;
} // namespace

SelectorStyle::SelectorStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QRect SelectorStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
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

SelectorStyle* SelectorStyle::instance()
{
    // Parented to the application so it outlives every window that uses it.
    static QPointer<SelectorStyle> style;
    if (!style) {
        style = new SelectorStyle;
        style->setParent(qApp);
    }
    return style;
}

} // namespace ampora::ui
