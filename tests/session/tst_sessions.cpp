// User sessions on the real main window, judged after every action by what its own selections
// and ticks must show: every list holds its catalogue's items, a clear switch holds what it
// unlocks disabled at "0", and the estimate is what the parts add up to, worked out anew from
// the catalogue's tables (which tst_catalogue verifies). First the hand-worked examples, then a
// long random session that must leave the heap as it found it. Nightly, with a new seed:
//   AMPORA_SESSION_SEED=$(date +%Y%m%d) AMPORA_SESSION_ACTIONS=100000 ctest --preset default -R
//   tst_sessions
#include "catalogue/AddInCards.h"
#include "catalogue/CountedDevices.h"
#include "catalogue/Drives.h"
#include "catalogue/Graphics.h"
#include "catalogue/Memory.h"
#include "catalogue/Processors.h"
#include "catalogue/ProductRow.h"
#include "core/Recalculate.h"
#include "core/TextForm.h"
#include "tests/WindowUser.h"
#include "ui/AppStyle.h"
#include "ui/Form1.h"

#include <QCheckBox>
#include <QLabel>
#include <QLocale>
#include <QPixmapCache>
#include <QSignalSpy>

#include <malloc.h>
#include <random>

#if defined(__SANITIZE_ADDRESS__)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

using namespace ampora;

namespace {

// A selector's items and what each stands for: a model's or drive's watts, a count, a percentage,
// or a device count's watts. Summed selectors add their value to the estimate directly.
struct Selector {
    std::string name, lock; // lock: the switch that unlocks it, if any
    std::vector<std::string> items = {};
    std::vector<double> values = {};
    bool summed = false;
};

Selector table(std::string name, CatalogueTable entries, std::string heading = "")
{
    Selector s{std::move(name), ""};
    if (!heading.empty())
        s.items = {heading}, s.values = {0};
    for (const CatalogueEntry& entry : entries)
        s.items.emplace_back(entry.item), s.values.push_back(parseNumber(entry.watts));
    s.summed = !heading.empty();
    return s;
}

Selector counts(std::string name, int last, double each = 1, std::string lock = "",
                bool summed = true)
{
    Selector s{std::move(name), std::move(lock)};
    for (int count = 0; count <= last; ++count)
        s.items.push_back(std::to_string(count)), s.values.push_back(count * each);
    s.summed = summed;
    return s;
}

Selector counts(std::string name, std::span<const std::string_view> list)
{
    Selector s{std::move(name), ""};
    for (std::string_view item : list)
        s.items.emplace_back(item), s.values.push_back(parseNumber(item));
    return s;
}

Selector counts(std::string name, const CountedDevice& devices, std::string lock = "")
{
    return counts(std::move(name), devices.lastCount, devices.wattsPerDevice, std::move(lock));
}

// clang-format off
const Selector kSelectors[] = {
    table("Combo1", kProcessors), counts("Combo2", kProcessorCounts), counts("Combooc", 100, 1, "Check10", false),
    table("Combo5", kMemoryTypes), counts("Combo4", kMemoryModuleCounts), counts("Combo120", 100, 1, "Check10", false),
    table("Combo6", kGraphicsCards), counts("Combo7", kGraphicsCardCounts), counts("Combo170", 100, 1, "Check10", false),
    table("Combo11", kDrives, "可选件 #1"), table("Combo8", kDrives, "可选件 #2"),
    counts("Combo9", kCaseFans), counts("Combo10", kCaseLights), counts("Combo13", kCardReaders), counts("Combo14", kFloppyDrives),
    counts("Combo3", kHardDisks), counts("Combo18", kOtherPciCards), counts("Combo15", kUsbDevices, "Check6"), counts("Combo16", kFirewireDevices, "Check9"),
};
const std::pair<const char*, const AddInCard*> kBoxes[] = {
    {"Check1", &kModem}, {"Check2", &kNetworkCard}, {"Check3", &kSoundCard}, {"Check4", &kFrontAudioPanel},
    {"Check5", &kScsiCard}, {"Check8", &kTvTuner}, {"Check7", &kWaterCooler}, {"Check6", nullptr}, {"Check9", nullptr}, {"Check10", nullptr}};
const char* const kOverclockRows[] = {"Label6322", "Label9", "Label18", "Image22", "Image23", "Image24"};
// clang-format on

// A number as a slot or the caption holds it: in the text form, read back.
double asShown(double value) { return parseNumber(formatNumber(value)); }

// What is wrong with the window, judged by its own selections and ticks; nothing if all is well.
QString problemIn(const QWidget& form)
{
    const auto ticked = [&form](const char* box) {
        return control<QCheckBox>(form, box)->isChecked();
    };
    std::vector<double> value;
    double sum = 0;
    for (const Selector& s : kSelectors) {
        const auto* list = control<QComboBox>(form, s.name);
        const int index = list->currentIndex();
        if (list->count() != int(s.items.size()) ||
            list->currentText().toStdString() != s.items[index])
            return QString::fromStdString(s.name + " lists other items");
        const bool unlocked = s.lock.empty() || ticked(s.lock.c_str());
        if (list->isEnabled() != unlocked || (!unlocked && index != 0))
            return QString::fromStdString(s.name + " does not follow " + s.lock);
        value.push_back(s.values[index]);
        sum += s.summed ? s.values[index] : 0;
    }
    for (const char* name : kOverclockRows)
        if ((control(form, name)->isEnabled() && control(form, name)->isVisible()) !=
            ticked("Check10"))
            return QString(name) + " does not follow Check10";
    for (int row = 0; row < 9; row += 3) {
        const double watts = asShown(value[row] * value[row + 1]);
        sum += watts + asShown(watts * value[row + 2] / 100);
    }
    for (const auto& [box, card] : kBoxes)
        sum += card && ticked(box) ? parseNumber(card->tickedWatts) : 0;
    double watts = asShown(asShown(sum + 35) + (ticked("Check6") ? 10 : 0));
    watts = std::floor(asShown(watts + (ticked("Check9") ? 20 : 0)));
    watts = watts == 35 ? 0 : watts;
    const double graphics = asShown(value[6] * value[7]) * (1 + value[8] / 100);
    const Rgb bar = loadBarColour(watts);
    const QString wanted = QString("%1 %1 %2 %3")
                               .arg(watts)
                               .arg(QColor(bar.red, bar.green, bar.blue).name())
                               .arg(graphics >= 75);
    const QString seen = QString("%1 %2 %3 %4")
                             .arg(control<QLabel>(form, "Label4")->text(),
                                  control<QLabel>(form, "Labelshadow")->text(),
                                  control(form, "Line1")->palette().color(QPalette::Window).name())
                             .arg(control(form, "Labeldr")->isEnabled());
    return seen == wanted
               ? QString()
               : "estimate, shadow, bar and recommendation " + seen + ", expected " + wanted;
}

// One window driven by actions: "Combo2=2" picks "2" from the list, "Combo2#3" picks item 3,
// "Combo2:Down" presses a key on it, "Check3" or "Label822" clicks.
class Session {
public:
    Session() : spy(&form, &ui::Form1::estimateChanged)
    {
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(spy.count(), 19); // the load step: one for each selector
    }

    // The first problem the action shows, or nothing.
    QString perform(const QString& action)
    {
        const qsizetype split = action.indexOf(QRegularExpression("[=#:]"));
        const QString name = action.left(split);
        QWidget* target = control(name == "Label2" ? *aboutWindow() : form, name.toStdString());
        auto* list = qobject_cast<QComboBox*>(target);
        auto* box = qobject_cast<QCheckBox*>(target);
        const int before = list ? list->currentIndex() : box ? box->isChecked() : 0;
        const bool enabled = target->isEnabled();
        QString problem;
        spy.clear();
        if (split > 0 && action[split] == ':') {
            target->setFocus();
            QTest::keyClick(target, Qt::Key(QKeySequence(action.mid(split + 1))[0].key()));
        } else if (split > 0 &&
                   pickFromList(list, action[split] == '#'
                                          ? action.mid(split + 1).toInt()
                                          : list->findText(action.mid(split + 1))) != enabled) {
            problem = "the list opened against its enabled state";
        } else if (split < 0) {
            click(target);
            aboutOpen = name.contains(QRegularExpression("Label822|labelf4if")) ||
                        (aboutOpen && name != "Label2");
        }
        QCoreApplication::processEvents(); // as the event loop does between the user's actions
        // A pick recalculates once if it changed the selection; a bus switch twice (its count's
        // reset too); clearing overclock four times (three resets).
        const int after = list ? list->currentIndex() : box ? box->isChecked() : 0;
        const int expected = list                                                 ? after != before
                             : !box                                               ? 0
                             : name.contains(QRegularExpression("Check6|Check9")) ? 2
                             : name == "Check10" && !after                        ? 4
                                                                                  : 1;
        if (problem.isEmpty() && ((!enabled && after != before) || (box && after == before)))
            problem = "the control ignored its enabled state";
        if (problem.isEmpty() && (spy.count() != expected || aboutWindows().size() != aboutOpen))
            problem = QString("%1 recalculations, expected %2; %3 About windows")
                          .arg(spy.count())
                          .arg(expected)
                          .arg(aboutWindows().size());
        return problem.isEmpty() ? problemIn(form) : problem;
    }

    ui::Form1 form;
    QSignalSpy spy;
    bool aboutOpen = false;
};

qint64 heapInUse()
{
#if defined(__SANITIZE_ADDRESS__)
    return qint64(__sanitizer_get_current_allocated_bytes());
#else
    return qint64(mallinfo2().uordblks);
#endif
}

} // namespace

class SessionTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        ui::installAppStyle();
        quietOffscreenNotices();
        // The comma-decimal run must really have a comma locale, or it proves nothing.
        if (qEnvironmentVariableIsSet("AMPORA_EXPECT_COMMA_LOCALE"))
            QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
    }

    void workedExamples_data()
    {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("estimate");
        // clang-format off
        QTest::newRow("start") << "" << "0";
        QTest::newRow("two FX55 processors") << "Combo2=2 Combo1=Athlon 64 FX55" << "243";
        QTest::newRow("the worked example") << "Combo1=Pentium 4 Prescott Combo2=1 Combo5=DDR SDRAM Combo4=2 Combo6=Radeon X700 Combo7=1 Combo11=DVD-ROM Combo3=2 Combo9=3 Check6 Combo15=2" << "308";
        QTest::newRow("USB on, devices, off, on") << "Check6 Combo15=4 Check6 Check6" << "45";
        QTest::newRow("FireWire on, devices, off") << "Check9 Combo16=3 Check9" << "0";
        QTest::newRow("overclock on and off again") << "Combo2=2 Combo1=Athlon 64 FX55 Check10 Combooc=15 Combo120=50 Check10" << "243";
        QTest::newRow("three DDR2 modules at 33 %") << "Combo5=DDR2 SDRAM Combo4=3 Check10 Combo120=33" << "64";
        QTest::newRow("two X1900 cards at 25 %") << "Combo7=2 Combo6=Radeon X1900 Series Check10 Combo170=25" << "322";
        QTest::newRow("one X850XT PE reaches 75 W") << "Combo6=Radeon X850XT PE Combo7=1" << "110";
        QTest::newRow("every add-in card") << "Check1 Check2 Check3 Check4 Check5 Check8 Check7" << "113";
        QTest::newRow("a drive, then its bay's heading") << "Combo8=DVDRW Combo8=可选件 #2" << "0";
        // clang-format on
    }
    void workedExamples()
    {
        QFETCH(QString, actions);
        QFETCH(QString, estimate);
        Session session;
        // Items may hold blanks: an action starts where a control name does.
        for (const QString& action :
             actions.split(QRegularExpression(" (?=Combo|Check)"), Qt::SkipEmptyParts)) {
            const QString problem = session.perform(action);
            QVERIFY2(problem.isEmpty(), qPrintable(action + ": " + problem));
        }
        QCOMPARE(control<QLabel>(session.form, "Label4")->text(), estimate);
    }

    void randomSessionKeepsTheRulesAndDoesNotGrow()
    {
        const QByteArray seed = qEnvironmentVariableIsSet("AMPORA_SESSION_SEED")
                                    ? qgetenv("AMPORA_SESSION_SEED")
                                    : "20061024";
        const int length = qEnvironmentVariableIsSet("AMPORA_SESSION_ACTIONS")
                               ? qEnvironmentVariableIntValue("AMPORA_SESSION_ACTIONS")
                               : 8000;
        std::mt19937_64 random(
            seed.toULongLong()); // fully specified: a seed replays alike everywhere
        const auto any = [&random](const auto& list) -> const auto&
        {
            return *std::next(std::begin(list), random() % std::size(list));
        };
        Session session;
        // Lists made once and kept; the style's pixmap cache is Qt's, swept by a timer.
        for (QComboBox* list : session.form.findChildren<QComboBox*>())
            list->view();
        QPixmapCache::setCacheLimit(0);
        qint64 heapBefore = 0;
        for (int index = 0; index < length; ++index) {
            const Selector& s = any(kSelectors);
            const QString actions[] = {
                QString("%1:%2").arg(s.name.c_str(), any(QStringList{"Up", "Down", "Home", "End"})),
                QString("%1#%2").arg(s.name.c_str()).arg(random() % s.items.size()),
                any(kBoxes).first,
                any(QStringList{"Label19", "Label23", "Label1733", "Label4", "Labeldr",
                                "Label6322"}),
                session.aboutOpen ? "Label2" : any(QStringList{"Label822", "labelf4if"})};
            const QString action = any(actions);
            const QString problem = session.perform(action);
            QVERIFY2(problem.isEmpty(),
                     qPrintable(QString("action %1 (%2): %3\n   replay: AMPORA_SESSION_SEED=%4 "
                                        "AMPORA_SESSION_ACTIONS=%5")
                                    .arg(index)
                                    .arg(action, problem, seed)
                                    .arg(index + 1)));
            // After a warm-up that fills the font and glyph caches, with no About window open.
            if (index >= length / 4 && !heapBefore && !session.aboutOpen)
                heapBefore = heapInUse();
        }
        if (session.aboutOpen)
            QVERIFY(session.perform("Label2").isEmpty());
        const qint64 growth = heapInUse() - heapBefore;
        // An About window left alive holds about 200 KB; a small leak per pick adds up as much.
        QVERIFY2(growth < 64 * 1024, qPrintable(QString("heap grew by %1 bytes").arg(growth)));
    }
};

QTEST_MAIN(SessionTest)
#include "tst_sessions.moc"
