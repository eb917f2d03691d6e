// What the borderless windows ask of the desktop: open a link with the user's default program
// and let the window system move a window with the pointer.
#pragma once

#include <QColor>
#include <QString>

class QWidget;

namespace ampora::ui {

// Opens a web address or "mailto:" target; the result is not checked.
void openTarget(QWidget* window, const QString& target);

// The system's window background colour, which a released link label takes.
QColor systemWindowColour();

// Asks the window system to move the window with the pointer, as by a title bar. Returns false
// where the platform refuses, so the caller can move the window itself.
bool startWindowMove(QWidget* window);

} // namespace ampora::ui
