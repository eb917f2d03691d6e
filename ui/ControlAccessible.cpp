#include "ui/ControlAccessible.h"

#include "ui/TickBox.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

#include <mutex>

namespace ampora::ui {

namespace {

constexpr char kDecoration[] = "ampora_decoration";

// A focusable control of a window. Its description is read anew each time rather than stored,
// as a stored one would announce each change: Qt's Linux bridge announces it without the new
// text, which Orca fails on.
class ControlAccessible : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Description && widget()->accessibleDescription().isEmpty())
            return widget()->window()->accessibleDescription();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override
    {
        if (!widget()->isEnabled())
            return {};
        return QStringList{primaryAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (!actionNames().contains(action))
            return;
        if (action == primaryAction())
            doPrimaryAction();
        else
            QAccessibleWidget::doAction(action);
    }

protected:
    virtual QString primaryAction() const = 0;
    virtual void doPrimaryAction() = 0;
};

class TickBoxAccessible : public ControlAccessible {
public:
    explicit TickBoxAccessible(QCheckBox* box) : ControlAccessible(box, QAccessible::CheckBox) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = ControlAccessible::state();
        state.checkable = true;
        state.checked = box()->isChecked();
        return state;
    }

protected:
    QString primaryAction() const override { return toggleAction(); }
    void doPrimaryAction() override { box()->click(); }

private:
    QCheckBox* box() const { return static_cast<QCheckBox*>(widget()); }
};

// Screen readers read a list's item from its selection or, lacking one, from its text: Qt 6.4
// offers no selection on Linux, so the item is offered as text. The whole item counts as
// selected, as the list draws it; a new item that arrives selected is what Orca speaks.
class SelectorAccessible : public ControlAccessible, public QAccessibleTextInterface {
public:
    explicit SelectorAccessible(QComboBox* selector)
        : ControlAccessible(selector, QAccessible::ComboBox)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return ControlAccessible::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        // Every selector has a spoken name of its own; its value is the item.
        if (kind == QAccessible::Value)
            return item();
        return ControlAccessible::text(kind);
    }

    // The drop-down list and its items, as Qt's own interface offers them.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(selector()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == selector()->view() ? 0 : -1;
    }

    // The item as text: read-only, selected as a whole, the caret at its start.
    QString text(int start, int end) const override { return item().mid(start, end - start); }
    int characterCount() const override { return int(item().size()); }
    int selectionCount() const override { return item().isEmpty() ? 0 : 1; }
    void selection(int index, int* start, int* end) const override
    {
        *start = 0;
        *end = index == 0 ? characterCount() : 0;
    }
    int cursorPosition() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = *end = offset;
        return {};
    }

protected:
    QString primaryAction() const override { return showMenuAction(); }
    void doPrimaryAction() override { selector()->showPopup(); }

private:
    QComboBox* selector() const { return static_cast<QComboBox*>(widget()); }
    QString item() const { return selector()->currentText(); }
};

// Not showing, so screen readers pass it by, and nameless should one ask.
class DecorationAccessible : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
    QString text(QAccessible::Text) const override { return {}; }
};

QAccessibleInterface* createControlAccessible(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (widget->property(kDecoration).toBool())
        return new DecorationAccessible(widget);
    if (auto* box = qobject_cast<TickBox*>(widget))
        return new TickBoxAccessible(box);
    auto* selector = qobject_cast<QComboBox*>(widget);
    if (className == QLatin1String("QComboBox") && selector && !selector->isEditable())
        return new SelectorAccessible(selector);
    return nullptr;
}

} // namespace

void installControlAccessibility()
{
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(createControlAccessible); });
}

void announceItemChanges(QComboBox* selector)
{
    // Only the new item is announced: removing the old, selected one would be read out as a
    // deleted selection.
    QObject::connect(selector, &QComboBox::currentTextChanged, selector,
                     [selector](const QString& item) {
                         if (!QAccessible::isActive())
                             return; // no screen reader listens: spare every pick the event
                         QAccessibleTextInsertEvent event(selector, 0, item);
                         QAccessible::updateAccessibility(&event);
                     });
}

void hideFromScreenReaders(QWidget* decoration)
{
    decoration->setProperty(kDecoration, true);
    // Qt keeps the interface it made first, which a label's text may already have asked for.
    QAccessible::deleteAccessibleInterface(
        QAccessible::uniqueId(QAccessible::queryAccessibleInterface(decoration)));
}

} // namespace ampora::ui
