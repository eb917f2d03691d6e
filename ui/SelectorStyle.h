// The look of the drop-down lists: Fusion with a slim arrow button, so that the narrow count
// lists (37 pixels wide) still show a two-digit count in full.
#pragma once

#include <QProxyStyle>

namespace ampora::ui
{

class SelectorStyle : public QProxyStyle
{
    Q_OBJECT
public:
    SelectorStyle();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget = nullptr) const override;

    // One shared instance, owned by the application.
    static SelectorStyle* instance();
};

} // namespace ampora::ui
