#include "catalogue/ProductRow.h"

#include "catalogue/Graphics.h"
#include "catalogue/Memory.h"
#include "catalogue/Processors.h"
#include "core/NumberText.h"

namespace ampora {

const ProductRow kProcessorRow{kProcessors,    kProcessorCounts, Slot::CpuUnitWatts,
                               Slot::CpuCount, Slot::CpuWatts,   Slot::CpuOverclockWatts};
const ProductRow kMemoryRow{kMemoryTypes,   kMemoryModuleCounts, Slot::RamUnitWatts,
                            Slot::RamCount, Slot::RamWatts,      Slot::RamOverclockWatts};
const ProductRow kGraphicsRow{kGraphicsCards, kGraphicsCardCounts, Slot::GpuUnitWatts,
                              Slot::GpuCount, Slot::GpuWatts,      Slot::GpuOverclockWatts};

namespace {

// Row watts = unit watts x count, then the overclock watts from them.
void updateRowTotals(Sheet& sheet, const ProductRow& row, std::string_view percentage)
{
    sheet.write(row.watts, sheet.value(row.unitWatts) * sheet.value(row.count));
    applyOverclock(sheet, row, percentage);
}

} // namespace

void chooseModel(Sheet& sheet, const ProductRow& row, std::string_view model,
                 std::string_view percentage)
{
    if (const auto watts = lookUpWatts(row.models, model))
        sheet.writeLiteral(row.unitWatts, *watts);
    updateRowTotals(sheet, row, percentage);
}

void chooseCount(Sheet& sheet, const ProductRow& row, std::string_view count,
                 std::string_view percentage)
{
    sheet.writeLiteral(row.count, count);
    updateRowTotals(sheet, row, percentage);
}

void applyOverclock(Sheet& sheet, const ProductRow& row, std::string_view percentage)
{
    // Multiply first, divide second: the order fixes the last bit of fractions like 7.425.
    sheet.write(row.overclockWatts, sheet.value(row.watts) * parseNumber(percentage) / 100.0);
}

} // namespace ampora
