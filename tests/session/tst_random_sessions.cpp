// Randomized sessions: a seeded stream of user actions on the real main window (keys, clicks
// on the open lists, tick boxes by mouse and Space, clicks on plain labels and on disabled
// controls, the About window opened and closed), checked after every action against the
// independent reference model. A failure prints the command that replays it.
// Nightly, with a new seed each night (about 30 s per run, twice: also in the comma locale):
//   export AMPORA_SESSION_SEED=$(date +%Y%m%d) AMPORA_SESSION_ACTIONS=100000
//   ctest --preset default -R tst_random_sessions --output-on-failure
#include "tests/SheetText.h"
#include "tests/session/ReferenceModel.h"
#include "tests/session/WindowUser.h"
#include "ui/AppStyle.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QTest>

#include <cstdlib>

using session::ReferenceModel;

namespace {

constexpr std::uint64_t kDefaultSeed = 20061024;
constexpr int kDefaultActions = 8000;

std::uint64_t environmentNumber(const char* name, std::uint64_t fallback)
{
    const char* text = std::getenv(name);
    return text && *text ? std::strtoull(text, nullptr, 10) : fallback;
}

// Labels with no behaviour: the words beside the boxes and the other captions.
const char* const kPlainLabels[] = {
    "Label19",   "Label22",   "Label23",   "Label24", "Label25",     "Label26",  "Label5",
    "Label1733", "Label8553", "Label8v2d", "Label20", "Label273322", "Label13",  "Label8889",
    "Label4",    "Labeldr",   "Label6322", "Label9",  "Label18",     "Label8pc", "Label6",
};

const int kArrowKeys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End};

QString keyName(int key)
{
    switch (key) {
    case Qt::Key_Up:
        return "Up";
    case Qt::Key_Down:
        return "Down";
    case Qt::Key_Home:
        return "Home";
    default:
        return "End";
    }
}

QString colourText(const QColor& colour)
{
    return QString("(%1, %2, %3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

// One window, one model, one stream of actions.
class Session {
public:
    Session(ampora::ui::Form1& form, std::uint64_t seed)
        : form_(form), user_(form), random_(seed), recalculationsBefore_(form.recalculationCount())
    {
    }

    // Performs one random action; returns what it did, for the failure message.
    QString act();
    // The first difference between the window and the model, or an empty string.
    QString difference() const;

private:
    QString pickByKey(const std::string& name);
    QString pickFromList(const std::string& name);
    QString pickByCode(const std::string& name);
    QString toggleBox(bool byMouse);
    QString clickPlainLabel();
    QString useAboutWindow();

    template <typename T> const T& any(const std::vector<T>& list)
    {
        return list[static_cast<std::size_t>(random_.below(static_cast<int>(list.size())))];
    }

    ampora::ui::Form1& form_;
    session::WindowUser user_;
    session::SessionRandom random_;
    int recalculationsBefore_;
    ReferenceModel model_;
    bool aboutOpen_ = false;
    int expectedRecalculations_ = 0; // during the last action
    QString failure_;
};

QString Session::act()
{
    recalculationsBefore_ = form_.recalculationCount();
    expectedRecalculations_ = 0;
    failure_.clear();
    const int roll = random_.below(100);
    const std::string& selector = any(ReferenceModel::selectorNames());
    if (roll < 30)
        return pickByKey(selector);
    if (roll < 45)
        return pickFromList(selector);
    if (roll < 60)
        return pickByCode(selector);
    if (roll < 80)
        return toggleBox(true);
    if (roll < 85)
        return toggleBox(false);
    if (roll < 93)
        return clickPlainLabel();
    return useAboutWindow();
}

QString Session::pickByKey(const std::string& name)
{
    const int key = kArrowKeys[random_.below(4)];
    const int last = static_cast<int>(ReferenceModel::itemsOf(name).size()) - 1;
    const int now = model_.selected(name);
    const int target = key == Qt::Key_Up     ? std::max(now - 1, 0)
                       : key == Qt::Key_Down ? std::min(now + 1, last)
                       : key == Qt::Key_Home ? 0
                                             : last;
    expectedRecalculations_ += model_.pick(name, target);
    user_.pressKey(user_.selector(name), key);
    return QString("%1 key on %2").arg(keyName(key), QString::fromStdString(name));
}

QString Session::pickFromList(const std::string& name)
{
    const int index = random_.below(static_cast<int>(ReferenceModel::itemsOf(name).size()));
    const bool enabled = model_.selectorEnabled(name);
    expectedRecalculations_ += model_.pick(name, index);
    const bool byMouse = random_.below(2) == 0;
    const bool picked = user_.pickFromList(user_.selector(name), index, byMouse);
    if (picked != enabled)
        failure_ = enabled ? "the list did not let the item be clicked"
                           : "a disabled selector opened its list";
    return QString("item %1 clicked in the list of %2 opened by %3")
        .arg(index)
        .arg(QString::fromStdString(name), byMouse ? "mouse" : "Alt+Down");
}

QString Session::pickByCode(const std::string& name)
{
    const std::string& target = model_.selectorEnabled(name) ? name : "Combo1";
    const int index = random_.below(static_cast<int>(ReferenceModel::itemsOf(target).size()));
    expectedRecalculations_ += model_.pick(target, index);
    user_.selector(target)->setCurrentIndex(index);
    return QString("item %1 of %2 set as a pick").arg(index).arg(QString::fromStdString(target));
}

QString Session::toggleBox(bool byMouse)
{
    const std::string& name = any(ReferenceModel::boxNames());
    expectedRecalculations_ += model_.toggle(name);
    if (byMouse)
        user_.clickBox(user_.box(name));
    else
        user_.pressSpaceOn(user_.box(name));
    return QString("%1 on %2").arg(byMouse ? "click" : "Space", QString::fromStdString(name));
}

QString Session::clickPlainLabel()
{
    const char* name = kPlainLabels[random_.below(std::size(kPlainLabels))];
    // A disabled selector is as dead as a label: its list stays shut.
    const std::string& selector = any(ReferenceModel::selectorNames());
    if (!model_.selectorEnabled(selector) && user_.listOpensOnClick(user_.selector(selector)))
        failure_ = QString("disabled %1 opened its list").arg(QString::fromStdString(selector));
    user_.click(user_.widget(name));
    return QString("click on %1 (and on %2)").arg(name, QString::fromStdString(selector));
}

QString Session::useAboutWindow()
{
    if (aboutOpen_ && random_.below(3) != 0) {
        aboutOpen_ = false;
        user_.closeAbout();
        return "确定 on the About window";
    }
    const std::string label = random_.below(2) ? "Label822" : "labelf4if";
    aboutOpen_ = true;
    user_.openAbout(label);
    return QString("click on %1").arg(QString::fromStdString(label));
}

QString Session::difference() const
{
    if (!failure_.isEmpty())
        return failure_;
    const session::ExpectedView expected = model_.view();
    for (const auto& [role, text] : expected.slotTexts) {
        const QString actual = slotText(form_.sheet(), *ampora::slotByRole(role));
        if (actual != QString::fromStdString(text))
            return QString("slot %1 holds %2, expected %3")
                .arg(QString::fromStdString(role), actual, QString::fromStdString(text));
    }
    const auto* estimate = form_.control<QLabel>("Label4");
    const auto* shadow = form_.control<QLabel>("Labelshadow");
    if (estimate->text() != QString::fromStdString(expected.estimate))
        return QString("Label4 shows %1, expected %2")
            .arg(estimate->text(), QString::fromStdString(expected.estimate));
    if (shadow->text() != QString::fromStdString(expected.shadow))
        return QString("Labelshadow shows %1, expected %2")
            .arg(shadow->text(), QString::fromStdString(expected.shadow));
    const QColor bar = user_.widget("Line1")->palette().color(QPalette::Window);
    const QColor wanted(expected.loadBar.red, expected.loadBar.green, expected.loadBar.blue);
    if (bar != wanted)
        return QString("Line1 is %1, expected %2").arg(colourText(bar), colourText(wanted));
    if (user_.widget("Labeldr")->isEnabled() != expected.recommendation)
        return QString("Labeldr enabled is %1, expected %2")
            .arg(!expected.recommendation)
            .arg(expected.recommendation);

    for (const auto& name : ReferenceModel::selectorNames()) {
        const QComboBox* combo = user_.selector(name);
        if (combo->currentIndex() != model_.selected(name) ||
            combo->isEnabled() != model_.selectorEnabled(name))
            return QString("%1 shows item %2 (enabled %3), expected item %4 (enabled %5)")
                .arg(QString::fromStdString(name))
                .arg(combo->currentIndex())
                .arg(combo->isEnabled())
                .arg(model_.selected(name))
                .arg(model_.selectorEnabled(name));
    }
    for (const auto& name : ReferenceModel::boxNames())
        if (user_.box(name)->isChecked() != model_.ticked(name))
            return QString("%1 ticked is %2")
                .arg(QString::fromStdString(name))
                .arg(!model_.ticked(name));
    for (const char* name : {"Label6322", "Label9", "Label18"})
        if (user_.widget(name)->isEnabled() != model_.overclockRowsOn())
            return QString("row label %1 enabled is wrong").arg(name);
    for (const char* name : {"Image22", "Image23", "Image24"})
        if (user_.widget(name)->isVisible() != model_.overclockRowsOn())
            return QString("picture %1 visible is wrong").arg(name);

    const int recalculations = form_.recalculationCount() - recalculationsBefore_;
    if (recalculations != expectedRecalculations_)
        return QString("Recalculate ran %1 times, expected %2")
            .arg(recalculations)
            .arg(expectedRecalculations_);
    const int aboutWindows = session::WindowUser::aboutWindowCount();
    if (aboutWindows != (aboutOpen_ ? 1 : 0) || (aboutOpen_ && !form_.aboutWindow()->isVisible()))
        return QString("%1 About windows alive, expected %2").arg(aboutWindows).arg(aboutOpen_);
    return {};
}

} // namespace

class RandomSessionTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        ampora::ui::installAppStyle();
        session::WindowUser::quietPlatformNotices();
        // The comma-decimal run proves nothing unless the locale really took.
        if (qEnvironmentVariableIsSet("AMPORA_EXPECT_COMMA_LOCALE"))
            QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
    }
    void modelKnowsTheWorkedExamples_data();
    void modelKnowsTheWorkedExamples();
    void modelWritesNumbersPlainly_data();
    void modelWritesNumbersPlainly();
    void randomSessionMatchesTheModel();
};

// The model is only worth trusting if it reproduces the examples worked out by hand.
void RandomSessionTest::modelKnowsTheWorkedExamples_data()
{
    QTest::addColumn<QStringList>("actions"); // "Combo2=2" picks by text, "Check10" toggles
    QTest::addColumn<QString>("role");
    QTest::addColumn<QString>("slot");
    QTest::addColumn<QString>("estimate");

    QTest::newRow("two FX55 processors at 15 % overclock")
        << QStringList{"Combo2=2", "Check10", "Combooc=15", "Combo1=Athlon 64 FX55"}
        << "CpuOverclockWatts"
        << "31.2"
        << "274";
    QTest::newRow("three DDR2 modules at 33 %")
        << QStringList{"Combo5=DDR2 SDRAM", "Combo4=3", "Check10", "Combo120=33"}
        << "RamOverclockWatts"
        << "7.425"
        << "64";
    QTest::newRow("processor count 2 then FX55 shows 243")
        << QStringList{"Combo2=2", "Combo1=Athlon 64 FX55"} << "CpuWatts"
        << "208"
        << "243";
    QTest::newRow("all seven add-in cards show 113")
        << QStringList{"Check1", "Check2", "Check3", "Check4", "Check5", "Check8", "Check7"}
        << "WaterCoolerWatts"
        << "20"
        << "113";
    QTest::newRow("USB with four devices") << QStringList{"Check6", "Combo15=4"} << "UsbWatts"
                                           << "20"
                                           << "65";
    QTest::newRow("clearing USB drops its devices")
        << QStringList{"Check6", "Combo15=4", "Check6"} << "UsbWatts"
        << "0"
        << "0";
    QTest::newRow("two X1900 cards at 25 % total 287.5 graphics watts")
        << QStringList{"Combo7=2", "Combo6=Radeon X1900 Series", "Check10", "Combo170=25"}
        << "GpuTotalWatts"
        << "287.5"
        << "322";
    QTest::newRow("drive heading empties the bay")
        << QStringList{"Combo8=DVDRW", "Combo8=可选件 #2"} << "Optical2Watts"
        << "0"
        << "0";
}

void RandomSessionTest::modelKnowsTheWorkedExamples()
{
    QFETCH(QStringList, actions);
    QFETCH(QString, role);
    QFETCH(QString, slot);
    QFETCH(QString, estimate);
    ReferenceModel model;
    for (const QString& action : actions) {
        const QStringList parts = action.split('=');
        const std::string name = parts[0].toStdString();
        if (parts.size() == 1) {
            model.toggle(name);
            continue;
        }
        const auto& items = ReferenceModel::itemsOf(name);
        const auto found = std::find(items.begin(), items.end(), parts[1].toStdString());
        QVERIFY2(found != items.end(), qPrintable(action));
        model.pick(name, static_cast<int>(found - items.begin()));
    }
    const session::ExpectedView view = model.view();
    QCOMPARE(QString::fromStdString(view.slotTexts.at(role.toStdString())), slot);
    QCOMPARE(QString::fromStdString(view.estimate), estimate);
}

void RandomSessionTest::modelWritesNumbersPlainly_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << "0.3";
    QTest::newRow("a third") << 1.0 / 3 << "0.333333333333333";
    QTest::newRow("tiny values need no exponent") << 1.5e-7 << "0.00000015";
    QTest::newRow("huge values need no exponent") << 1.25e20 << "125000000000000000000";
    QTest::newRow("rounded at the fifteenth digit") << 123456789.123456789 << "123456789.123457";
    QTest::newRow("negative") << -7.5 << "-7.5";
}

void RandomSessionTest::modelWritesNumbersPlainly()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(ReferenceModel::textOf(value)), text);
    QCOMPARE(ReferenceModel::valueOf(ReferenceModel::textOf(value)), value);
}

void RandomSessionTest::randomSessionMatchesTheModel()
{
    const std::uint64_t seed = environmentNumber("AMPORA_SESSION_SEED", kDefaultSeed);
    const auto actions =
        static_cast<long long>(environmentNumber("AMPORA_SESSION_ACTIONS", kDefaultActions));
    ampora::ui::Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Session session(form, seed);
    QString problem = session.difference();
    QVERIFY2(problem.isEmpty(), qPrintable("at start-up: " + problem));
    for (long long index = 0; index < actions; ++index) {
        const QString action = session.act();
        problem = session.difference();
        if (!problem.isEmpty())
            QFAIL(qPrintable(QString("seed %1, action %2 (%3): %4\n   replay: "
                                     "AMPORA_SESSION_SEED=%1 AMPORA_SESSION_ACTIONS=%5")
                                 .arg(seed)
                                 .arg(index)
                                 .arg(action, problem)
                                 .arg(index + 1)));
    }
    qInfo("seed %llu: %lld actions matched the model", static_cast<unsigned long long>(seed),
          actions);
}

QTEST_MAIN(RandomSessionTest)
#include "tst_random_sessions.moc"
