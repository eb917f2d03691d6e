// Builds a window's controls from its declarative table (ControlTable.h).
#pragma once

#include "ui/model/ControlTable.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QString>
#include <QWidget>

namespace ampora::ui {

// A window's controls, by name and in the order of their table's rows.
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
    void add(const QString& name, QWidget* widget)
    {
        widgets_.insert(name, widget);
        inTableOrder_.append(widget);
    }
    const QList<QWidget*>& inTableOrder() const { return inTableOrder_; }

private:
    QHash<QString, QWidget*> widgets_;
    QList<QWidget*> inTableOrder_;
};

inline QColor toQColor(Rgb colour) { return {colour.red, colour.green, colour.blue}; }

// Gives a top-level window without frame its name, title, the layout's fixed size, font and
// black background, and makes the bundled art and fonts and the controls' screen reader support
// available to it.
void setUpBorderlessWindow(QWidget* window, const QString& name, const QString& title,
                           const WindowLayout& layout);

// Places a window in the middle of the primary screen.
void centreOnScreen(QWidget* window);

// Creates every control as a child of window, in table order, with its geometry, font, colours
// and start state. Selectors and tick boxes end up above labels, lines and pictures.
NamedControls buildControls(QWidget* window, const WindowLayout& layout);

// Sets a label's text colour while enabled; its greyed colour stays.
void setTextColour(QWidget* label, const QColor& colour);

// Sets the colour a line is drawn in.
void setLineColour(QWidget* line, const QColor& colour);

} // namespace ampora::ui
