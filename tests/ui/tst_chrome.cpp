// The borderless window's own chrome: dragging, closing, the About window and the two links,
// and what the window looks like when drawn.
#include "tests/ui/FormDriver.h"
#include "tests/ui/TextInk.h"
#include "ui/AppStyle.h"
#include "ui/ClickableLabel.h"
#include "ui/DesktopShell.h"
#include "ui/Form3.h"

#include <QDesktopServices>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRawFont>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionComboBox>
#include <QUrl>

#include <algorithm>
#include <memory>

using ampora::ui::Form1;
using ampora::ui::Form3;

// Catches the links the window hands to the desktop instead of opening a browser.
class LinkCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

class ChromeTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void pressOnTheBackgroundDragsTheWindow_data();
    void pressOnTheBackgroundDragsTheWindow();
    void pressOnAControlDoesNotDrag();
    void closeGlyphEndsTheProgram_data();
    void closeGlyphEndsTheProgram();
    void systemCloseTakesTheAboutWindowAlong();
    void oneAboutWindowHoweverOftenAsked();
    void okClosesTheAboutWindowAndTheNextOneStartsAfresh();
    void aboutTextIsWholeAndReadable();
    void escapeClosesTheAboutWindow();
    void linksChangeColourAndOpenTheirTarget_data();
    void linksChangeColourAndOpenTheirTarget();
    void glyphsCarryToolTips();
    void doubleClickOpensALinkOnce();
    void onlyTheLeftButtonClicks();

    void backgroundCoversTheWholeWindow();
    void estimateDigitsEndAtTheSameRightEdge();
    void loadBarTakesEachBandColour_data();
    void loadBarTakesEachBandColour();
    void noTextIsClippedByItsBox();
    void everyTextHasGlyphsInTheBundledFonts();

private:
    std::unique_ptr<Form1> form_;
    LinkCatcher links_;
};

void ChromeTest::initTestCase()
{
    ampora::ui::installAppStyle();
    QApplication::setQuitOnLastWindowClosed(false);
    QDesktopServices::setUrlHandler("http", &links_, "open");
    QDesktopServices::setUrlHandler("mailto", &links_, "open");
}

void ChromeTest::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler("http");
    QDesktopServices::unsetUrlHandler("mailto");
}

void ChromeTest::init()
{
    form_ = std::make_unique<Form1>();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    links_.opened.clear();
}

void ChromeTest::cleanup() { form_.reset(); }

namespace {

QList<Form3*> openAboutWindows()
{
    QList<Form3*> open;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* about = qobject_cast<Form3*>(window); about && about->isVisible())
            open.append(about);
    return open;
}

} // namespace

void ChromeTest::pressOnTheBackgroundDragsTheWindow_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("left button") << Qt::LeftButton;
    QTest::newRow("right button") << Qt::RightButton;
    QTest::newRow("middle button") << Qt::MiddleButton;
}

void ChromeTest::pressOnTheBackgroundDragsTheWindow()
{
    QFETCH(Qt::MouseButton, button);
    QWidget* background = form_->control<QWidget>("Image2");
    const QPoint start = form_->pos();
    const QPoint grip(418, 200); // bare background right of the device column
    QCOMPARE(form_->childAt(grip), background);
    QTest::mousePress(background, button, {}, grip);
    QMouseEvent move(QEvent::MouseMove, QPointF(grip + QPoint(30, 20)),
                     QPointF(background->mapToGlobal(grip + QPoint(30, 20))), Qt::NoButton, button,
                     {});
    QApplication::sendEvent(background, &move);
    QTest::mouseRelease(background, button, {}, grip + QPoint(30, 20));
    QCOMPARE(form_->pos(), start + QPoint(30, 20));
}

void ChromeTest::pressOnAControlDoesNotDrag()
{
    FormDriver ui(*form_);
    const QPoint start = form_->pos();
    const QList<QWidget*> controls{ui.label("Label23"), form_->control<QWidget>("Image3"),
                                   ui.label("Label4")};
    for (QWidget* control : controls) {
        QTest::mousePress(control, Qt::LeftButton);
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5),
                         QPointF(control->mapToGlobal(QPoint(40, 40))), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(control, &move);
        QTest::mouseRelease(control, Qt::LeftButton);
    }
    QCOMPARE(form_->pos(), start);
}

void ChromeTest::closeGlyphEndsTheProgram_data()
{
    QTest::addColumn<bool>("aboutOpen");
    QTest::newRow("About window never opened") << false;
    QTest::newRow("About window open") << true;
}

void ChromeTest::closeGlyphEndsTheProgram()
{
    QFETCH(bool, aboutOpen);
    FormDriver ui(*form_);
    if (aboutOpen)
        QTest::mouseClick(ui.label("Label822"), Qt::LeftButton);
    QCOMPARE(openAboutWindows().size(), aboutOpen ? 1 : 0);
    QTest::mouseClick(ui.label("Label7"), Qt::LeftButton);
    // No window is left, so the application's event loop ends.
    const auto anyWindowShown = [] {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::any_of(windows.cbegin(), windows.cend(),
                           [](const QWidget* window) { return window->isVisible(); });
    };
    QTRY_VERIFY(!anyWindowShown());
}

void ChromeTest::systemCloseTakesTheAboutWindowAlong()
{
    FormDriver ui(*form_);
    QTest::mouseClick(ui.label("labelf4if"), Qt::LeftButton);
    QPointer<Form3> about = form_->aboutWindow();
    QVERIFY(about);
    form_->close(); // as Alt+F4 or the task bar would
    QTRY_VERIFY(!about);
}

void ChromeTest::oneAboutWindowHoweverOftenAsked()
{
    FormDriver ui(*form_);
    QTest::mouseClick(ui.label("labelf4if"), Qt::LeftButton);
    QTest::mouseClick(ui.label("labelf4if"), Qt::LeftButton);
    QTest::mouseClick(ui.label("Label822"), Qt::LeftButton);
    QCOMPARE(openAboutWindows().size(), 1);
    Form3* about = openAboutWindows().front();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QCOMPARE(about->size(), QSize(165, 312));
    QVERIFY(about->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(!about->parentWidget()); // no owner: either window can be in front
    // The main window stays usable meanwhile.
    ui.choose("Combo3", "1");
    QCOMPARE(ui.estimate(), "60");
}

void ChromeTest::okClosesTheAboutWindowAndTheNextOneStartsAfresh()
{
    FormDriver ui(*form_);
    QTest::mouseClick(ui.label("Label822"), Qt::LeftButton);
    QPointer<Form3> first = form_->aboutWindow();
    QVERIFY(first);
    auto* text = first->control<QPlainTextEdit>("Text1");
    text->verticalScrollBar()->setValue(text->verticalScrollBar()->maximum());
    QTest::mouseClick(first->control<QWidget>("Label2"), Qt::LeftButton);
    QTRY_VERIFY(!first); // unloaded, not just hidden
    QCOMPARE(openAboutWindows().size(), 0);
    QTest::mouseClick(ui.label("Label822"), Qt::LeftButton);
    QVERIFY(form_->aboutWindow());
    QCOMPARE(form_->aboutWindow()->control<QPlainTextEdit>("Text1")->verticalScrollBar()->value(),
             0);
}

void ChromeTest::escapeClosesTheAboutWindow()
{
    QTest::mouseClick(FormDriver(*form_).label("labelf4if"), Qt::LeftButton);
    QPointer<Form3> about = form_->aboutWindow();
    QVERIFY(QTest::qWaitForWindowActive(about));
    QTest::keyClick(about, Qt::Key_Escape);
    QTRY_VERIFY(!about);
    QVERIFY(form_->isVisible());
}

void ChromeTest::aboutTextIsWholeAndReadable()
{
    FormDriver ui(*form_);
    QTest::mouseClick(ui.label("Label822"), Qt::LeftButton);
    Form3* about = form_->aboutWindow();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    auto* text = about->control<QPlainTextEdit>("Text1");
    const QString shown = text->toPlainText();
    QCOMPARE(shown.count('\n'), 3);
    QVERIFY(shown.section('\n', 0, 0).endsWith("汉化"));
    QCOMPARE(shown.section('\n', 1, 1), "2006.10.24.");
    QVERIFY(shown.section('\n', 2, 2).isEmpty());
    QVERIFY(shown.section('\n', 3, 3).startsWith("此程序以 as-is 方式提供，作者和 "));
    QVERIFY(shown.endsWith("使用者风险自负。"));
    // Text that does not fit can be scrolled into view.
    QScrollBar* scroll = text->verticalScrollBar();
    QVERIFY(scroll->maximum() > 0);
    QVERIFY(scroll->isVisible());
    QCOMPARE(about->control<QLabel>("Label19cc")->text(), "版本 1.2.0");
    QVERIFY(about->control<QLabel>("Label23cc")->text().startsWith("编写 "));
}

void ChromeTest::linksChangeColourAndOpenTheirTarget_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("target");
    QTest::newRow("website") << "Label1L"
                             << "http://kestrune.example/";
    QTest::newRow("feedback") << "Label2l"
                              << "mailto:feedback@kestrune.example?Subject=Kestrune Ampora";
}

void ChromeTest::linksChangeColourAndOpenTheirTarget()
{
    QFETCH(QString, link);
    QFETCH(QString, target);
    // A colour scheme whose window colour is not white shows the difference.
    QPalette scheme = QApplication::palette();
    scheme.setColor(QPalette::Base, QColor(240, 230, 200));
    QApplication::setPalette(scheme);
    FormDriver ui(*form_);
    QLabel* label = ui.label(qPrintable(link));
    const auto textColour = [label] { return label->palette().color(QPalette::WindowText); };
    QCOMPARE(textColour(), QColor(255, 255, 255));
    QTest::mousePress(label, Qt::LeftButton);
    QCOMPARE(textColour(), QColor(0, 255, 255));
    QVERIFY(links_.opened.isEmpty());
    QTest::mouseRelease(label, Qt::LeftButton);
    QCOMPARE(textColour(), QColor(240, 230, 200));
    QCOMPARE(links_.opened.size(), 1);
    QCOMPARE(links_.opened.front().toString(), target);
    QApplication::setPalette(QApplication::style()->standardPalette());
}

void ChromeTest::doubleClickOpensALinkOnce()
{
    // As the window system delivers it: press, release, then the second press as a
    // double-click, and its release.
    QLabel* link = FormDriver(*form_).label("Label1L");
    const QPointF centre = link->rect().center();
    QTest::mouseClick(link, Qt::LeftButton);
    QMouseEvent secondPress(QEvent::MouseButtonDblClick, centre, link->mapToGlobal(centre),
                            Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(link, &secondPress);
    QTest::mouseRelease(link, Qt::LeftButton);
    QCOMPARE(links_.opened.size(), 1);
    QCOMPARE(link->palette().color(QPalette::WindowText), ampora::ui::systemWindowColour());
}

void ChromeTest::onlyTheLeftButtonClicks()
{
    FormDriver ui(*form_);
    QLabel* link = ui.label("Label2l");
    QTest::mousePress(link, Qt::RightButton);
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 255, 255));
    QTest::mouseRelease(link, Qt::RightButton);
    QVERIFY(links_.opened.isEmpty());
    QTest::mouseClick(ui.label("Label7"), Qt::RightButton);
    QVERIFY(form_->isVisible());
    QTest::mouseClick(ui.label("Label822"), Qt::MiddleButton);
    QVERIFY(!form_->aboutWindow());
}

void ChromeTest::glyphsCarryToolTips()
{
    FormDriver ui(*form_);
    QCOMPARE(ui.label("Label7")->toolTip(), "关闭程序");
    QCOMPARE(ui.label("Label822")->toolTip(), "帮助");
}

void ChromeTest::backgroundCoversTheWholeWindow()
{
    // Paint the window itself in a colour the art never uses: none of it may show through.
    QPalette palette = form_->palette();
    palette.setColor(QPalette::Window, QColor(255, 0, 255));
    form_->setPalette(palette);
    const QImage shot = form_->grab().toImage();
    QCOMPARE(shot.size(), QSize(425, 544));
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixelColor(x, y) == QColor(255, 0, 255))
                QFAIL(qPrintable(QString("window colour shows at %1,%2").arg(x).arg(y)));
}

namespace {

// Rightmost column of a label's grab holding the label's own text colour.
int rightmostInk(QLabel* label, const QColor& ink)
{
    const QImage image = label->grab().toImage();
    for (int x = image.width() - 1; x >= 0; --x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y) == ink)
                return x;
    return -1;
}

} // namespace

void ChromeTest::estimateDigitsEndAtTheSameRightEdge()
{
    FormDriver ui(*form_);
    QLabel* digits = ui.label("Label4");
    digits->setText("0");
    const int oneDigitEdge = rightmostInk(digits, Qt::white);
    digits->setText("1234");
    const int fourDigitEdge = rightmostInk(digits, Qt::white);
    QVERIFY(oneDigitEdge > digits->width() / 2);
    QVERIFY2(qAbs(oneDigitEdge - fourDigitEdge) <= 2,
             qPrintable(QString("%1 vs %2").arg(oneDigitEdge).arg(fourDigitEdge)));
    // The shadow sits 4 pixels right and down of the digits, beneath them.
    QCOMPARE(ui.label("Labelshadow")->geometry().topLeft() - digits->geometry().topLeft(),
             QPoint(4, 4));
    QVERIFY(form_->children().indexOf(ui.label("Labelshadow")) < form_->children().indexOf(digits));
}

void ChromeTest::loadBarTakesEachBandColour_data()
{
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QString>("estimate");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("empty machine, white") << QStringList{} << "0" << QColor(255, 255, 255);
    QTest::newRow("seven disks, cyan") << QStringList{"Combo3=7"} << "210" << QColor(0, 255, 255);
    QTest::newRow("eleven disks, green") << QStringList{"Combo3=11"} << "310" << QColor(0, 255, 0);
    QTest::newRow("disks, fans and lights, yellow")
        << QStringList{"Combo3=12", "Combo9=12", "Combo10=12"} << "431" << QColor(255, 255, 0);
    QTest::newRow("disks and two processors, orange")
        << QStringList{"Combo3=12", "Combo1=Athlon 64 FX55", "Combo2=2"} << "543"
        << QColor(255, 128, 0);
    QTest::newRow("disks and four processors, red")
        << QStringList{"Combo3=12", "Combo1=Athlon 64 FX55", "Combo2=4"} << "751"
        << QColor(255, 0, 0);
}

void ChromeTest::loadBarTakesEachBandColour()
{
    QFETCH(QStringList, picks);
    QFETCH(QString, estimate);
    QFETCH(QColor, colour);
    FormDriver ui(*form_);
    for (const QString& pick : picks)
        ui.choose(qPrintable(pick.section('=', 0, 0)), qPrintable(pick.section('=', 1)));
    QCOMPARE(ui.estimate(), estimate);
    // Read the bar as drawn, five pixels thick, from (220, 478) to (230, 478).
    const QImage shot = form_->grab().toImage();
    for (const QPoint& point : {QPoint(221, 476), QPoint(225, 478), QPoint(229, 480)})
        QCOMPARE(shot.pixelColor(point), colour);
    QVERIFY(shot.pixelColor(225, 482) != colour || colour == QColor(255, 255, 255));
}

void ChromeTest::noTextIsClippedByItsBox()
{
    FormDriver ui(*form_);
    QTest::mouseClick(ui.label("Label822"), Qt::LeftButton);
    QList<QWidget*> windows{form_.get(), form_->aboutWindow()};
    QStringList clipped;
    for (QWidget* window : windows) {
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (label->text().isEmpty())
                continue;
            for (const QString& text : {label->text(), QStringLiteral("8888")}) {
                if (text != label->text() && label->objectName() != "Label4")
                    continue; // the estimate must hold four digits too
                const QString before = label->text();
                label->setText(text);
                if (const QString outside = inkOutsideBox(label); !outside.isEmpty())
                    clipped << label->objectName() + " \"" + text + "\": " + outside;
                label->setText(before);
            }
        }
        for (QComboBox* combo : window->findChildren<QComboBox*>()) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            option.editable = false;
            const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                               QStyle::SC_ComboBoxEditField, combo);
            for (int i = 0; i < combo->count(); ++i) {
                const int width = combo->fontMetrics().horizontalAdvance(combo->itemText(i));
                if (width > field.width())
                    clipped << QString("%1 item \"%2\": %3 px in a %4 px field")
                                   .arg(combo->objectName(), combo->itemText(i))
                                   .arg(width)
                                   .arg(field.width());
            }
        }
    }
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join('\n')));
}

void ChromeTest::everyTextHasGlyphsInTheBundledFonts()
{
    // The window must read the same on a machine without Tahoma or Chinese fonts.
    const QRawFont latin(QStringLiteral(":/fonts/WineTahoma-Bold.ttf"), 11);
    const QRawFont chinese(QStringLiteral(":/fonts/AmporaCJK-Bold.otf"), 11);
    QVERIFY(latin.isValid());
    QVERIFY(chinese.isValid());
    FormDriver ui(*form_);
    QTest::mouseClick(ui.label("Label822"), Qt::LeftButton);
    QStringList texts;
    for (QWidget* window :
         {static_cast<QWidget*>(form_.get()), static_cast<QWidget*>(form_->aboutWindow())}) {
        for (QLabel* label : window->findChildren<QLabel*>())
            texts << label->text() << label->toolTip();
        for (QComboBox* combo : window->findChildren<QComboBox*>())
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        for (QPlainTextEdit* text : window->findChildren<QPlainTextEdit*>())
            texts << text->toPlainText();
    }
    QString missing;
    for (const QString& text : texts)
        for (QChar c : text)
            if (!c.isSpace() && !latin.supportsCharacter(c) && !chinese.supportsCharacter(c))
                missing += c;
    QVERIFY2(missing.isEmpty(), qPrintable("no glyph for: " + missing));
}

QTEST_MAIN(ChromeTest)
#include "tst_chrome.moc"
