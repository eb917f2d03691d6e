// A tick box drawn as a bare square on its grey face: the words are a separate label, and the
// whole face, not only the inner square, toggles it.
#pragma once

#include <QCheckBox>

namespace ampora::ui {

class TickBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint& position) const override { return rect().contains(position); }
};

} // namespace ampora::ui
