// What a screen reader user meets in the main window: every control announces what it is, and
// the keyboard alone reaches, ticks and changes every control.
#include "tests/ui/FormDriver.h"
#include "ui/AppStyle.h"
#include "ui/MainWindowLayout.h"

#include <QAccessible>
#include <QMap>
#include <QRegularExpression>

#include <memory>

using ampora::ui::Form1;

namespace {

QAccessibleInterface* accessible(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

QString spokenName(QWidget* widget) { return accessible(widget)->text(QAccessible::Name); }

// The names of every focusable object below node that a screen reader could land on, by object.
void collectFocusableNames(QAccessibleInterface* node, QMap<QString, QString>& names)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || child->state().invisible)
            continue;
        if (child->state().focusable)
            names.insert(child->object()->objectName(), child->text(QAccessible::Name));
        collectFocusableNames(child, names);
    }
}

bool isCaption(const QString& text) { return text.endsWith(u':') || text.endsWith(u'：'); }

// The visible words printed for a control on its row: after a tick box, or the caption before a
// selector.
QLabel* wordsBeside(const Form1& form, QWidget* control)
{
    const QRect box = control->geometry();
    const bool after = qobject_cast<QCheckBox*>(control) != nullptr;
    QLabel* nearest = nullptr;
    int nearestGap = 30; // pixels; anything farther belongs to another control
    for (QLabel* label : form.findChildren<QLabel*>()) {
        const QRect words = label->geometry();
        if (!label->isVisibleTo(&form) || label->text().isEmpty() ||
            (!after && !isCaption(label->text())) ||
            qAbs(words.center().y() - box.center().y()) > 8)
            continue;
        // Captions before a selector may run under its left edge.
        const int gap = after ? words.left() - box.right() : box.left() - words.right();
        const bool onItsSide = after ? gap >= 0 : words.center().x() < box.left();
        if (onItsSide && qAbs(gap) < nearestGap) {
            nearest = label;
            nearestGap = qAbs(gap);
        }
    }
    return nearest;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ampora::ui::installAppStyle(); }
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
    QMap<QString, QString> atStart;
    collectFocusableNames(accessible(form_.get()), atStart);
    for (auto it = atStart.cbegin(); it != atStart.cend(); ++it)
        QVERIFY2(!it.value().trimmed().isEmpty(), qPrintable(it.key() + " has no accessible name"));
    // The walk must have met the whole keyboard order, not stopped at the window.
    QCOMPARE(atStart.size(), qsizetype(ampora::ui::mainWindowTabOrder().size()));

    // A name that follows the chosen item is the value read out, not a name: pick the last item
    // everywhere and walk again.
    pressOn("Check6", Qt::Key_Space);
    pressOn("Check9", Qt::Key_Space);
    pressOn("Check10", Qt::Key_Space);
    for (QComboBox* selector : form_->findChildren<QComboBox*>())
        pressOn(selector->objectName().toUtf8(), Qt::Key_End);
    QMap<QString, QString> afterChoosing;
    collectFocusableNames(accessible(form_.get()), afterChoosing);
    QCOMPARE(afterChoosing, atStart);
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
    // All ten tick boxes, and the eleven selectors with a caption: the counted devices and the
    // bus and overclock rows.
    QCOMPARE(compared, 21);
}

void AccessibilityTest::controlsWithoutWordsAnnounceTheirPurpose_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QAccessible::Role>("role");

    // clang-format off
    // Rows with only a picture beside their selectors.
    QTest::newRow("processor") << "Combo1" << "处理器" << QAccessible::ComboBox;
    QTest::newRow("processor count") << "Combo2" << "处理器数量" << QAccessible::ComboBox;
    QTest::newRow("memory") << "Combo5" << "内存" << QAccessible::ComboBox;
    QTest::newRow("graphics") << "Combo6" << "显卡" << QAccessible::ComboBox;
    QTest::newRow("drive bay 1") << "Combo11" << "可选件 #1" << QAccessible::ComboBox;
    QTest::newRow("case fans") << "Combo9" << "系统风扇" << QAccessible::ComboBox;
    QTest::newRow("sound card") << "Check3" << "声卡" << QAccessible::CheckBox;
    // The glyphs speak as what they mean, not as the letter "X" and a question mark.
    QTest::newRow("close glyph") << "Label7" << "关闭程序" << QAccessible::StaticText;
    QTest::newRow("help glyph") << "Label822" << "帮助" << QAccessible::StaticText;
    QTest::newRow("times glyph") << "Label13" << "×" << QAccessible::StaticText;
    // clang-format on
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
    QTest::newRow("usb") << "Check6" << true << QStringList{"Combo15"};
    QTest::newRow("firewire") << "Check9" << true << QStringList{"Combo16"};
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
    QTest::addColumn<QStringList>("before"); // "Selector=item" choices, or a tick box to tick
    QTest::addColumn<int>("presses");

    QTest::newRow("processor count") << "Combo2" << QStringList{"Combo1=Opteron"} << 1;
    QTest::newRow("memory type") << "Combo5" << QStringList{"Combo4=2"} << 1;
    QTest::newRow("graphics card") << "Combo6" << QStringList{"Combo7=1"} << 1;
    QTest::newRow("drive bay 1") << "Combo11" << QStringList{} << 2;
    QTest::newRow("case fans") << "Combo9" << QStringList{} << 1;
    QTest::newRow("light tubes") << "Combo10" << QStringList{} << 1;
    QTest::newRow("hard disks") << "Combo3" << QStringList{} << 1;
    QTest::newRow("usb devices") << "Combo15" << QStringList{"Check6"} << 1;
    QTest::newRow("firewire devices") << "Combo16" << QStringList{"Check9"} << 1;
    QTest::newRow("cpu overclock")
        << "Combooc" << QStringList{"Combo1=Opteron", "Combo2=1", "Check10"} << 10;
    QTest::newRow("gpu overclock")
        << "Combo170" << QStringList{"Combo6=Quadro FX 4500", "Combo7=1", "Check10"} << 10;
}

void AccessibilityTest::arrowKeysChangeTheFocusedSelector()
{
    QFETCH(QString, selector);
    QFETCH(QStringList, before);
    QFETCH(int, presses);
    FormDriver ui(*form_);
    for (const QString& step : before) {
        const QStringList choice = step.split(u'=');
        if (choice.size() == 2)
            ui.choose(choice[0].toUtf8(), choice[1].toUtf8());
        else
            pressOn(step.toUtf8(), Qt::Key_Space);
    }
    const QByteArray name = selector.toUtf8();
    QComboBox* combo = ui.selector(name);
    QAccessibleInterface* node = accessible(combo);
    const QString firstItem = node->text(QAccessible::Value);
    const QString estimate = ui.estimate();

    widget(name)->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < presses; ++i)
        QTest::keyClick(focused(), Qt::Key_Down);
    QCOMPARE(node->text(QAccessible::Value), combo->itemText(presses));
    QVERIFY2(ui.estimate() != estimate, qPrintable(ui.estimate()));

    for (int i = 0; i < presses; ++i)
        QTest::keyClick(focused(), Qt::Key_Up);
    QCOMPARE(node->text(QAccessible::Value), firstItem);
    QCOMPARE(ui.estimate(), estimate);
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
