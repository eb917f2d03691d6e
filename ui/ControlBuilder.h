// Builds a window's controls from its declarative table (ControlTable.h).
#pragma once

#include "ui/ControlTable.h"

#include <QHash>
#include <QString>
#include <QWidget>

namespace ampora::ui {

// A window's controls by name, used once while the window resolves them into typed groups.
class NamedControls {
public:
    // The control of that name and kind; a name the table lacks stops the program at start-up,
    // so a typing slip can never lurk until the control is used.
    template <typename T = QWidget> T* get(const char* name) const
    {
        auto* control = qobject_cast<T*>(widgets_.value(QString::fromUtf8(name)));
        if (!control)
            qFatal("the window has no %s named %s", T::staticMetaObject.className(), name);
        return control;
    }
    void add(const QString& name, QWidget* widget) { widgets_.insert(name, widget); }

private:
    QHash<QString, QWidget*> widgets_;
};

// Gives a top-level window without frame its name, title, fixed size and black background,
// and makes the bundled art and fonts and the controls' screen reader support available to it.
void setUpBorderlessWindow(QWidget* window, const QString& name, const QString& title, QSize size);

// Places a window in the middle of the primary screen.
void centreOnScreen(QWidget* window);

// Creates every control and line as a child of window, in table order, with its geometry, font,
// colours and start state. Selectors and tick boxes end up above labels, lines and pictures.
NamedControls buildControls(QWidget* window, std::span<const ControlRow> controls,
                            std::span<const LineRow> lines = {});

// Sets a label's text colour while enabled; its greyed colour stays.
void setTextColour(QWidget* label, const QColor& colour);

// Sets the colour a line is drawn in.
void setLineColour(QWidget* line, const QColor& colour);

} // namespace ampora::ui
