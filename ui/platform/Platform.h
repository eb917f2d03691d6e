// What differs between the desktops Ampora runs on, behind one header: PlatformLinux.cpp and
// PlatformWindows.cpp implement it, and the build compiles the one for its target.
#pragma once

#include <QFont>
#include <QString>

class QWidget;

namespace ampora::platform {

// Whether the program may find a display to show its window on (Linux needs one named), so
// that main can say so plainly where Qt would abort. Reads QT_QPA_PLATFORM as platform names
// without their options, as main leaves it for Qt.
bool mayFindDisplay();

// Makes fontconfig, where Qt asks it, list only the fonts built into the program, with the
// rendering the window was drawn with. Before Qt first asks it anything.
void useOnlyBundledFonts();

// The hinting that draws the bundled fonts as fontconfig draws them on Linux.
QFont::HintingPreference fontHinting(qreal devicePixelRatio);

// Readies a top-level window of the program before it first shows.
void prepareWindow(QWidget* window);

// Opens a web address or "mailto:" target with the user's default program; the result is not
// checked.
void openTarget(QWidget* window, const QString& target);

// Hands the window to the window system's move loop, as if dragged by a title bar, while the
// left button that pressed on it is still down. False where the system does not move it that way,
// or no longer could (the button is already up): the caller then follows the pointer itself.
bool startSystemMove(QWidget* window);

// Ends a system move of the window still in progress, so that closing it ends the program.
void endSystemMove(QWidget* window);

} // namespace ampora::platform
