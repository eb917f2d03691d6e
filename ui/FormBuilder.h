// Builds a fixed form's widgets from its declarative table.
#pragma once

#include "ui/FormLayout.h"

#include <QHash>
#include <QString>
#include <QWidget>

namespace ampora::ui {

class FormControls {
public:
    template <typename T> T* get(const QString& name) const
    {
        return qobject_cast<T*>(widgets_.value(name));
    }
    QWidget* widget(const QString& name) const { return widgets_.value(name); }
    void add(const QString& name, QWidget* widget) { widgets_.insert(name, widget); }

private:
    QHash<QString, QWidget*> widgets_;
};

// Gives a top-level window without frame its name, title, fixed size and black background,
// and makes the bundled art and fonts available to it.
void setUpBorderlessWindow(QWidget* window, const QString& name, const QString& title, QSize size);

// Places a window in the middle of the primary screen.
void centreOnScreen(QWidget* window);

// Creates every control and line as a child of form, in table order, with its geometry, font,
// colours and start state. Selectors and tick boxes end up above labels, lines and pictures.
FormControls buildForm(QWidget* form, std::span<const ControlSpec> controls,
                       std::span<const LineSpec> lines = {});

// Sets a label's text colour while enabled; its greyed colour stays.
void setTextColour(QWidget* label, const QColor& colour);

// Sets the colour a line is drawn in.
void setLineColour(QWidget* line, const QColor& colour);

} // namespace ampora::ui
