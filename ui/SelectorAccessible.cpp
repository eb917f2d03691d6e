#include "ui/SelectorAccessible.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace ampora::ui {

namespace {

class SelectorAccessible : public QAccessibleWidget {
public:
    explicit SelectorAccessible(QComboBox* selector)
        : QAccessibleWidget(selector, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return selector()->currentText();
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return selector()->currentText();
        return QAccessibleWidget::text(kind);
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

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action == showMenuAction())
            selector()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* selector() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* createSelectorAccessible(const QString& className, QObject* object)
{
    auto* selector = qobject_cast<QComboBox*>(object);
    if (className == QLatin1String("QComboBox") && selector && !selector->isEditable())
        return new SelectorAccessible(selector);
    return nullptr;
}

} // namespace

void announceSelectorsByName()
{
#ifdef Q_OS_UNIX
    // Elsewhere Qt's own interface already speaks the name.
    static const bool installed = (QAccessible::installFactory(createSelectorAccessible), true);
    Q_UNUSED(installed);
#endif
}

} // namespace ampora::ui
