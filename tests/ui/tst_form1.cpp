// The main window as the user meets it: start-up state, layout, and every kind of choice
// recomputing the estimate.
#include "tests/ui/FormDriver.h"
#include "ui/AppStyle.h"

#include <QTest>

#include <memory>

using ampora::ui::Form1;

class Form1Test : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ampora::ui::installAppStyle(); }
    void init();
    void cleanup() { form_.reset(); }

    void startsEmpty();
    void controlsSitAtTheirPixelGeometry_data();
    void controlsSitAtTheirPixelGeometry();
    void selectorsListTheirItems_data();
    void selectorsListTheirItems();
    void pickingAProcessorWithCountTwo();
    void recalculationWorkedExample();
    void busSwitchCycles_data();
    void busSwitchCycles();
    void overclockOnAndOffRestoresTheEstimate();
    void addInCardsByMouse();
    void wordsBesideABoxDoNotToggleIt();
    void theWholeGreyFaceOfABoxToggles();
    void driveHeadingEmptiesTheBay();
    void recommendationFollowsGraphicsWithOverclock();
    void tabFromTheDriveBaysSkipsTheLockedUsbCount();
    void disabledControlsTakeNoInput();

private:
    std::unique_ptr<Form1> form_;
};

void Form1Test::init()
{
    form_ = std::make_unique<Form1>();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void Form1Test::startsEmpty()
{
    FormDriver ui(*form_);
    for (const auto& info : ampora::allSlots())
        QCOMPARE(slotText(form_->sheet(), info.slot), QStringLiteral("0"));
    QCOMPARE(ui.estimate(), "0");
    QCOMPARE(ui.shadow(), "0");
    QCOMPARE(ui.loadBar(), QColor(255, 255, 255));
    QVERIFY(!ui.recommended());
    // The load step brings all nineteen selectors to their first item, one Recalculate each.
    QCOMPARE(form_->recalculationCount(), 19);
    for (const char* name : {"Combo15", "Combo16", "Combooc", "Combo120", "Combo170"})
        QVERIFY2(!ui.selector(name)->isEnabled(), name);
    for (const char* name : {"Labeldr", "Label6322", "Label9", "Label18"})
        QVERIFY2(!ui.label(name)->isEnabled(), name);
    for (const char* name : {"Image22", "Image23", "Image24"})
        QVERIFY2(!form_->control<QWidget>(name)->isVisible(), name);
    for (const char* name : {"Check1", "Check2", "Check3", "Check4", "Check5", "Check6", "Check7",
                             "Check8", "Check9", "Check10"})
        QVERIFY2(!ui.box(name)->isChecked(), name);
    QCOMPARE(form_->size(), QSize(425, 544));
    QCOMPARE(form_->minimumSize(), form_->maximumSize());
    QVERIFY(form_->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(form_->windowTitle(), "Ampora");
}

void Form1Test::controlsSitAtTheirPixelGeometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    struct Expected {
        const char* name;
        QRect pixels;
    };
    // clang-format off
    static const Expected expected[] = {
    {"Label7", {386, 18, 27, 27}},
    {"Label822", {386, 48, 27, 25}},
    {"Image3", {8, 88, 24, 24}},
    {"Combo1", {34, 88, 178, 23}},
    {"Label13", {207, 92, 21, 13}},
    {"Combo2", {223, 88, 39, 23}},
    {"Image4", {8, 122, 24, 24}},
    {"Combo5", {34, 122, 178, 23}},
    {"Label14", {207, 126, 21, 13}},
    {"Combo4", {223, 122, 39, 23}},
    {"Image5", {8, 156, 24, 24}},
    {"Combo6", {34, 156, 178, 23}},
    {"Label15", {207, 160, 21, 13}},
    {"Combo7", {223, 156, 39, 23}},
    {"Image6", {8, 190, 24, 24}},
    {"Combo11", {34, 190, 112, 23}},
    {"Combo8", {151, 190, 112, 23}},
    {"Image7", {8, 226, 24, 24}},
    {"Check6", {36, 228, 15, 17}},
    {"Label1733", {54, 228, 45, 15}},
    {"Label20", {12, 254, 65, 15}},
    {"Combo15", {72, 250, 37, 23}},
    {"Image8", {120, 228, 24, 24}},
    {"Check9", {150, 228, 15, 17}},
    {"Label8553", {168, 228, 57, 15}},
    {"Label21", {122, 254, 63, 15}},
    {"Combo16", {184, 250, 37, 23}},
    {"Image16", {266, 88, 24, 24}},
    {"Label273322", {294, 92, 83, 15}},
    {"Combo9", {368, 88, 43, 23}},
    {"Image17", {266, 122, 24, 24}},
    {"Label11", {294, 126, 83, 15}},
    {"Combo10", {368, 122, 43, 23}},
    {"Image18", {266, 156, 24, 24}},
    {"Label12", {294, 160, 99, 15}},
    {"Combo13", {368, 156, 43, 23}},
    {"Image19", {266, 188, 24, 24}},
    {"Label17", {294, 192, 83, 15}},
    {"Combo14", {368, 188, 43, 23}},
    {"Image20", {266, 222, 24, 24}},
    {"Label10", {294, 226, 83, 15}},
    {"Combo3", {368, 222, 43, 23}},
    {"Image21", {266, 256, 24, 24}},
    {"Label3", {294, 262, 93, 15}},
    {"Combo18", {368, 258, 43, 23}},
    {"Image9", {10, 286, 24, 24}},
    {"Label8bff", {38, 290, 163, 17}},
    {"Check1", {38, 316, 15, 17}},
    {"Label19", {64, 316, 127, 15}},
    {"Check2", {38, 342, 15, 19}},
    {"Label22", {64, 344, 127, 15}},
    {"Check3", {38, 372, 15, 17}},
    {"Label23", {64, 372, 127, 15}},
    {"Check4", {38, 400, 13, 17}},
    {"Label24", {64, 400, 127, 15}},
    {"Check5", {38, 428, 15, 17}},
    {"Label25", {64, 428, 127, 15}},
    {"Check8", {38, 456, 15, 17}},
    {"Label26", {64, 456, 127, 15}},
    {"Check7", {38, 484, 15, 17}},
    {"Label5", {64, 484, 109, 15}},
    {"Image1", {254, 316, 24, 24}},
    {"Check10", {284, 320, 15, 17}},
    {"Label8v2d", {304, 320, 97, 15}},
    {"Image22", {266, 344, 24, 24}},
    {"Label6322", {296, 348, 53, 15}},
    {"Combooc", {342, 342, 47, 23}},
    {"Label8pc", {392, 346, 21, 23}},
    {"Image23", {266, 372, 24, 24}},
    {"Label9", {296, 376, 53, 15}},
    {"Combo120", {342, 372, 47, 23}},
    {"Label8fsv", {392, 374, 21, 23}},
    {"Image24", {266, 402, 24, 24}},
    {"Label18", {296, 406, 53, 15}},
    {"Combo170", {342, 402, 47, 23}},
    {"Label16", {392, 404, 21, 23}},
    {"Label8889", {248, 438, 141, 17}},
    {"Label4", {252, 452, 81, 37}},
    {"Labelshadow", {256, 456, 81, 37}},
    {"Label6", {338, 468, 49, 23}},
    {"Labeldr", {224, 488, 185, 17}},
    {"Label2l", {32, 524, 91, 17}},
    {"Label1L", {138, 524, 161, 17}},
    {"labelf4if", {318, 524, 55, 17}},
        {"Image2", {0, 0, 425, 550}},
    };
    // clang-format on
    for (const auto& control : expected)
        QTest::newRow(control.name) << QString::fromUtf8(control.name) << control.pixels;
}

void Form1Test::controlsSitAtTheirPixelGeometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    QWidget* control = form_->control<QWidget>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), pixels);
}

void Form1Test::selectorsListTheirItems_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("processor models") << "Combo1" << 51 << "处理器"
                                      << "Opteron";
    QTest::newRow("processor count") << "Combo2" << 5 << "0"
                                     << "8";
    QTest::newRow("memory types") << "Combo5" << 6 << "内存"
                                  << "RAMBUS RDRAM";
    QTest::newRow("memory modules") << "Combo4" << 9 << "0"
                                    << "8";
    QTest::newRow("graphics models") << "Combo6" << 44 << "显卡"
                                     << "Quadro FX 4500";
    QTest::newRow("graphics count") << "Combo7" << 4 << "0"
                                    << "4";
    QTest::newRow("optional drive 1") << "Combo11" << 7 << "可选件 #1"
                                      << "DVDRW";
    QTest::newRow("optional drive 2") << "Combo8" << 7 << "可选件 #2"
                                      << "DVDRW";
    QTest::newRow("USB devices") << "Combo15" << 13 << "0"
                                 << "12";
    QTest::newRow("FireWire devices") << "Combo16" << 13 << "0"
                                      << "12";
    QTest::newRow("fans") << "Combo9" << 13 << "0"
                          << "12";
    QTest::newRow("case lights") << "Combo10" << 13 << "0"
                                 << "12";
    QTest::newRow("card readers") << "Combo13" << 5 << "0"
                                  << "4";
    QTest::newRow("floppy / ZIP") << "Combo14" << 5 << "0"
                                  << "4";
    QTest::newRow("hard disks") << "Combo3" << 13 << "0"
                                << "12";
    QTest::newRow("other PCI") << "Combo18" << 8 << "0"
                               << "7";
    QTest::newRow("processor overclock") << "Combooc" << 101 << "0"
                                         << "100";
    QTest::newRow("memory overclock") << "Combo120" << 101 << "0"
                                      << "100";
    QTest::newRow("graphics overclock") << "Combo170" << 101 << "0"
                                        << "100";
}

void Form1Test::selectorsListTheirItems()
{
    QFETCH(QString, name);
    QFETCH(int, count);
    QFETCH(QString, first);
    QFETCH(QString, last);
    auto* combo = form_->control<QComboBox>(name);
    QCOMPARE(combo->count(), count);
    QCOMPARE(combo->itemText(0), first);
    QCOMPARE(combo->itemText(count - 1), last);
    QCOMPARE(combo->currentIndex(), 0);
    QVERIFY(!combo->isEditable());
}

void Form1Test::pickingAProcessorWithCountTwo()
{
    FormDriver ui(*form_);
    ui.choose("Combo2", "2");
    QCOMPARE(ui.estimate(), "0");
    ui.choose("Combo1", "Athlon 64 FX55");
    QCOMPARE(ui.slot("CpuUnitWatts"), "104");
    QCOMPARE(ui.slot("CpuWatts"), "208");
    QCOMPARE(ui.slot("CpuOverclockWatts"), "0");
    QCOMPARE(ui.estimate(), "243");
    QCOMPARE(ui.shadow(), "243");
    QCOMPARE(ui.loadBar(), QColor(0, 255, 255));
    QCOMPARE(ui.slot("GpuTotalWatts"), "0");
    QVERIFY(!ui.recommended());
}

void Form1Test::recalculationWorkedExample()
{
    FormDriver ui(*form_);
    ui.choose("Combo1", "Pentium 4 Prescott");
    ui.choose("Combo2", "1");
    ui.choose("Combo5", "DDR SDRAM");
    ui.choose("Combo4", "2");
    ui.choose("Combo6", "Radeon X700");
    ui.choose("Combo7", "1");
    ui.choose("Combo11", "DVD-ROM");
    ui.choose("Combo3", "2");
    ui.choose("Combo9", "3");
    ui.click("Check6");
    ui.choose("Combo15", "2");
    QCOMPARE(ui.slot("UsbWatts"), "10");
    QCOMPARE(ui.estimate(), "308");
    QCOMPARE(ui.shadow(), "308");
    QCOMPARE(ui.loadBar(), QColor(0, 255, 0));
    QCOMPARE(ui.slot("GpuTotalWatts"), "60");
    QVERIFY(!ui.recommended());
}

void Form1Test::busSwitchCycles_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("counter");
    QTest::addColumn<QString>("role");
    QTest::addColumn<QString>("emptyEstimate");
    QTest::addColumn<QString>("fourDevicesWatts");
    QTest::addColumn<QString>("fourDevicesEstimate");
    QTest::newRow("USB") << "Check6"
                         << "Combo15"
                         << "UsbWatts"
                         << "45"
                         << "20"
                         << "65";
    QTest::newRow("FireWire") << "Check9"
                              << "Combo16"
                              << "FirewireWatts"
                              << "55"
                              << "32"
                              << "87";
}

void Form1Test::busSwitchCycles()
{
    QFETCH(QString, box);
    QFETCH(QString, counter);
    QFETCH(QString, role);
    QFETCH(QString, emptyEstimate);
    QFETCH(QString, fourDevicesWatts);
    QFETCH(QString, fourDevicesEstimate);
    FormDriver ui(*form_);
    QComboBox* count = ui.selector(qPrintable(counter));
    for (int round = 0; round < 2; ++round) {
        ui.click(qPrintable(box));
        QVERIFY(count->isEnabled());
        QCOMPARE(count->currentText(), "0");
        QCOMPARE(ui.slot(qPrintable(role)), "0");
        QCOMPARE(ui.estimate(), emptyEstimate);
        ui.choose(qPrintable(counter), "4");
        QCOMPARE(ui.slot(qPrintable(role)), fourDevicesWatts);
        QCOMPARE(ui.estimate(), fourDevicesEstimate);
        ui.click(qPrintable(box));
        QVERIFY(!count->isEnabled());
        QCOMPARE(count->currentText(), "0");
        QCOMPARE(ui.slot(qPrintable(role)), "0");
        QCOMPARE(ui.estimate(), "0");
    }
}

void Form1Test::overclockOnAndOffRestoresTheEstimate()
{
    FormDriver ui(*form_);
    ui.choose("Combo1", "Athlon 64 FX60");
    ui.choose("Combo2", "2");
    ui.choose("Combo5", "DDR2 SDRAM");
    ui.choose("Combo4", "3");
    ui.choose("Combo6", "Radeon X1900 Series");
    ui.choose("Combo7", "2");
    const QString before = ui.estimate();
    QCOMPARE(before, "507"); // 220 + 22.5 + 230 + 35, floored

    ui.click("Check10");
    QCOMPARE(ui.estimate(), before);
    for (const char* name : {"Image22", "Image23", "Image24"})
        QVERIFY2(form_->control<QWidget>(name)->isVisible(), name);
    for (const char* name : {"Label6322", "Label9", "Label18"})
        QVERIFY2(ui.label(name)->isEnabled(), name);
    ui.choose("Combooc", "33");
    ui.choose("Combo120", "33");
    ui.choose("Combo170", "25");
    QCOMPARE(ui.slot("CpuOverclockWatts"), "72.6");
    QCOMPARE(ui.slot("RamOverclockWatts"), "7.425");
    QCOMPARE(ui.slot("GpuOverclockWatts"), "57.5");
    QCOMPARE(ui.slot("GpuTotalWatts"), "287.5");
    QCOMPARE(ui.estimate(), "645"); // 507.5 + 137.525, floored
    QCOMPARE(ui.loadBar(), QColor(255, 0, 0));
    // A new count recomputes the overclock watts at once.
    ui.choose("Combo2", "1");
    QCOMPARE(ui.slot("CpuOverclockWatts"), "36.3");

    ui.click("Check10");
    for (const char* name : {"Combooc", "Combo120", "Combo170"}) {
        QVERIFY2(!ui.selector(name)->isEnabled(), name);
        QCOMPARE(ui.selector(name)->currentText(), "0");
    }
    for (const char* role : {"CpuOverclockWatts", "RamOverclockWatts", "GpuOverclockWatts"})
        QCOMPARE(ui.slot(role), "0");
    for (const char* name : {"Image22", "Image23", "Image24"})
        QVERIFY2(!form_->control<QWidget>(name)->isVisible(), name);
    for (const char* name : {"Label6322", "Label9", "Label18"})
        QVERIFY2(!ui.label(name)->isEnabled(), name);
    ui.choose("Combo2", "2");
    QCOMPARE(ui.estimate(), before);
}

void Form1Test::addInCardsByMouse()
{
    FormDriver ui(*form_);
    ui.click("Check2");
    QCOMPARE(ui.estimate(), "39");
    for (const char* name : {"Check1", "Check3", "Check4", "Check5", "Check8", "Check7"})
        ui.click(name);
    QCOMPARE(ui.estimate(), "113");
    ui.click("Check5");
    QCOMPARE(ui.slot("ScsiCardWatts"), "0");
    QCOMPARE(ui.estimate(), "88");
    ui.click("Check5");
    QCOMPARE(ui.slot("ScsiCardWatts"), "25");
    QCOMPARE(ui.estimate(), "113");
}

void Form1Test::wordsBesideABoxDoNotToggleIt()
{
    FormDriver ui(*form_);
    const int before = form_->recalculationCount();
    for (const char* name : {"Label23", "Label1733", "Label8553", "Label8v2d", "Label19"})
        QTest::mouseClick(ui.label(name), Qt::LeftButton);
    QVERIFY(!ui.box("Check3")->isChecked());
    QVERIFY(!ui.box("Check6")->isChecked());
    QVERIFY(!ui.box("Check10")->isChecked());
    QCOMPARE(form_->recalculationCount(), before);
    QCOMPARE(ui.estimate(), "0");
}

void Form1Test::theWholeGreyFaceOfABoxToggles()
{
    FormDriver ui(*form_);
    QCheckBox* box = ui.box("Check4"); // the narrowest, 13 x 17
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(0, 0));
    QVERIFY(box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 1, box->height() - 1));
    QVERIFY(!box->isChecked());
    QCOMPARE(ui.estimate(), "0");
}

void Form1Test::driveHeadingEmptiesTheBay()
{
    FormDriver ui(*form_);
    ui.choose("Combo8", "DVDRW");
    QCOMPARE(ui.slot("Optical2Watts"), "25");
    QCOMPARE(ui.estimate(), "60");
    ui.choose("Combo8", "可选件 #2");
    QCOMPARE(ui.slot("Optical2Watts"), "0");
    QCOMPARE(ui.estimate(), "0");
}

void Form1Test::recommendationFollowsGraphicsWithOverclock()
{
    FormDriver ui(*form_);
    ui.choose("Combo6", "Quadro FX 1400"); // 73 W
    ui.choose("Combo7", "1");
    QVERIFY(!ui.recommended());
    ui.click("Check10");
    ui.choose("Combo170", "3"); // 73 + 2.19
    QCOMPARE(ui.slot("GpuTotalWatts"), "75.19");
    QVERIFY(ui.recommended());
    ui.click("Check10");
    QVERIFY(!ui.recommended());
}

void Form1Test::tabFromTheDriveBaysSkipsTheLockedUsbCount()
{
    // The full order, and what a screen reader hears along it, is walked in tst_accessibility.
    FormDriver ui(*form_);
    ui.selector("Combo8")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ui.box("Check6"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ui.box("Check9"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), ui.box("Check6"));
    QTest::keyClick(ui.box("Check6"), Qt::Key_Space);
    QTest::keyClick(ui.box("Check6"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ui.selector("Combo15"));
}

void Form1Test::disabledControlsTakeNoInput()
{
    FormDriver ui(*form_);
    const int before = form_->recalculationCount();
    for (const char* name : {"Combo15", "Combo16", "Combooc", "Combo120", "Combo170"}) {
        QComboBox* combo = ui.selector(name);
        QTest::mouseClick(combo, Qt::LeftButton);
        QTest::keyClick(combo, Qt::Key_Down);
        QTest::keyClick(combo, Qt::Key_End);
        QCOMPARE(combo->currentIndex(), 0);
    }
    QCOMPARE(form_->recalculationCount(), before);
    QCOMPARE(ui.estimate(), "0");
}

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
