// The component tables and the row, drive, device and card arithmetic, on a bare sheet.
#include "catalogue/AddInCards.h"
#include "catalogue/CountedDevices.h"
#include "catalogue/Drives.h"
#include "catalogue/Graphics.h"
#include "catalogue/Memory.h"
#include "catalogue/Processors.h"
#include "catalogue/ProductRow.h"
#include "core/NumberText.h"
#include "tests/TableRows.h"

using namespace ampora;

namespace {

QString joined(const auto& items)
{
    QStringList texts;
    for (std::string_view item : items)
        texts << text(item);
    return texts.join(' ');
}

// One checksum a table, worked out by hand; every other test relies on the tables through these.
struct Checksum {
    const char* name;
    CatalogueTable table;
    std::size_t size;
    const char *first, *last;
    double watts;
};

// clang-format off
const Checksum kChecksums[] = {
    {"processors", kProcessors, 51, "处理器", "Opteron", 3287},
    {"graphics cards", kGraphicsCards, 44, "显卡", "Quadro FX 4500", 2635},
    {"memory", kMemoryTypes, 6, "内存", "RAMBUS RDRAM", 46.5},
    {"drives", kDrives, 6, "无", "DVDRW", 120},
};

struct DeviceRow { const char* name; const CountedDevice& devices; int lastCount; const char* watts; };
const DeviceRow kDevices[] = {
    {"fans", kCaseFans, 12, "36"}, {"case lights", kCaseLights, 12, "60"}, {"card readers", kCardReaders, 4, "40"},
    {"floppy / ZIP", kFloppyDrives, 4, "32"}, {"hard disks", kHardDisks, 12, "300"}, {"other PCI", kOtherPciCards, 7, "35"},
    {"USB", kUsbDevices, 12, "60"}, {"FireWire", kFirewireDevices, 12, "96"},
};

struct ProductRowCase { const char* name; const ProductRow& row; const char *model, *count, *percentage, *unit, *watts, *overclock; };
const ProductRowCase kProductRows[] = {
    {"2 FX55 at 15 %", kProcessorRow, "Athlon 64 FX55", "2", "15", "104", "208", "31.2"},
    {"8 Opterons at 100 %", kProcessorRow, "Opteron", "8", "100", "85", "680", "680"},
    {"3 DDR2 modules at 33 %", kMemoryRow, "DDR2 SDRAM", "3", "33", "7.5", "22.5", "7.425"},
    {"2 X1900 cards at 25 %", kGraphicsRow, "Radeon X1900 Series", "2", "25", "115", "230", "57.5"},
    {"2 FX 5200 cards at 12 %", kGraphicsRow, "GeForce FX 5200-5700", "2", "12", "41", "82", "9.84"},
    {"no count, no watts", kGraphicsRow, "Quadro FX 4500", "0", "100", "105", "0", "0"},
};
// clang-format on

} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT
private slots:
    void tablesMatchTheirChecksums_data() { addTableRows(kChecksums); }
    void tablesMatchTheirChecksums()
    {
        const Checksum& sum = currentRow(kChecksums);
        QCOMPARE(sum.table.size(), sum.size);
        QCOMPARE(text(sum.table.front().item), sum.first);
        QCOMPARE(text(sum.table.back().item), sum.last);
        double watts = 0;
        for (const CatalogueEntry& entry : sum.table)
            watts += parseNumber(entry.watts);
        QCOMPARE(watts, sum.watts);
    }

    void listsHoldTheirItems()
    {
        QCOMPARE(joined(kProcessorCounts), "0 1 2 4 8");
        QCOMPARE(joined(kMemoryModuleCounts), "0 1 2 3 4 5 6 7 8");
        QCOMPARE(joined(kGraphicsCardCounts), "0 1 2 4");
        QCOMPARE(joined(numberedItems(kLastOverclockPercentage)).size(), 293); // "0 1 ... 100"
        QCOMPARE(joined(driveItems(kDriveBay2)),
                 "可选件 #2 无 CD-ROM DVD-ROM CDRW DVD / CDRW DVDRW");
    }

    void countedDevicesAtTheirLastCount_data() { addTableRows(kDevices); }
    void countedDevicesAtTheirLastCount()
    {
        const DeviceRow& row = currentRow(kDevices);
        QCOMPARE(row.devices.lastCount, row.lastCount);
        Sheet sheet;
        writeDeviceCount(sheet, row.devices, std::to_string(row.lastCount));
        QCOMPARE(text(sheet.text(row.devices.slot)), row.watts);
    }

    // The percentage picked last gives the same text as the model picked last; a text that
    // names no model leaves the unit watts as they were.
    void productRows_data() { addTableRows(kProductRows); }
    void productRows()
    {
        const ProductRowCase& c = currentRow(kProductRows);
        Sheet sheet;
        chooseCount(sheet, c.row, c.count, "0");
        chooseModel(sheet, c.row, c.model, "0");
        applyOverclock(sheet, c.row, c.percentage);
        QCOMPARE(text(sheet.text(c.row.overclockWatts)), c.overclock);
        chooseModel(sheet, c.row, c.model, c.percentage);
        chooseModel(sheet, c.row, QString(c.model).toUpper().toStdString(),
                    c.percentage); // no such model
        QCOMPARE(text(sheet.text(c.row.unitWatts)), c.unit);
        QCOMPARE(text(sheet.text(c.row.watts)), c.watts);
        QCOMPARE(text(sheet.text(c.row.overclockWatts)), c.overclock);
    }
};

QTEST_APPLESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
