// The program's look: Fusion, the same on every platform, with a slim arrow button on the
// drop-down lists so that the narrow count lists (37 pixels wide) show a two-digit count in full,
// and their items in a list that opens next to the selector, as desktops' own drop-down lists do.
#pragma once

#include <QProxyStyle>

namespace ampora::ui {

class AppStyle : public QProxyStyle {
    Q_OBJECT
public:
    AppStyle();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

// Makes AppStyle the application's style; call once the QApplication exists.
void installAppStyle();

} // namespace ampora::ui
