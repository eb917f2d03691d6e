// Drives the real main window the way a user does, and reads back what the user sees.
#pragma once

#include "tests/SheetText.h"
#include "ui/Form1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTest>

class FormDriver {
public:
    explicit FormDriver(ampora::ui::Form1& form) : form_(form) {}

    QComboBox* selector(const char* name) const
    {
        return form_.control<QComboBox>(QString::fromUtf8(name));
    }
    QCheckBox* box(const char* name) const
    {
        return form_.control<QCheckBox>(QString::fromUtf8(name));
    }
    QLabel* label(const char* name) const { return form_.control<QLabel>(QString::fromUtf8(name)); }

    // Picks an item as the user does from the open list.
    void choose(const char* name, const char* item) const
    {
        QComboBox* combo = selector(name);
        const int index = combo->findText(QString::fromUtf8(item), Qt::MatchExactly);
        QVERIFY2(index >= 0, item);
        QVERIFY2(combo->isEnabled(), name);
        combo->setCurrentIndex(index);
    }

    // Clicks the centre of a tick box's square.
    void click(const char* name) const
    {
        QCheckBox* check = box(name);
        QTest::mouseClick(check, Qt::LeftButton, {}, check->rect().center());
    }

    QString slot(const char* role) const
    {
        return slotText(form_.sheet(), *ampora::slotByRole(role));
    }
    QString estimate() const { return label("Label4")->text(); }
    QString shadow() const { return label("Labelshadow")->text(); }
    QColor loadBar() const
    {
        return form_.control<QWidget>(QStringLiteral("Line1"))->palette().color(QPalette::Window);
    }
    bool recommended() const { return label("Labeldr")->isEnabled(); }

private:
    ampora::ui::Form1& form_;
};
