#include "ui/Form3.h"

#include "ui/ClickableLabel.h"
#include "ui/ControlBuilder.h"
#include "ui/model/AboutWindowLayout.h"

#include <QShortcut>

namespace ampora::ui {

Form3::Form3(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    // The title is what the task bar and the window switcher show.
    const WindowLayout layout = aboutWindowLayout();
    setUpBorderlessWindow(this, QStringLiteral("Form3"), QStringLiteral("关于 Ampora"), layout);
    setAttribute(Qt::WA_DeleteOnClose);

    const NamedControls controls = buildControls(this, layout);
    connect(controls.get<ClickableLabel>("Label2"), &ClickableLabel::clicked, this,
            &Form3::Label2_Click);
    // "确定" takes no focus, so Escape does its work from the keyboard.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &Form3::Label2_Click);
    centreOnScreen(this);
}

void Form3::Label2_Click() { close(); }

} // namespace ampora::ui
