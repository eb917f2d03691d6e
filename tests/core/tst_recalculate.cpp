// Recalculate: from the sheet and the two bus switches to the estimate the window shows.
#include "core/AddInCards.h"
#include "core/Recalculate.h"
#include "tests/SheetText.h"

#include <QTest>

using namespace ampora;

namespace {

struct Fill {
    const char* role;
    const char* text;
};

Sheet sheetWith(std::initializer_list<Fill> fills)
{
    Sheet sheet;
    for (const auto& fill : fills)
        sheet.writeLiteral(*slotByRole(fill.role), fill.text);
    return sheet;
}

QString bandName(LoadBand band)
{
    static const char* names[] = {"white", "cyan", "green", "yellow", "orange", "red"};
    return names[static_cast<int>(band)];
}

} // namespace

class RecalculateTest : public QObject {
    Q_OBJECT
private slots:
    void sheetHasThirtySlotsAllZero();
    void estimateCaptionAndBand_data();
    void estimateCaptionAndBand();
    void recommendationFollowsGraphicsLoadOnly_data();
    void recommendationFollowsGraphicsLoadOnly();
    void unitAndCountSlotsNeverEnterTheSum();
    void bandColoursAreTheSixOfTheLoadBar();
    void addInCardsAddTheirWatts();
};

void RecalculateTest::sheetHasThirtySlotsAllZero()
{
    const Sheet sheet;
    QCOMPARE(allSlots().size(), 30u);
    int summed = 0;
    for (const auto& info : allSlots()) {
        QCOMPARE(slotText(sheet, info.slot), "0");
        QCOMPARE(slotByField(info.field), info.slot);
        summed += info.summed;
    }
    QCOMPARE(summed, 23);
    QCOMPARE(slotByField("Text18"), Slot::CpuWatts);
    QCOMPARE(slotByField("usb"), Slot::UsbWatts);
    QVERIFY(!slotByRole("cpuwatts"));
}

void RecalculateTest::estimateCaptionAndBand_data()
{
    QTest::addColumn<QString>("role");
    QTest::addColumn<QString>("watts");
    QTest::addColumn<bool>("usb");
    QTest::addColumn<bool>("firewire");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("band");

    QTest::newRow("empty sheet shows 0, not the base 35") << "CpuWatts"
                                                          << "0" << false << false << "0"
                                                          << "white";
    QTest::newRow("USB switch alone adds 10") << "CpuWatts"
                                              << "0" << true << false << "45"
                                              << "white";
    QTest::newRow("FireWire switch alone adds 20") << "CpuWatts"
                                                   << "0" << false << true << "55"
                                                   << "white";
    QTest::newRow("both switches add 30") << "CpuWatts"
                                          << "0" << true << true << "65"
                                          << "white";
    QTest::newRow("half a watt floors back to 35 and shows 0") << "RamOverclockWatts"
                                                               << "0.5" << false << false << "0"
                                                               << "white";
    QTest::newRow("one watt shows 36") << "FanWatts"
                                       << "1" << false << false << "36"
                                       << "white";
    QTest::newRow("299.9 is never rounded up") << "CpuWatts"
                                               << "264.9" << false << false << "299"
                                               << "cyan";
    QTest::newRow("199 is white") << "HardDiskWatts"
                                  << "164" << false << false << "199"
                                  << "white";
    QTest::newRow("200 is cyan") << "HardDiskWatts"
                                 << "165" << false << false << "200"
                                 << "cyan";
    QTest::newRow("300 is green") << "GpuWatts"
                                  << "265" << false << false << "300"
                                  << "green";
    QTest::newRow("400 is yellow") << "GpuWatts"
                                   << "365" << false << false << "400"
                                   << "yellow";
    QTest::newRow("499 is yellow") << "GpuWatts"
                                   << "464" << false << false << "499"
                                   << "yellow";
    QTest::newRow("500 is orange") << "GpuWatts"
                                   << "465" << false << false << "500"
                                   << "orange";
    QTest::newRow("599 is orange") << "CpuWatts"
                                   << "564" << false << false << "599"
                                   << "orange";
    QTest::newRow("600 is red") << "CpuWatts"
                                << "565" << false << false << "600"
                                << "red";
    QTest::newRow("allowance tips 190 into cyan") << "CpuWatts"
                                                  << "165" << true << false << "210"
                                                  << "cyan";
    QTest::newRow("firewire device slot is summed") << "FirewireWatts"
                                                    << "96" << false << true << "151"
                                                    << "white";
}

void RecalculateTest::estimateCaptionAndBand()
{
    QFETCH(QString, role);
    QFETCH(QString, watts);
    QFETCH(bool, usb);
    QFETCH(bool, firewire);
    QFETCH(QString, caption);
    QFETCH(QString, band);
    Sheet sheet = sheetWith({{qPrintable(role), qPrintable(watts)}});
    const Estimate estimate = recalculate(sheet, usb, firewire);
    QCOMPARE(QString::fromStdString(estimate.caption), caption);
    QCOMPARE(bandName(estimate.band), band);
}

void RecalculateTest::recommendationFollowsGraphicsLoadOnly_data()
{
    QTest::addColumn<QString>("gpuWatts");
    QTest::addColumn<QString>("gpuOverclockWatts");
    QTest::addColumn<QString>("gpuTotal");
    QTest::addColumn<bool>("recommended");
    QTest::newRow("74 W of cards") << "74"
                                   << "0"
                                   << "74" << false;
    QTest::newRow("75 W of cards") << "75"
                                   << "0"
                                   << "75" << true;
    QTest::newRow("150 + 15 overclock") << "150"
                                        << "15"
                                        << "165" << true;
    QTest::newRow("overclock tips 70 over") << "70"
                                            << "5.6"
                                            << "75.6" << true;
    QTest::newRow("74.99 stays below") << "74"
                                       << "0.99"
                                       << "74.99" << false;
}

void RecalculateTest::recommendationFollowsGraphicsLoadOnly()
{
    QFETCH(QString, gpuWatts);
    QFETCH(QString, gpuOverclockWatts);
    QFETCH(QString, gpuTotal);
    QFETCH(bool, recommended);
    // A big processor must not count towards the graphics load.
    Sheet sheet = sheetWith({{"GpuWatts", qPrintable(gpuWatts)},
                             {"GpuOverclockWatts", qPrintable(gpuOverclockWatts)},
                             {"CpuWatts", "880"},
                             {"CpuOverclockWatts", "880"}});
    const Estimate estimate = recalculate(sheet, false, false);
    QCOMPARE(slotText(sheet, Slot::GpuTotalWatts), gpuTotal);
    QCOMPARE(estimate.dualRailRecommended, recommended);
}

void RecalculateTest::unitAndCountSlotsNeverEnterTheSum()
{
    Sheet sheet = sheetWith({{"CpuUnitWatts", "104"},
                             {"CpuCount", "8"},
                             {"RamUnitWatts", "10"},
                             {"RamCount", "8"},
                             {"GpuUnitWatts", "115"},
                             {"GpuCount", "4"},
                             {"GpuTotalWatts", "500"}});
    QCOMPARE(recalculate(sheet, false, false).caption, std::string("0"));
    // GpuTotalWatts is rewritten from the cards' slots, not kept.
    QCOMPARE(slotText(sheet, Slot::GpuTotalWatts), "0");
}

void RecalculateTest::bandColoursAreTheSixOfTheLoadBar()
{
    QCOMPARE(bandColour(LoadBand::White), (Rgb{255, 255, 255}));
    QCOMPARE(bandColour(LoadBand::Cyan), (Rgb{0, 255, 255}));
    QCOMPARE(bandColour(LoadBand::Green), (Rgb{0, 255, 0}));
    QCOMPARE(bandColour(LoadBand::Yellow), (Rgb{255, 255, 0}));
    QCOMPARE(bandColour(LoadBand::Orange), (Rgb{255, 128, 0}));
    QCOMPARE(bandColour(LoadBand::Red), (Rgb{255, 0, 0}));
}

void RecalculateTest::addInCardsAddTheirWatts()
{
    Sheet sheet;
    for (const auto& card : kAddInCards)
        applyAddInCard(sheet, card, true);
    QCOMPARE(recalculate(sheet, false, false).caption, std::string("113"));
    applyAddInCard(sheet, *addInCardFor("Check5"), false);
    QCOMPARE(slotText(sheet, Slot::ScsiCardWatts), "0");
    QCOMPARE(recalculate(sheet, false, false).caption, std::string("88"));
}

QTEST_APPLESS_MAIN(RecalculateTest)
#include "tst_recalculate.moc"
