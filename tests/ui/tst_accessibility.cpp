// What a screen reader gets from the main window: a selector's new item, no way into a locked
// selector, the estimate once, with its unit and its account of its sum, and the estimate in
// every control's description. One window serves the checks in turn.
#include "tests/WindowUser.h"
#include "ui/Form1.h"

#include <QAccessible>

static const auto accessible = &QAccessible::queryAccessibleInterface;

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { quietPlatformNotices(), form_.show(); }

    void selectorOffersItsNewItemAsText()
    {
        auto* memory = control<QComboBox>(form_, "Combo5");
        QTest::keyClick(memory, Qt::Key_Down);
        QAccessibleTextInterface* text = accessible(memory)->textInterface();
        QCOMPARE(text->text(0, text->characterCount()), "PC66/100 SDRAM");
        // Selected as a whole, the caret at its start; the list below it, as Qt's own.
        int start = -1, end = -1;
        text->selection(0, &start, &end);
        QAccessibleInterface* list = accessible(memory)->child(0);
        QCOMPARE((QList{text->selectionCount(), start, end, text->cursorPosition(),
                        accessible(memory)->childCount(), accessible(memory)->indexOfChild(list)}),
                 (QList{1, 0, 14, 0, 1, 0}));
    }

    // The mouse and the keys are tried on locked selectors in the random sessions.
    void lockedSelectorsOfferNoActionAndIgnoreTheWheel()
    {
        for (const char* name : {"Combo15", "Combo16", "Combooc", "Combo120", "Combo170"}) {
            auto* list = control<QComboBox>(form_, name);
            QAccessibleActionInterface* actions = accessible(list)->actionInterface();
            QVERIFY2(actions->actionNames().isEmpty(), name);
            actions->doAction(actions->showMenuAction());
            QWheelEvent wheel({}, {}, {}, {0, -120}, {}, {}, Qt::NoScrollPhase, false);
            QApplication::sendEvent(list, &wheel);
            QVERIFY2(list->currentIndex() == 0 && !list->view()->isVisible(), name);
        }
    }

    void estimateIsReadOnceAndExplainsItself()
    {
        for (const QString& pick :
             script("Combo2=2 Combo1=Athlon 64 FX55 Combo5=DDR2 SDRAM Combo4=3 Combo9=3"))
            QVERIFY2(act(form_, pick), qPrintable(pick));
        QStringList read;
        for (QWidget* shown : form_.findChildren<QWidget*>())
            if (!accessible(shown)->state().invisible)
                read << accessible(shown)->text(QAccessible::Name);
        QCOMPARE(read.filter(QRegularExpression("瓦|^\\d+$")), QStringList{"274 瓦"});
        QCOMPARE(accessible(control(form_, "Label4"))->text(QAccessible::Description),
                 "处理器 208 + 内存 22.5 + 设备 9 + 基础 35 = 274 瓦 (取整)");
        for (QWidget* input : form_.findChildren<QWidget*>(QRegularExpression("^(Combo|Check)")))
            QCOMPARE(accessible(input)->text(QAccessible::Description), "估计功率 274 瓦");
    }

private:
    ampora::ui::Form1 form_;
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
