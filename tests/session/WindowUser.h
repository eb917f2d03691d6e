// The user's hands on the real main window: keys, mouse clicks on boxes, labels and the open
// list of a selector, and the About window opened and closed by its own labels.
#pragma once

#include "ui/Form1.h"

#include <QString>

class QCheckBox;
class QComboBox;

namespace session {

class WindowUser {
public:
    explicit WindowUser(ampora::ui::Form1& form) : form_(form) {}

    QComboBox* selector(const std::string& name) const;
    QCheckBox* box(const std::string& name) const;
    QWidget* widget(const std::string& name) const;

    // Focuses the selector and presses one key (Up, Down, Home or End).
    void pressKey(QComboBox* selector, int key) const;
    // Opens the list (a click on the selector, or Alt+Down) and clicks the item; false if the
    // list did not open (a disabled selector) or the item could not be clicked.
    bool pickFromList(QComboBox* selector, int index, bool openByMouse) const;
    // Presses the mouse on a selector without picking anything, then closes any list it opened.
    bool listOpensOnClick(QComboBox* selector) const;
    void clickBox(QCheckBox* box) const;
    void pressSpaceOn(QCheckBox* box) const;
    void click(QWidget* widget) const;

    // "?" or "关于"; then the About window's "确定". Closing waits until it is gone.
    void openAbout(const std::string& label) const;
    bool closeAbout() const;
    // About windows alive right now (shown or not), to catch duplicates and leftovers.
    static int aboutWindowCount();

    // The offscreen platform says, for every open list, that it cannot raise windows or grab
    // the keyboard; thousands of such notices would bury a real warning.
    static void quietPlatformNotices();

private:
    ampora::ui::Form1& form_;
};

} // namespace session
