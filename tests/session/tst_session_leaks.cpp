// A long session must not grow: the About window opened and closed 200 times and 10,000
// selections leave no About window behind, no extra widgets and no more heap than a short
// warm-up session needed. Under the sanitizer build, LeakSanitizer also checks at exit that
// nothing the program allocated was lost.
#include "tests/session/WindowUser.h"
#include "ui/AppStyle.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPixmapCache>
#include <QTest>

#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__)
// From the sanitizer runtime; GCC does not install the header that declares it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

constexpr int kAboutShowings = 200;
constexpr int kSelections = 10000;

// Bytes the program holds on the heap right now.
qint64 heapInUse()
{
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<qint64>(__sanitizer_get_current_allocated_bytes());
#else
    return static_cast<qint64>(mallinfo2().uordblks);
#endif
}

const char* const kSelectors[] = {
    "Combo1",  "Combo2",  "Combo5",  "Combo4",   "Combo6",   "Combo7", "Combo11",
    "Combo8",  "Combo9",  "Combo10", "Combo13",  "Combo14",  "Combo3", "Combo18",
    "Combo15", "Combo16", "Combooc", "Combo120", "Combo170",
};

class LongSession {
public:
    explicit LongSession(ampora::ui::Form1& form) : form_(form), user_(form) {}

    void showAboutAndClose(int times)
    {
        for (int i = 0; i < times; ++i) {
            user_.openAbout(i % 2 ? "Label822" : "labelf4if");
            QVERIFY(form_.aboutWindow());
            QVERIFY(QTest::qWaitForWindowExposed(form_.aboutWindow()));
            QVERIFY(user_.closeAbout());
        }
    }

    // Walks the selectors in turn through their items, with a stride that grows so that picks
    // jump as well as step; every tenth pick by key, the rest as picks from the list.
    void select(int times)
    {
        for (int i = 0; i < times; ++i) {
            QComboBox* combo = user_.selector(kSelectors[i % std::size(kSelectors)]);
            const int stride = 1 + i / static_cast<int>(std::size(kSelectors));
            const int next = (combo->currentIndex() + stride) % combo->count();
            if (i % 10 == 0)
                user_.pressKey(combo, next == 0 ? Qt::Key_Home : Qt::Key_Down);
            else
                combo->setCurrentIndex(next);
        }
    }

    // Both kinds of work, interleaved as a user would.
    void run(int aboutShowings, int selections)
    {
        for (int round = 0; round < aboutShowings && !QTest::currentTestFailed(); ++round) {
            showAboutAndClose(1);
            select(selections / aboutShowings);
        }
    }

private:
    ampora::ui::Form1& form_;
    session::WindowUser user_;
};

} // namespace

class SessionLeakTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        ampora::ui::installAppStyle();
        session::WindowUser::quietPlatformNotices();
    }
    void longSessionDoesNotGrow();
};

void SessionLeakTest::longSessionDoesNotGrow()
{
    ampora::ui::Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    session::WindowUser user(form);
    // Every selector enabled, so every handler runs.
    for (const char* box : {"Check6", "Check9", "Check10"})
        user.clickBox(user.box(box));

    // The style caches pixmaps under keys made from each new About window's palette; that cache
    // is Qt's, capped at 10 MB and swept by a timer this loop never lets run. Without it, any
    // growth left is ours.
    QPixmapCache::setCacheLimit(0);
    LongSession session(form);
    // Warm-up: font and glyph caches fill once and then stay.
    session.run(20, 2000);
    if (QTest::currentTestFailed())
        return;
    QCoreApplication::processEvents();
    const qint64 heapBefore = heapInUse();
    const auto widgetsBefore = form.findChildren<QObject*>().size();
    const auto windowsBefore = QApplication::topLevelWidgets().size();

    session.run(kAboutShowings, kSelections);
    if (QTest::currentTestFailed())
        return;
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(session::WindowUser::aboutWindowCount(), 0);
    QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
    QCOMPARE(form.findChildren<QObject*>().size(), widgetsBefore);
    const qint64 growth = heapInUse() - heapBefore;
    qInfo("heap growth over the session: %lld bytes", growth);
    // An About window kept alive holds about 200 KB (its backing store alone is 165 x 312 x 4
    // bytes), so even one would show; 10,000 selections leaking a small block each would too.
    QVERIFY2(growth < 64 * 1024, qPrintable(QString("heap grew by %1 bytes").arg(growth)));
}

QTEST_MAIN(SessionLeakTest)
#include "tst_session_leaks.moc"
