// What screen readers get from the windows' controls, beyond what Qt gives them:
// - a selector is announced by its accessible name (on Unix Qt would announce its item instead),
//   offers its chosen item as text, where screen readers read a list's value, and announces
//   each new item;
// - a selector or tick box describes itself with its window's description, which for the main
//   window is the current estimate, so that "where am I" tells it wherever the user stands;
// - a disabled selector or tick box offers no action, so that no screen reader can slip a value
//   past the lock;
// - a decoration that repeats another control's words is left unread.
#pragma once

class QComboBox;
class QWidget;

namespace ampora::ui {

// Installs the interfaces above for every selector and tick box; calling it again does nothing.
void installControlAccessibility();

// The selector's new item is announced whenever it changes.
void announceItemChanges(QComboBox* selector);

// Screen readers skip the widget.
void hideFromScreenReaders(QWidget* decoration);

} // namespace ampora::ui
