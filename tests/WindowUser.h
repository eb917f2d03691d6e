// The user's hands on the real windows: picks from a selector's open list, clicks and keys.
#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QRegularExpression>
#include <QTest>

// A control by its name; a name the window lacks fails at once rather than crashing later.
template <typename T = QWidget> T* control(const QWidget& window, const std::string& name)
{
    T* found = window.findChild<T*>(QString::fromStdString(name));
    if (!found)
        qFatal("%s has no control named %s", qPrintable(window.objectName()), name.c_str());
    return found;
}

inline void click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(widget, button, {}, widget->rect().center());
}

// Opens the list with a click and takes the item with the keyboard; false when the list stays
// shut, as a disabled selector's does.
inline bool pickFromList(QComboBox* selector, int index)
{
    click(selector);
    QAbstractItemView* list = selector->view();
    if (!list->isVisible())
        return false;
    list->setCurrentIndex(list->model()->index(index, 0));
    QTest::keyClick(list, Qt::Key_Return);
    return !list->isVisible();
}

// A script of actions, split where a control's name starts: items may hold blanks.
inline QStringList script(const QString& actions)
{
    return actions.split(QRegularExpression(" (?=Combo|Check|Label)"), Qt::SkipEmptyParts);
}

// Carries out a script's action as a user: "Combo2=2" picks the item "2" from the list of Combo2,
// "Check3" clicks the box. False when the list does not take the item.
inline bool act(const QWidget& window, const QString& action)
{
    auto* list = qobject_cast<QComboBox*>(control(window, action.section('=', 0, 0).toStdString()));
    if (!list)
        click(control(window, action.toStdString()));
    return !list || pickFromList(list, list->findText(action.section('=', 1)));
}

// The offscreen platform says, for every list opened, that it cannot raise windows or grab the
// keyboard, and Wine, for every window, that it lacks a call of Windows 10: thousands of such
// notices would bury a real warning.
inline void quietPlatformNotices()
{
    static const QtMessageHandler platform = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (!text.contains(QRegularExpression("^(This plugin does not|EnableNonClientDpi)")))
                platform(type, context, text);
        });
}

// The About windows alive right now, shown or not, once closed ones are gone.
inline QWidgetList aboutWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QWidgetList about = QApplication::topLevelWidgets();
    about.removeIf([](const QWidget* top) { return top->objectName() != QLatin1String("Form3"); });
    return about;
}
inline QWidget* aboutWindow() { return aboutWindows().value(0); }
