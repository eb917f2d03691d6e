// The windows as the user sees and works them: their look against reference pictures, the
// keyboard order, the chrome, the links and the About window. After a change meant to alter the
// look, check the new pictures by eye and make them the references:
//   AMPORA_UPDATE_PICTURES=1 ctest --preset default -R tst_form1
#include "tests/WindowUser.h"
#include "ui/AppStyle.h"
#include "ui/Form1.h"

#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRawFont>

namespace {

// Channel differences up to this are rounding, not a change of look.
constexpr int kTolerance = 16;

// The window as a screen of that device pixel ratio shows it.
QImage picture(QWidget* window, qreal ratio)
{
    QImage image(window->size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    window->render(&image);
    return image;
}

// The number of pixels that differ, marked in the reference.
int differences(const QImage& actual, QImage& marked)
{
    if (marked.size() != actual.size())
        return -1;
    int changed = 0;
    for (int y = 0; y < marked.height(); ++y)
        for (int x = 0; x < marked.width(); ++x) {
            const QRgb a = actual.pixel(x, y), e = marked.pixel(x, y);
            if (std::max({qAbs(qRed(a) - qRed(e)), qAbs(qGreen(a) - qGreen(e)),
                          qAbs(qBlue(a) - qBlue(e))}) > kTolerance) {
                marked.setPixel(x, y, qRgb(255, 0, 255));
                ++changed;
            }
        }
    return changed;
}

// A well-filled machine with every switch on; the feedback link is held down.
const char* const kConfigured[] = {"Combo1=Athlon 64 X2 Toledo",
                                   "Combo2=1",
                                   "Combo5=DDR2 SDRAM",
                                   "Combo4=4",
                                   "Combo6=GeForce 7800 GTX",
                                   "Combo7=2",
                                   "Combo11=DVDRW",
                                   "Combo8=CD-ROM",
                                   "Combo9=4",
                                   "Combo10=2",
                                   "Combo3=2",
                                   "Check2",
                                   "Check3",
                                   "Check4",
                                   "Check6",
                                   "Check9",
                                   "Check10",
                                   "Combo15=3",
                                   "Combooc=20",
                                   "Combo120=10",
                                   "Combo170=15"};

} // namespace

class Form1Test : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl& url) { opened_ << url.toString(); }

private slots:
    void initTestCase()
    {
        ampora::ui::installAppStyle();
        quietOffscreenNotices();
        QDesktopServices::setUrlHandler("http", this, "open");
        QDesktopServices::setUrlHandler("mailto", this, "open");
    }
    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler("http");
        QDesktopServices::unsetUrlHandler("mailto");
    }
    void init()
    {
        form_ = std::make_unique<ampora::ui::Form1>();
        form_->show();
        form_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    }
    void cleanup()
    {
        form_.reset();
        opened_.clear();
    }

    void windowsLookAsTheirReference_data()
    {
        QTest::addColumn<QString>("state");
        for (const char* state : {"start", "configured", "configured-2x", "about"})
            QTest::newRow(state) << state;
    }
    void windowsLookAsTheirReference()
    {
        QFETCH(QString, state);
        QWidget* window = form_.get();
        for (const char* action : kConfigured)
            if (state.startsWith("configured"))
                QVERIFY2(act(*form_, action), action);
        if (state.startsWith("configured"))
            QTest::mousePress(control(*form_, "Label2l"), Qt::LeftButton, {}, {5, 5});
        if (state == "about") {
            click(control(*form_, "labelf4if"));
            window = aboutWindow();
        }
        const QImage actual = picture(window, state.endsWith("2x") ? 2 : 1);
        if (state.startsWith("configured"))
            QTest::mouseRelease(control(*form_, "Label2l"), Qt::LeftButton, {}, {-1, -1});

        const QString reference = AMPORA_PICTURES_DIR "/" + state + ".png";
        if (qEnvironmentVariableIsSet("AMPORA_UPDATE_PICTURES"))
            QVERIFY(actual.save(reference));
        QImage marked = QImage(reference).convertToFormat(QImage::Format_RGB32);
        const int changed = differences(actual, marked);
        if (changed != 0 && actual.save(state + "-actual.png") &&
            marked.save(state + "-difference.png"))
            QFAIL(qPrintable(QString("%1 pixels differ from %2; see %3-actual.png and "
                                     "-difference.png in %4. If the change is intended: "
                                     "AMPORA_UPDATE_PICTURES=1 ctest --preset default -R tst_form1")
                                 .arg(changed)
                                 .arg(reference, state, QDir::currentPath())));
    }

    void tabSkipsLockedSelectors_data()
    {
        QTest::addColumn<QStringList>("switches");
        QTest::newRow("switches clear") << QStringList{};
        QTest::newRow("switches ticked") << QStringList{"Check6", "Check9", "Check10"};
    }
    void tabSkipsLockedSelectors()
    {
        QFETCH(QStringList, switches);
        QStringList order =
            QString("Combo1 Combo2 Combo5 Combo4 Combo6 Combo7 Combo11 Combo8 Check6 Combo15 "
                    "Check9 Combo16 Check1 Check2 Check3 Check4 Check5 Check8 Check7 Combo9 "
                    "Combo10 Combo13 Combo14 Combo3 Combo18 Check10 Combooc Combo120 Combo170")
                .split(' ');
        for (const QString& box : switches)
            click(control(*form_, box.toStdString()));
        if (switches.isEmpty())
            order.removeIf([](const QString& name) {
                return QString("Combo15 Combo16 Combooc Combo120 Combo170")
                    .split(' ')
                    .contains(name);
            });
        control(*form_, "Combo1")->setFocus();
        QStringList forward{"Combo1"}, backward;
        while (forward.size() < order.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            forward << QApplication::focusWidget()->objectName();
        }
        while (backward.size() < forward.size() - 1) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            backward.prepend(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(forward, order);
        QCOMPARE(backward, forward.mid(0, forward.size() - 1));
    }

    void aboutWindowOpensOnceAndClosesEveryWay()
    {
        click(control(*form_, "Label822"));
        click(control(*form_, "labelf4if"));
        QCOMPARE(aboutWindows().size(), 1);
        click(control(*aboutWindow(), "Label2"));
        QVERIFY(!aboutWindow());
        click(control(*form_, "labelf4if"));
        QVERIFY(QTest::qWaitForWindowActive(aboutWindow()));
        QTest::keyClick(aboutWindow(), Qt::Key_Escape);
        QVERIFY(!aboutWindow());
        click(control(*form_, "Label822"), Qt::MiddleButton); // only the left button clicks
        QVERIFY(!aboutWindow());
        click(control(*form_, "Label822"));
        click(control(*form_, "Label7"));
        QVERIFY(!form_->isVisible() && !aboutWindow());
    }

    void linksTurnCyanWhilePressedAndOpenTheirTargetOnce_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("target");
        QTest::newRow("website") << "Label1L"
                                 << "http://kestrune.example/";
        QTest::newRow("feedback") << "Label2l"
                                  << "mailto:feedback@kestrune.example?Subject=Kestrune Ampora";
    }
    void linksTurnCyanWhilePressedAndOpenTheirTargetOnce()
    {
        QFETCH(QString, link);
        QFETCH(QString, target);
        // A colour scheme whose window colour is not white shows the released colour.
        QPalette scheme = QApplication::palette();
        scheme.setColor(QPalette::Base, QColor(240, 230, 200));
        QApplication::setPalette(scheme);
        auto* label = control<QLabel>(*form_, link.toStdString());
        QTest::mousePress(label, Qt::RightButton);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 255, 255));
        QTest::mouseRelease(label, Qt::RightButton);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(240, 230, 200));
        QVERIFY(opened_.isEmpty());
        // As the window system delivers a double-click: a click, then a second press and release.
        QTest::mouseClick(label, Qt::LeftButton);
        QTest::mouseDClick(label, Qt::LeftButton);
        QTest::mouseRelease(label, Qt::LeftButton);
        QCOMPARE(opened_, QStringList{target});
        QApplication::setPalette(QApplication::style()->standardPalette());
    }

    void onlyTheBackgroundDragsTheWindow()
    {
        const QPoint start = form_->pos();
        for (const char* name : {"Label23", "Image3", "Label4", "Image2"}) {
            QWidget* from = control(*form_, name);
            QTest::mousePress(from, Qt::RightButton, {}, {3, 3});
            QMouseEvent move(QEvent::MouseMove, QPointF(33, 23), from->mapToGlobal(QPointF(33, 23)),
                             Qt::NoButton, Qt::RightButton, {});
            QApplication::sendEvent(from, &move);
            QTest::mouseRelease(from, Qt::RightButton, {}, {33, 23});
        }
        QCOMPARE(form_->pos(), start + QPoint(30, 20));
    }

    void everyShownCharacterHasABundledGlyph()
    {
        const QRawFont latin(QStringLiteral(":/fonts/WineTahoma-Bold.ttf"), 11);
        const QRawFont chinese(QStringLiteral(":/fonts/AmporaCJK-Bold.otf"), 11);
        click(control(*form_, "labelf4if"));
        QString texts, missing;
        for (const QWidget* window : {static_cast<QWidget*>(form_.get()), aboutWindow()}) {
            for (const QLabel* label : window->findChildren<QLabel*>())
                texts += label->text() + label->toolTip();
            for (const QComboBox* selector : window->findChildren<QComboBox*>())
                for (int i = 0; i < selector->count(); ++i)
                    texts += selector->itemText(i);
            for (const QPlainTextEdit* text : window->findChildren<QPlainTextEdit*>())
                texts += text->toPlainText();
        }
        for (QChar c : texts)
            if (!c.isSpace() && !latin.supportsCharacter(c) && !chinese.supportsCharacter(c))
                missing += c;
        QVERIFY2(missing.isEmpty(), qPrintable("no glyph for " + missing));
    }

private:
    std::unique_ptr<ampora::ui::Form1> form_;
    QStringList opened_;
};

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
