// Numbers as slot text, and Recalculate, without any window.
#include "core/EstimateBreakdown.h"
#include "core/NumberText.h"
#include "core/Recalculate.h"

#include "tests/TableRows.h"

#include <utility>
#include <vector>

using namespace ampora;

namespace {

struct NumberTextRow {
    const char* name;
    double value;
    const char* text;
};

// clang-format off
const NumberTextRow kNumberTexts[] = {
    {"zero", -0.0, "0"}, {"whole numbers have no point", 243, "243"},
    {"0.1 + 0.2 is 0.3", 0.1 + 0.2, "0.3"},
    {"a third keeps fifteen digits", 1.0 / 3, "0.333333333333333"},
    {"two thirds round up", 2.0 / 3, "0.666666666666667"},
    {"tiny values need no exponent", 1.5e-7, "0.00000015"},
    {"huge values need no exponent", 1.25e20, "125000000000000000000"},
    {"digits past fifteen round off", 123456789.123456789, "123456789.123457"},
    {"rounding carries into a new digit", 999.99999999999999, "1000"},
    {"negative values keep their sign", -31.2, "-31.2"},
};
// clang-format on

struct RecalculationRow {
    const char* name;
    std::vector<std::pair<Slot, double>> written;
    bool usb, firewire;
    const char* caption;
    Rgb loadBar;
    bool recommended;
    const char* breakdown = nullptr; // its groups' watts, "~" when the estimate drops a fraction
};

constexpr Rgb kWhite{255, 255, 255}, kCyan{0, 255, 255}, kGreen{0, 255, 0};
constexpr Rgb kYellow{255, 255, 0}, kOrange{255, 128, 0}, kRed{255, 0, 0};

// clang-format off
const RecalculationRow kRecalculations[] = {
    {"an empty machine shows 0", {}, false, false, "0", kWhite, false},
    {"both bus allowances", {}, true, true, "65", kWhite, false, "usb 10 firewire 20 base 35"},
    {"half a watt floors back to 0", {{Slot::CpuOverclockWatts, 0.5}}, false, false, "0", kWhite, false},
    {"299.9 is never rounded up", {{Slot::HardDiskWatts, 264.9}}, false, false, "299", kCyan, false, "devices 264.9 base 35 ~"},
    {"199 is white", {{Slot::FanWatts, 164}}, false, false, "199", kWhite, false},
    {"200 is cyan", {{Slot::FanWatts, 165}}, false, false, "200", kCyan, false},
    {"300 is green", {{Slot::FanWatts, 265}}, false, false, "300", kGreen, false},
    {"400 is yellow", {{Slot::FanWatts, 365}}, false, false, "400", kYellow, false},
    {"599 is orange", {{Slot::FanWatts, 564}}, false, false, "599", kOrange, false},
    {"600 is red", {{Slot::FanWatts, 565}}, false, false, "600", kRed, false},
    {"74 graphics watts recommend nothing", {{Slot::GpuWatts, 60}, {Slot::GpuOverclockWatts, 14}},
     false, false, "109", kWhite, false, "gpu 74 base 35"},
    {"75 graphics watts recommend dual rails", {{Slot::GpuWatts, 60}, {Slot::GpuOverclockWatts, 15}},
     false, false, "110", kWhite, true},
    {"units, counts and the graphics total never enter the sum",
     {{Slot::CpuUnitWatts, 99}, {Slot::CpuCount, 2}, {Slot::RamUnitWatts, 99}, {Slot::RamCount, 2},
      {Slot::GpuUnitWatts, 99}, {Slot::GpuCount, 2}, {Slot::GpuTotalWatts, 99}},
     false, false, "0", kWhite, false},
};
// clang-format on

// A breakdown as the rows write it: each group that adds something, with its watts.
QString terms(const EstimateBreakdown& breakdown)
{
    constexpr const char* names[] = {"cpu",     "ram", "gpu",      "drives", "cards",
                                     "devices", "usb", "firewire", "base"};
    static_assert(std::size(names) == kEstimateGroups);
    QStringList terms;
    for (std::size_t group = 0; group < kEstimateGroups; ++group)
        if (breakdown.watts[group] != 0)
            terms << QString("%1 %2").arg(names[group]).arg(breakdown.watts[group]);
    return terms.join(' ') + (breakdown.fractionDropped ? " ~" : "");
}

} // namespace

class CoreTest : public QObject {
    Q_OBJECT
private slots:
    void numberTextHasFifteenPlainDigits_data() { addTableRows(kNumberTexts); }
    void numberTextHasFifteenPlainDigits()
    {
        const NumberTextRow& row = currentRow(kNumberTexts);
        QCOMPARE(QString::fromStdString(formatNumber(row.value)), row.text);
        QCOMPARE(formatNumber(parseNumber(row.text)), row.text); // reads back as written
    }

    void recalculation_data() { addTableRows(kRecalculations); }
    void recalculation()
    {
        const RecalculationRow& expected = currentRow(kRecalculations);
        Sheet sheet;
        for (const auto& [slot, watts] : expected.written)
            sheet.write(slot, watts);
        const Estimate estimate = recalculate(sheet, expected.usb, expected.firewire);
        QCOMPARE(text(estimate.caption), expected.caption);
        QVERIFY(estimate.loadBar == expected.loadBar);
        QCOMPARE(estimate.dualRailRecommended, expected.recommended);
        QCOMPARE(sheet.value(Slot::GpuTotalWatts),
                 sheet.value(Slot::GpuWatts) + sheet.value(Slot::GpuOverclockWatts));
        if (expected.breakdown) // the account of the sum, not a sum of its own
            QCOMPARE(
                terms(breakDownEstimate(sheet, expected.usb, expected.firewire, estimate.caption)),
                expected.breakdown);
    }
};

QTEST_APPLESS_MAIN(CoreTest)
#include "tst_core.moc"
