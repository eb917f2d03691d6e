// The component tables and the row arithmetic, checked against figures worked out by hand.
#include "catalogue/CountedDevices.h"
#include "catalogue/Drives.h"
#include "catalogue/Graphics.h"
#include "catalogue/Memory.h"
#include "catalogue/Processors.h"
#include "catalogue/ProductRow.h"
#include "core/TextForm.h"
#include "tests/SheetText.h"

#include <QTest>

#include <set>

using namespace ampora;

Q_DECLARE_METATYPE(const ProductRow*)

namespace {

double wattsSum(CatalogueTable table)
{
    double sum = 0;
    for (const auto& entry : table)
        sum += parseNumber(entry.watts);
    return sum;
}

QString watts(CatalogueTable table, const char* item)
{
    const auto found = lookUpWatts(table, item);
    return found ? QString::fromUtf8(found->data(), qsizetype(found->size())) : QString();
}

} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT
private slots:
    void tablesHaveTheirShape_data();
    void tablesHaveTheirShape();
    void modelsSharingAValue_data();
    void modelsSharingAValue();
    void lookUpIsExactAndCaseSensitive();
    void rowWorkedValues_data();
    void rowWorkedValues();
    void modelWithoutCountStaysOutOfTheEstimate();
    void headingTakesTheModelOut();
    void countedDevices_data();
    void countedDevices();
    void driveBays();
    void countItemLists();
};

void CatalogueTest::tablesHaveTheirShape_data()
{
    QTest::addColumn<CatalogueTable>("table");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<double>("sum");
    QTest::newRow("processors") << CatalogueTable(kProcessors) << 51 << "处理器"
                                << "Opteron" << 3287.0;
    QTest::newRow("graphics cards") << CatalogueTable(kGraphicsCards) << 44 << "显卡"
                                    << "Quadro FX 4500" << 2635.0;
    QTest::newRow("memory types") << CatalogueTable(kMemoryTypes) << 6 << "内存"
                                  << "RAMBUS RDRAM" << 46.5;
    QTest::newRow("drives") << CatalogueTable(kDrives) << 6 << "无"
                            << "DVDRW" << 120.0;
}

void CatalogueTest::tablesHaveTheirShape()
{
    QFETCH(CatalogueTable, table);
    QFETCH(int, size);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(double, sum);
    QCOMPARE(int(table.size()), size);
    QCOMPARE(QString::fromUtf8(table.front().item.data(), qsizetype(table.front().item.size())),
             first);
    QCOMPARE(QString::fromUtf8(table.back().item.data(), qsizetype(table.back().item.size())),
             last);
    QCOMPARE(wattsSum(table), sum);
    std::set<std::string_view> distinct;
    for (const auto& entry : table)
        distinct.insert(entry.item);
    QCOMPARE(int(distinct.size()), size);
}

void CatalogueTest::modelsSharingAValue_data()
{
    QTest::addColumn<CatalogueTable>("table");
    QTest::addColumn<QStringList>("models");
    QTest::addColumn<QString>("watts");
    QTest::newRow("110 W processors")
        << CatalogueTable(kProcessors)
        << QStringList{"Athlon 64 FX60", "Athlon 64 X2 Toledo", "Athlon 64 X2 Manchester",
                       "Pentium 4 600 系列或以上"}
        << "110";
    QTest::newRow("104 W processors")
        << CatalogueTable(kProcessors) << QStringList{"Athlon 64 FX55", "Athlon 64 FX57"} << "104";
    QTest::newRow("processor extremes") << CatalogueTable(kProcessors) << QStringList{"K6"} << "15";
    QTest::newRow("75 W cards") << CatalogueTable(kGraphicsCards)
                                << QStringList{"Radeon X850XT PE", "Radeon X1300 Series",
                                               "GeForce 7800 GT", "Quadro FX 540"}
                                << "75";
    QTest::newRow("largest card") << CatalogueTable(kGraphicsCards)
                                  << QStringList{"Radeon X1900 Series"} << "115";
    QTest::newRow("card named by memory size")
        << CatalogueTable(kGraphicsCards) << QStringList{"32M 或以下"} << "20";
    QTest::newRow("10 W memory") << CatalogueTable(kMemoryTypes)
                                 << QStringList{"DDR SDRAM", "RAMBUS RDRAM"} << "10";
    QTest::newRow("the one fractional memory value")
        << CatalogueTable(kMemoryTypes) << QStringList{"DDR2 SDRAM"} << "7.5";
    QTest::newRow("25 W drives") << CatalogueTable(kDrives) << QStringList{"DVD-ROM", "DVDRW"}
                                 << "25";
}

void CatalogueTest::modelsSharingAValue()
{
    QFETCH(CatalogueTable, table);
    QFETCH(QStringList, models);
    QFETCH(QString, watts);
    for (const QString& model : models)
        QCOMPARE(::watts(table, model.toUtf8().constData()), watts);
}

void CatalogueTest::lookUpIsExactAndCaseSensitive()
{
    QVERIFY(lookUpWatts(kProcessors, "Opteron"));
    QVERIFY(!lookUpWatts(kProcessors, "opteron"));
    QVERIFY(!lookUpWatts(kProcessors, "Opteron "));
    QVERIFY(!lookUpWatts(kProcessors, "Athlon 64  FX55"));
    QVERIFY(!lookUpWatts(kGraphicsCards, "radeon X1900 Series"));
}

void CatalogueTest::rowWorkedValues_data()
{
    QTest::addColumn<const ProductRow*>("row");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("percentage");
    QTest::addColumn<QString>("unitWatts");
    QTest::addColumn<QString>("rowWatts");
    QTest::addColumn<QString>("overclockWatts");
    const ProductRow* cpu = &kProcessorRow;
    const ProductRow* gpu = &kGraphicsRow;
    const ProductRow* ram = &kMemoryRow;
    QTest::newRow("2 x Athlon 64 FX55 at 15%") << cpu << "Athlon 64 FX55"
                                               << "2"
                                               << "15"
                                               << "104"
                                               << "208"
                                               << "31.2";
    QTest::newRow("1 x Pentium at 7%") << cpu << "Pentium"
                                       << "1"
                                       << "7"
                                       << "17"
                                       << "17"
                                       << "1.19";
    QTest::newRow("8 x Pentium 4 600 at 0%") << cpu << "Pentium 4 600 系列或以上"
                                             << "8"
                                             << "0"
                                             << "110"
                                             << "880"
                                             << "0";
    QTest::newRow("2 x Athlon 64 FX60 at 33%") << cpu << "Athlon 64 FX60"
                                               << "2"
                                               << "33"
                                               << "110"
                                               << "220"
                                               << "72.6";
    QTest::newRow("8 x Opteron at 100% doubles") << cpu << "Opteron"
                                                 << "8"
                                                 << "100"
                                                 << "85"
                                                 << "680"
                                                 << "680";
    QTest::newRow("8 x FX60 at 100%, the row's largest") << cpu << "Athlon 64 FX60"
                                                         << "8"
                                                         << "100"
                                                         << "110"
                                                         << "880"
                                                         << "880";
    QTest::newRow("2 x Radeon X1900 at 25%") << gpu << "Radeon X1900 Series"
                                             << "2"
                                             << "25"
                                             << "115"
                                             << "230"
                                             << "57.5";
    QTest::newRow("2 x GeForce FX 5200 at 12%") << gpu << "GeForce FX 5200-5700"
                                                << "2"
                                                << "12"
                                                << "41"
                                                << "82"
                                                << "9.84";
    QTest::newRow("1 x 32M at 3%") << gpu << "32M 或以下"
                                   << "1"
                                   << "3"
                                   << "20"
                                   << "20"
                                   << "0.6";
    QTest::newRow("4 x Quadro FX 4500 at 100%") << gpu << "Quadro FX 4500"
                                                << "4"
                                                << "100"
                                                << "105"
                                                << "420"
                                                << "420";
    QTest::newRow("4 x Radeon X1900 at 100%") << gpu << "Radeon X1900 Series"
                                              << "4"
                                              << "100"
                                              << "115"
                                              << "460"
                                              << "460";
    QTest::newRow("3 x DDR2 at 10%") << ram << "DDR2 SDRAM"
                                     << "3"
                                     << "10"
                                     << "7.5"
                                     << "22.5"
                                     << "2.25";
    QTest::newRow("3 x DDR2 at 33% keeps 7.425") << ram << "DDR2 SDRAM"
                                                 << "3"
                                                 << "33"
                                                 << "7.5"
                                                 << "22.5"
                                                 << "7.425";
    QTest::newRow("2 x DDR at 50%") << ram << "DDR SDRAM"
                                    << "2"
                                    << "50"
                                    << "10"
                                    << "20"
                                    << "10";
    QTest::newRow("8 x RAMBUS at 0%") << ram << "RAMBUS RDRAM"
                                      << "8"
                                      << "0"
                                      << "10"
                                      << "80"
                                      << "0";
    QTest::newRow("4 x PC133 at 0%") << ram << "PC133/166 SDRAM"
                                     << "4"
                                     << "0"
                                     << "12"
                                     << "48"
                                     << "0";
}

void CatalogueTest::rowWorkedValues()
{
    QFETCH(const ProductRow*, row);
    QFETCH(QString, model);
    QFETCH(QString, count);
    QFETCH(QString, percentage);
    QFETCH(QString, unitWatts);
    QFETCH(QString, rowWatts);
    QFETCH(QString, overclockWatts);
    // Count first, then model, and the other way round: both orders end alike.
    for (bool countFirst : {true, false}) {
        Sheet sheet;
        if (countFirst)
            chooseCount(sheet, *row, count.toStdString(), percentage.toStdString());
        chooseModel(sheet, *row, model.toStdString(), percentage.toStdString());
        if (!countFirst)
            chooseCount(sheet, *row, count.toStdString(), percentage.toStdString());
        QCOMPARE(slotText(sheet, row->unitWatts), unitWatts);
        QCOMPARE(slotText(sheet, row->count), count);
        QCOMPARE(slotText(sheet, row->watts), rowWatts);
        QCOMPARE(slotText(sheet, row->overclockWatts), overclockWatts);
        // The percentage selector on its own gives the same text.
        applyOverclock(sheet, *row, percentage.toStdString());
        QCOMPARE(slotText(sheet, row->overclockWatts), overclockWatts);
    }
}

void CatalogueTest::modelWithoutCountStaysOutOfTheEstimate()
{
    Sheet sheet;
    chooseModel(sheet, kProcessorRow, "Athlon 64 FX55", "0");
    QCOMPARE(slotText(sheet, Slot::CpuUnitWatts), "104");
    QCOMPARE(slotText(sheet, Slot::CpuWatts), "0");
    chooseCount(sheet, kProcessorRow, "2", "0");
    QCOMPARE(slotText(sheet, Slot::CpuWatts), "208");
    chooseCount(sheet, kProcessorRow, "0", "0");
    QCOMPARE(slotText(sheet, Slot::CpuWatts), "0");
    QCOMPARE(slotText(sheet, Slot::CpuUnitWatts), "104");
}

void CatalogueTest::headingTakesTheModelOut()
{
    Sheet sheet;
    chooseCount(sheet, kMemoryRow, "8", "0");
    chooseModel(sheet, kMemoryRow, "RAMBUS RDRAM", "0");
    QCOMPARE(slotText(sheet, Slot::RamWatts), "80");
    chooseModel(sheet, kMemoryRow, "内存", "0");
    QCOMPARE(slotText(sheet, Slot::RamUnitWatts), "0");
    QCOMPARE(slotText(sheet, Slot::RamWatts), "0");
    QCOMPARE(slotText(sheet, Slot::RamCount), "8");
    // A text naming no model leaves the unit watts as they were.
    chooseModel(sheet, kMemoryRow, "DDR SDRAM", "0");
    chooseModel(sheet, kMemoryRow, "DDR4", "0");
    QCOMPARE(slotText(sheet, Slot::RamUnitWatts), "10");
}

void CatalogueTest::countedDevices_data()
{
    QTest::addColumn<QString>("selector");
    QTest::addColumn<int>("lastCount");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("slotWatts");
    QTest::newRow("12 fans") << "Combo9" << 12 << "12"
                             << "36";
    QTest::newRow("12 case lights") << "Combo10" << 12 << "12"
                                    << "60";
    QTest::newRow("4 card readers") << "Combo13" << 4 << "4"
                                    << "40";
    QTest::newRow("4 floppy / ZIP drives") << "Combo14" << 4 << "4"
                                           << "32";
    QTest::newRow("4 hard disks") << "Combo3" << 12 << "4"
                                  << "100";
    QTest::newRow("12 hard disks") << "Combo3" << 12 << "12"
                                   << "300";
    QTest::newRow("7 other PCI cards") << "Combo18" << 7 << "7"
                                       << "35";
    QTest::newRow("4 USB devices") << "Combo15" << 12 << "4"
                                   << "20";
    QTest::newRow("12 FireWire devices") << "Combo16" << 12 << "12"
                                         << "96";
    QTest::newRow("no fans") << "Combo9" << 12 << "0"
                             << "0";
}

void CatalogueTest::countedDevices()
{
    QFETCH(QString, selector);
    QFETCH(int, lastCount);
    QFETCH(QString, count);
    QFETCH(QString, slotWatts);
    const CountedDevice* device = countedDeviceFor(selector.toStdString());
    QVERIFY(device);
    QCOMPARE(device->lastCount, lastCount);
    Sheet sheet;
    writeDeviceCount(sheet, *device, count.toStdString());
    QCOMPARE(slotText(sheet, device->slot), slotWatts);
}

void CatalogueTest::driveBays()
{
    Sheet sheet;
    chooseDrive(sheet, kDriveBay1, "DVD / CDRW");
    chooseDrive(sheet, kDriveBay2, "CD-ROM");
    QCOMPARE(slotText(sheet, Slot::Optical1Watts), "30");
    QCOMPARE(slotText(sheet, Slot::Optical2Watts), "20");
    chooseDrive(sheet, kDriveBay2, "DVDRW");
    QCOMPARE(slotText(sheet, Slot::Optical2Watts), "25");
    chooseDrive(sheet, kDriveBay2, "无");
    QCOMPARE(slotText(sheet, Slot::Optical2Watts), "0");
    // Going back to the bay's heading empties the bay rather than keeping the last drive.
    chooseDrive(sheet, kDriveBay1, "可选件 #1");
    QCOMPARE(slotText(sheet, Slot::Optical1Watts), "0");
    // Each bay answers only to its own heading.
    chooseDrive(sheet, kDriveBay1, "CDRW");
    chooseDrive(sheet, kDriveBay1, "可选件 #2");
    QCOMPARE(slotText(sheet, Slot::Optical1Watts), "20");
    const auto items = driveItems(kDriveBay2);
    QCOMPARE(items.size(), 7u);
    QCOMPARE(QString::fromStdString(items.front()), "可选件 #2");
    QCOMPARE(QString::fromStdString(items[5]), "DVD / CDRW");
}

void CatalogueTest::countItemLists()
{
    QCOMPARE(numberedItems(12).size(), 13u);
    QCOMPARE(numberedItems(100).back(), "100");
    QCOMPARE(numberedItems(0), std::vector<std::string>{"0"});
    QCOMPARE(kProcessorCounts.size(), 5u);
    QCOMPARE(kProcessorCounts.back(), "8");
    QCOMPARE(kGraphicsCardCounts.back(), "4");
}

QTEST_APPLESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
