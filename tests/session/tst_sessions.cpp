// User sessions on the real main window, judged after every action by what its own selections
// and ticks must show: a clear switch holds what it unlocks disabled at "0", and the estimate is
// what the parts add up to, worked out anew from the catalogue's tables (which tst_catalogue
// verifies). First the hand-worked examples, then a long random session that must leave the
// heap as it found it. Nightly, with a new seed each night:
//   AMPORA_SESSION_SEED=$(date +%Y%m%d) AMPORA_SESSION_ACTIONS=100000 ctest --preset default -R
//   tst_sessions
#include "catalogue/AddInCards.h"
#include "catalogue/CountedDevices.h"
#include "catalogue/Drives.h"
#include "catalogue/Graphics.h"
#include "catalogue/Memory.h"
#include "catalogue/Processors.h"
#include "core/NumberText.h"
#include "core/Recalculate.h"
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

using namespace ampora;

namespace {

// A selector: its item is looked up in a table or read as a number (times the watts of a device).
struct Selector {
    const char* name;
    CatalogueTable table = {};
    const CountedDevice* devices = nullptr;
    const char* lock = nullptr; // the switch that unlocks it
};

// clang-format off
// The processor, memory and graphics rows (model, count, percentage), then what is summed as it is.
const Selector kSelectors[] = {
    {"Combo1", kProcessors}, {"Combo2"}, {"Combooc", {}, nullptr, "Check10"},
    {"Combo5", kMemoryTypes}, {"Combo4"}, {"Combo120", {}, nullptr, "Check10"},
    {"Combo6", kGraphicsCards}, {"Combo7"}, {"Combo170", {}, nullptr, "Check10"},
    {"Combo11", kDrives}, {"Combo8", kDrives}, {"Combo9", {}, &kCaseFans}, {"Combo10", {}, &kCaseLights},
    {"Combo13", {}, &kCardReaders}, {"Combo14", {}, &kFloppyDrives}, {"Combo3", {}, &kHardDisks},
    {"Combo18", {}, &kOtherPciCards}, {"Combo15", {}, &kUsbDevices, "Check6"}, {"Combo16", {}, &kFirewireDevices, "Check9"},
};
const std::pair<const char*, const AddInCard*> kBoxes[] = {
    {"Check1", &kModem}, {"Check2", &kNetworkCard}, {"Check3", &kSoundCard}, {"Check4", &kFrontAudioPanel},
    {"Check5", &kScsiCard}, {"Check8", &kTvTuner}, {"Check7", &kWaterCooler}, {"Check6", nullptr}, {"Check9", nullptr}, {"Check10", nullptr}};
// clang-format on

// A number as a slot or the caption holds it: written as slot text, read back.
double asShown(double value) { return parseNumber(formatNumber(value)); }

bool ticked(const QWidget& w, const char* box) { return control<QCheckBox>(w, box)->isChecked(); }

// What is wrong with the window, judged by its own selections and ticks; nothing if all is well.
QString problemIn(const QWidget& form)
{
    std::vector<double> value;
    for (const Selector& s : kSelectors) {
        const auto* list = control<QComboBox>(form, s.name);
        const bool unlocked = !s.lock || ticked(form, s.lock);
        if (list->isEnabled() != unlocked || (!unlocked && list->currentIndex() != 0))
            return QString("%1 does not follow %2").arg(s.name, s.lock);
        const std::string item = list->currentText().toStdString();
        const double number = s.table.empty()
                                  ? parseNumber(item)
                                  : parseNumber(lookUpWatts(s.table, item).value_or("0"));
        value.push_back(number * (s.devices ? s.devices->wattsPerDevice : 1));
    }
    for (const char* name : {"Label6322", "Label9", "Label18", "Image22", "Image23", "Image24"})
        if ((control(form, name)->isEnabled() && control(form, name)->isVisible()) !=
            ticked(form, "Check10"))
            return QString(name) + " does not follow Check10";
    double sum = std::accumulate(value.begin() + 9, value.end(), 0.0), graphics = 0;
    for (int row = 0; row < 9; row += 3) {
        const double watts = asShown(value[row] * value[row + 1]);
        sum += graphics = watts + asShown(watts * value[row + 2] / 100);
    }
    for (const auto& [box, card] : kBoxes)
        sum += card && ticked(form, box) ? parseNumber(card->tickedWatts) : 0;
    double watts = asShown(asShown(sum + 35) + (ticked(form, "Check6") ? 10 : 0));
    watts = std::floor(asShown(watts + (ticked(form, "Check9") ? 20 : 0)));
    const Rgb bar = loadBarColour(watts == 35 ? 0 : watts);
    const QString wanted = QString("%1 %1 %2 %3")
                               .arg(watts == 35 ? 0 : watts)
                               .arg(QColor(bar.red, bar.green, bar.blue).name())
                               .arg(graphics >= 75);
    const QString seen = QString("%1 %2 %3 %4")
                             .arg(control<QLabel>(form, "Label4")->text(),
                                  control<QLabel>(form, "Labelshadow")->text(),
                                  control(form, "Line1")->palette().color(QPalette::Window).name())
                             .arg(control(form, "Labeldr")->isEnabled());
    return seen == wanted
               ? QString()
               : "estimate, shadow, bar, recommendation: " + seen + ", expected " + wanted;
}

// One window driven by actions: "Combo2=2" picks "2" from the list, "Combo2#3" picks item 3,
// "Combo2:Down" presses a key on it, "Check3" or "Label822" clicks.
struct Session {
    Session()
    {
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(spy.count(), std::ssize(kSelectors)); // the load step: one for each selector
    }

    // The first problem the action shows, or nothing.
    QString perform(const QString& action)
    {
        const qsizetype split = action.indexOf(QRegularExpression("[=#:]"));
        const QString name = action.left(split), what = action.mid(split + 1);
        QWidget* target = control(name == "Label2" ? *aboutWindow() : form, name.toStdString());
        auto* list = qobject_cast<QComboBox*>(target);
        auto* box = qobject_cast<QCheckBox*>(target);
        const int before = list ? list->currentIndex() : box && box->isChecked();
        const bool enabled = target->isEnabled();
        bool opened = enabled;
        spy.clear();
        if (split > 0 && action[split] == ':') {
            target->setFocus();
            QTest::keyClick(target, Qt::Key(QKeySequence(what)[0].key()));
        } else if (split > 0) {
            opened = pickFromList(list, action[split] == '#' ? what.toInt() : list->findText(what));
        } else {
            click(target);
            aboutOpen = name.contains(QRegularExpression("Label822|labelf4if")) ||
                        (aboutOpen && name != "Label2");
        }
        QCoreApplication::processEvents(); // as the event loop does between the user's actions
        const int after = list ? list->currentIndex() : box && box->isChecked();
        if (opened != enabled || (!enabled && after != before) || (box && after == before))
            return "the control did not follow its enabled state";
        // A change recalculates (how often is the model's: tst_window_model); nothing else does.
        if ((spy.count() > 0) != (after != before) || aboutWindows().size() != aboutOpen)
            return QString("%1 recalculations; %2 About windows")
                .arg(spy.count())
                .arg(aboutWindows().size());
        return problemIn(form);
    }

    ui::Form1 form;
    QSignalSpy spy{&form, &ui::Form1::estimateChanged};
    bool aboutOpen = false;
};

// Bytes on the C library's heap right now; -1 under AddressSanitizer, where LeakSanitizer's check
// at exit stands in for this one.
#ifdef _WIN32
qint64 heapInUse()
{
    qint64 used = 0;
    for (_HEAPINFO block{}; _heapwalk(&block) == _HEAPOK;)
        used += block._useflag == _USEDENTRY ? qint64(block._size) : 0;
    return used;
}
#elif defined(__SANITIZE_ADDRESS__)
qint64 heapInUse() { return -1; }
#else
qint64 heapInUse() { return qint64(mallinfo2().uordblks); }
#endif

} // namespace

class SessionTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        ui::installAppStyle();
        quietPlatformNotices();
        // The comma-decimal run must really have a comma locale, or it proves nothing.
        if (qEnvironmentVariableIsSet("AMPORA_EXPECT_COMMA_LOCALE"))
            QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
    }

    void workedExamples_data()
    {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("estimate");
        // clang-format off
        QTest::newRow("two FX55 processors") << "Combo2=2 Combo1=Athlon 64 FX55" << "243";
        QTest::newRow("the worked example") << "Combo1=Pentium 4 Prescott Combo2=1 Combo5=DDR SDRAM Combo4=2 Combo6=Radeon X700 Combo7=1 Combo11=DVD-ROM Combo3=2 Combo9=3 Check6 Combo15=2" << "308";
        QTest::newRow("USB on, devices, off, on") << "Check6 Combo15=4 Check6 Check6" << "45";
        QTest::newRow("overclock on and off again") << "Combo2=2 Combo1=Athlon 64 FX55 Check10 Combooc=15 Combo120=50 Check10" << "243";
        QTest::newRow("every add-in card") << "Check1 Check2 Check3 Check4 Check5 Check8 Check7" << "113";
        // clang-format on
    }
    void workedExamples()
    {
        QFETCH(QString, actions);
        QFETCH(QString, estimate);
        Session session;
        for (const QString& action : script(actions)) {
            const QString problem = session.perform(action);
            QVERIFY2(problem.isEmpty(), qPrintable(action + ": " + problem));
        }
        QCOMPARE(control<QLabel>(session.form, "Label4")->text(), estimate);
    }

    void randomSessionKeepsTheRulesAndDoesNotGrow()
    {
        const QString seed = qEnvironmentVariable("AMPORA_SESSION_SEED", "20061024");
        const int length = qEnvironmentVariable("AMPORA_SESSION_ACTIONS", "8000").toInt();
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
            const char* selector = any(kSelectors).name;
            const QString actions[] = {
                QString(selector) + ":" + any(QStringList{"Up", "Down", "Home", "End"}),
                QString("%1#%2").arg(selector).arg(
                    random() % control<QComboBox>(session.form, selector)->count()),
                any(kBoxes).first,
                any(QStringList{"Label19", "Label23", "Label1733", "Label4", "Labeldr",
                                "Label6322"}),
                session.aboutOpen ? "Label2" : any(QStringList{"Label822", "labelf4if"})};
            const QString action = any(actions), problem = session.perform(action);
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
        QVERIFY2(heapBefore != 0, "the heap was not measured");
        const qint64 growth = heapInUse() - heapBefore;
        // An About window left alive holds about 200 KB; a small leak per pick adds up as much.
        QVERIFY2(growth < 64 * 1024, qPrintable(QString("heap grew by %1 bytes").arg(growth)));
    }
};

QTEST_MAIN(SessionTest)
#include "tst_sessions.moc"
