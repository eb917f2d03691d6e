// The component tables and the row, drive, device and card arithmetic, on a bare sheet.
#include "catalogue/AddInCards.h"
#include "catalogue/CountedDevices.h"
#include "catalogue/Drives.h"
#include "catalogue/Graphics.h"
#include "catalogue/Memory.h"
#include "catalogue/Processors.h"
#include "catalogue/ProductRow.h"
#include "core/TextForm.h"
#include "tests/TableRows.h"

#include <numeric>

using namespace ampora;

namespace {

QString text(std::string_view view)
{
    return QString::fromUtf8(view.data(), qsizetype(view.size()));
}

// One checksum a table, worked out by hand; every other test relies on the tables through these.
struct Checksum {
    const char* name;
    std::vector<std::string> items;
    std::vector<double> watts;
    int size;
    const char *first, *last;
    double sum;
};

std::vector<double> wattsOf(CatalogueTable table)
{
    std::vector<double> watts;
    for (const CatalogueEntry& entry : table)
        watts.push_back(parseNumber(entry.watts));
    return watts;
}

std::vector<double> wattsOf(std::initializer_list<const AddInCard*> cards)
{
    std::vector<double> watts;
    for (const AddInCard* card : cards)
        watts.push_back(parseNumber(card->tickedWatts));
    return watts;
}

// clang-format off
const Checksum kChecksums[] = {
    {"processors", itemTexts(kProcessors), wattsOf(kProcessors), 51, "处理器", "Opteron", 3287},
    {"graphics cards", itemTexts(kGraphicsCards), wattsOf(kGraphicsCards), 44, "显卡", "Quadro FX 4500", 2635},
    {"memory", itemTexts(kMemoryTypes), wattsOf(kMemoryTypes), 6, "内存", "RAMBUS RDRAM", 46.5},
    {"drives", driveItems(kDriveBay1), wattsOf(kDrives), 7, "可选件 #1", "DVDRW", 120},
    {"add-in cards", {}, wattsOf({&kModem, &kNetworkCard, &kSoundCard, &kFrontAudioPanel, &kScsiCard, &kTvTuner, &kWaterCooler}), 7, "", "", 78},
    {"processor counts", {kProcessorCounts.begin(), kProcessorCounts.end()}, {}, 5, "0", "8", 0},
    {"memory counts", {kMemoryModuleCounts.begin(), kMemoryModuleCounts.end()}, {}, 9, "0", "8", 0},
    {"graphics counts", {kGraphicsCardCounts.begin(), kGraphicsCardCounts.end()}, {}, 4, "0", "4", 0},
    {"percentages", numberedItems(kLastOverclockPercentage), {}, 101, "0", "100", 0},
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
    {"1 Pentium at 7 %", kProcessorRow, "Pentium", "1", "7", "17", "17", "1.19"},
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
        const Checksum& table = currentRow(kChecksums);
        QCOMPARE(int(table.items.empty() ? table.watts.size() : table.items.size()), table.size);
        if (!table.items.empty()) {
            QCOMPARE(text(table.items.front()), table.first);
            QCOMPARE(text(table.items.back()), table.last);
        }
        QCOMPARE(std::accumulate(table.watts.begin(), table.watts.end(), 0.0), table.sum);
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

    // The percentage picked last gives the same text as the model picked last.
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
        QCOMPARE(text(sheet.text(c.row.unitWatts)), c.unit);
        QCOMPARE(text(sheet.text(c.row.watts)), c.watts);
        QCOMPARE(text(sheet.text(c.row.overclockWatts)), c.overclock);
    }

    void onlyExactTextsPick()
    {
        Sheet sheet;
        for (const char* model : {"Athlon 64 FX55", "athlon 64 FX55", "Athlon 64  FX55"})
            chooseModel(sheet, kProcessorRow, model, "0");
        QCOMPARE(text(sheet.text(Slot::CpuUnitWatts)), "104");
        chooseDrive(sheet, kDriveBay2, "DVD / CDRW");
        QCOMPARE(text(sheet.text(Slot::Optical2Watts)), "30");
        // A bay's heading empties it rather than keep a drive the selector no longer shows.
        chooseDrive(sheet, kDriveBay2, "可选件 #2");
        chooseDrive(sheet, kDriveBay2, "dvd / cdrw");
        QCOMPARE(text(sheet.text(Slot::Optical2Watts)), "0");
        for (bool ticked : {true, false})
            applyAddInCard(sheet, kScsiCard, ticked);
        QCOMPARE(text(sheet.text(Slot::ScsiCardWatts)), "0");
    }
};

QTEST_APPLESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
