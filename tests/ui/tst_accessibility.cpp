// What a screen reader user meets in the main window: every control announces what it is, and
// the keyboard alone reaches, ticks and changes every control.
#include "tests/ui/FormDriver.h"
#include "ui/MainWindowLayout.h"

#include <QAccessible>
#include <QRegularExpression>
#include <QStyleFactory>

#include <memory>

using ampora::ui::Form1;

namespace {

QAccessibleInterface* accessible(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

QString spokenName(QWidget* widget) { return accessible(widget)->text(QAccessible::Name); }

// Every focusable object below node that a screen reader could land on, hidden ones aside.
void collectFocusable(QAccessibleInterface* node, QList<QAccessibleInterface*>& found)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || child->state().invisible)
            continue;
        if (child->state().focusable)
            found.append(child);
        collectFocusable(child, found);
    }
}

// The visible words printed beside a control on its row: after a tick box, before a selector.
QLabel* wordsBeside(const Form1& form, QWidget* control)
{
    const QRect box = control->geometry();
    const bool after = qobject_cast<QCheckBox*>(control) != nullptr;
    QLabel* nearest = nullptr;
    int nearestGap = 30; // pixels; anything farther belongs to another control
    for (QLabel* label : form.findChildren<QLabel*>()) {
        const QRect words = label->geometry();
        if (!label->isVisibleTo(&form) || label->text().isEmpty() ||
            qAbs(words.center().y() - box.center().y()) > 8)
            continue;
        const int gap = after ? words.left() - box.right() : box.left() - words.center().x();
        if (gap >= 0 && gap < nearestGap) {
            nearest = label;
            nearestGap = gap;
        }
    }
    return nearest;
}

QStringList namesOf(const QList<QWidget*>& widgets)
{
    QStringList names;
    for (QWidget* widget : widgets)
        names.append(widget->objectName());
    return names;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create("Fusion")); }
    void init();
    void cleanup() { form_.reset(); }

    void everyFocusableControlIsNamed();
    void controlsAreNamedAfterTheWordsBesideThem();
    void controlsWithoutWordsAnnounceTheirPurpose_data();
    void controlsWithoutWordsAnnounceTheirPurpose();
    void estimateIsDescribedAsWatts();
    void tabVisitsTheKeyboardOrder_data();
    void tabVisitsTheKeyboardOrder();
    void spaceTogglesTheFocusedTickBox_data();
    void spaceTogglesTheFocusedTickBox();
    void arrowKeysChangeTheFocusedSelector_data();
    void arrowKeysChangeTheFocusedSelector();

private:
    QWidget* widget(const char* name) const
    {
        return form_->control<QWidget>(QString::fromUtf8(name));
    }
    QWidget* focused() const { return QApplication::focusWidget(); }
    void pressOn(const char* name, Qt::Key key)
    {
        widget(name)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(focused(), key);
    }

    std::unique_ptr<Form1> form_;
};

void AccessibilityTest::init()
{
    form_ = std::make_unique<Form1>();
    form_->show();
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void AccessibilityTest::everyFocusableControlIsNamed()
{
    QList<QAccessibleInterface*> focusable;
    collectFocusable(accessible(form_.get()), focusable);
    QStringList unnamed;
    for (QAccessibleInterface* node : focusable) {
        if (node->text(QAccessible::Name).trimmed().isEmpty())
            unnamed.append(node->object() ? node->object()->objectName() : QStringLiteral("?"));
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable("no accessible name: " + unnamed.join(", ")));
    // The walk must have met the whole keyboard order, not stopped at the window.
    QCOMPARE(focusable.size(), qsizetype(ampora::ui::mainWindowTabOrder().size()));
}

void AccessibilityTest::controlsAreNamedAfterTheWordsBesideThem()
{
    int compared = 0;
    for (const char* name : ampora::ui::mainWindowTabOrder()) {
        QLabel* words = wordsBeside(*form_, widget(name));
        if (!words)
            continue;
        QString printed = words->text().trimmed();
        printed.remove(QRegularExpression(QStringLiteral("[:：]$")));
        QVERIFY2(spokenName(widget(name)).contains(printed, Qt::CaseInsensitive),
                 qPrintable(QStringLiteral("%1 reads \"%2\" but is announced as \"%3\"")
                                .arg(QString::fromUtf8(name), printed, spokenName(widget(name)))));
        ++compared;
    }
    // Tick boxes, counted devices and the bus and overclock rows all have words beside them.
    QVERIFY2(compared >= 20, qPrintable(QString::number(compared)));
}

void AccessibilityTest::controlsWithoutWordsAnnounceTheirPurpose_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QAccessible::Role>("role");

    // Rows with only a picture beside their selectors.
    QTest::newRow("processor") << "Combo1" << "处理器" << QAccessible::ComboBox;
    QTest::newRow("processor count") << "Combo2" << "处理器数量" << QAccessible::ComboBox;
    QTest::newRow("memory") << "Combo5" << "内存" << QAccessible::ComboBox;
    QTest::newRow("graphics") << "Combo6" << "显卡" << QAccessible::ComboBox;
    QTest::newRow("drive bay 1") << "Combo11" << "可选件 #1" << QAccessible::ComboBox;
    QTest::newRow("case fans") << "Combo9" << "系统风扇" << QAccessible::ComboBox;
    QTest::newRow("sound card") << "Check3" << "声卡" << QAccessible::CheckBox;
    // The caption glyphs speak as what they do, not as "X" and "?".
    QTest::newRow("close glyph") << "Label7" << "关闭程序" << QAccessible::StaticText;
    QTest::newRow("help glyph") << "Label822" << "帮助" << QAccessible::StaticText;
    QTest::newRow("times glyph") << "Label13" << "乘以" << QAccessible::StaticText;
}

void AccessibilityTest::controlsWithoutWordsAnnounceTheirPurpose()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QAccessible::Role, role);
    QAccessibleInterface* node = accessible(form_->control<QWidget>(control));
    QCOMPARE(node->text(QAccessible::Name), name);
    QCOMPARE(node->role(), role);
}

void AccessibilityTest::estimateIsDescribedAsWatts()
{
    FormDriver ui(*form_);
    QAccessibleInterface* estimate = accessible(ui.label("Label4"));
    QCOMPARE(estimate->text(QAccessible::Description), "估计功率（瓦）");
    ui.choose("Combo3", "2");
    // The name is the figure itself, so the reader speaks the current estimate.
    QCOMPARE(estimate->text(QAccessible::Name), ui.estimate());
    QVERIFY(ui.estimate() != "0");
}

void AccessibilityTest::tabVisitsTheKeyboardOrder_data()
{
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<QStringList>("skipped");

    QTest::newRow("at start") << QStringList{}
                              << QStringList{"Combo15", "Combo16", "Combooc", "Combo120",
                                             "Combo170"};
    QTest::newRow("usb on") << QStringList{"Check6"}
                            << QStringList{"Combo16", "Combooc", "Combo120", "Combo170"};
    QTest::newRow("everything unlocked")
        << QStringList{"Check6", "Check9", "Check10"} << QStringList{};
}

void AccessibilityTest::tabVisitsTheKeyboardOrder()
{
    QFETCH(QStringList, ticked);
    QFETCH(QStringList, skipped);
    for (const QString& box : ticked)
        pressOn(box.toUtf8().constData(), Qt::Key_Space);

    QStringList expected;
    for (const char* name : ampora::ui::mainWindowTabOrder())
        expected.append(QString::fromUtf8(name));
    for (const QString& name : skipped)
        expected.removeOne(name);

    widget("Combo1")->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (int step = 0; step < expected.size(); ++step) {
        QAccessibleInterface* node = accessible(focused());
        QVERIFY2(node->state().focused, qPrintable(focused()->objectName()));
        QVERIFY(!node->text(QAccessible::Name).isEmpty());
        visited.append(focused()->objectName());
        QTest::keyClick(focused(), Qt::Key_Tab);
    }
    QCOMPARE(visited, expected);
    QCOMPARE(focused()->objectName(), "Combo1"); // and round again
}

void AccessibilityTest::spaceTogglesTheFocusedTickBox_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("addsWatts");
    QTest::addColumn<QStringList>("unlocks");

    QTest::newRow("modem") << "Check1" << true << QStringList{};
    QTest::newRow("network card") << "Check2" << true << QStringList{};
    QTest::newRow("sound card") << "Check3" << true << QStringList{};
    QTest::newRow("front audio") << "Check4" << true << QStringList{};
    QTest::newRow("scsi") << "Check5" << true << QStringList{};
    QTest::newRow("tv tuner") << "Check8" << true << QStringList{};
    QTest::newRow("water cooler") << "Check7" << true << QStringList{};
    QTest::newRow("usb") << "Check6" << false << QStringList{"Combo15"};
    QTest::newRow("firewire") << "Check9" << false << QStringList{"Combo16"};
    QTest::newRow("overclock") << "Check10" << false
                               << QStringList{"Combooc", "Combo120", "Combo170"};
}

void AccessibilityTest::spaceTogglesTheFocusedTickBox()
{
    QFETCH(QString, box);
    QFETCH(bool, addsWatts);
    QFETCH(QStringList, unlocks);
    FormDriver ui(*form_);
    const QByteArray name = box.toUtf8();
    QAccessibleInterface* node = accessible(widget(name));
    const QString before = ui.estimate();

    pressOn(name, Qt::Key_Space);
    QVERIFY(node->state().checked);
    QCOMPARE(ui.estimate() != before, addsWatts);
    for (const QString& selector : unlocks)
        QVERIFY2(!accessible(form_->control<QWidget>(selector))->state().disabled,
                 qPrintable(selector));

    QTest::keyClick(focused(), Qt::Key_Space);
    QVERIFY(!node->state().checked);
    QCOMPARE(ui.estimate(), before);
    for (const QString& selector : unlocks)
        QVERIFY(accessible(form_->control<QWidget>(selector))->state().disabled);
}

void AccessibilityTest::arrowKeysChangeTheFocusedSelector_data()
{
    QTest::addColumn<QString>("selector");
    QTest::addColumn<QString>("unlockedBy");
    QTest::addColumn<QString>("partFirst"); // a model row counts only once a part is chosen

    QTest::newRow("processor count") << "Combo2" << "" << "Combo1";
    QTest::newRow("memory modules") << "Combo4" << "" << "Combo5";
    QTest::newRow("graphics") << "Combo6" << "" << "";
    QTest::newRow("drive bay 2") << "Combo8" << "" << "";
    QTest::newRow("case fans") << "Combo9" << "" << "";
    QTest::newRow("light tubes") << "Combo10" << "" << "";
    QTest::newRow("hard disks") << "Combo3" << "" << "";
    QTest::newRow("usb devices") << "Combo15" << "Check6" << "";
    QTest::newRow("firewire devices") << "Combo16" << "Check9" << "";
    QTest::newRow("cpu overclock") << "Combooc" << "Check10" << "Combo1";
    QTest::newRow("gpu overclock") << "Combo170" << "Check10" << "Combo6";
}

void AccessibilityTest::arrowKeysChangeTheFocusedSelector()
{
    QFETCH(QString, selector);
    QFETCH(QString, unlockedBy);
    QFETCH(QString, partFirst);
    FormDriver ui(*form_);
    if (!unlockedBy.isEmpty())
        pressOn(unlockedBy.toUtf8(), Qt::Key_Space);
    if (!partFirst.isEmpty()) {
        QComboBox* part = ui.selector(partFirst.toUtf8());
        pressOn(partFirst.toUtf8(), Qt::Key_End);
        QVERIFY(part->currentIndex() > 0);
    }
    const QByteArray name = selector.toUtf8();
    QComboBox* combo = ui.selector(name);
    QAccessibleInterface* node = accessible(combo);
    const QString firstItem = node->text(QAccessible::Value);
    const QString before = ui.estimate();

    pressOn(name, Qt::Key_Down);
    QCOMPARE(node->text(QAccessible::Value), combo->itemText(1));
    QVERIFY2(ui.estimate() != before, qPrintable(ui.estimate()));
    QTest::keyClick(focused(), Qt::Key_Up);
    QCOMPARE(node->text(QAccessible::Value), firstItem);
    QCOMPARE(ui.estimate(), before);
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
