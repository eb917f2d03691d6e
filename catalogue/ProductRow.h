// The processor, memory and graphics rows share one shape: a model selector, a count selector
// and an overclock percentage, turned into unit watts, row watts and row overclock watts.
#pragma once

#include "catalogue/CatalogueTable.h"
#include "core/Sheet.h"

#include <span>
#include <string_view>

namespace ampora {

// The overclock percentages run from "0" to this.
inline constexpr int kLastOverclockPercentage = 100;

struct ProductRow {
    CatalogueTable models;
    std::span<const std::string_view> counts; // the count selector's items
    Slot unitWatts;
    Slot count;
    Slot watts;
    Slot overclockWatts;
};

extern const ProductRow kProcessorRow;
extern const ProductRow kMemoryRow;
extern const ProductRow kGraphicsRow;

// A model was picked: its unit watts (if the text names a model), then the row totals.
void chooseModel(Sheet& sheet, const ProductRow& row, std::string_view model,
                 std::string_view percentage);
// A count was picked: the count item's text, then the row totals.
void chooseCount(Sheet& sheet, const ProductRow& row, std::string_view count,
                 std::string_view percentage);
// Overclock watts = row watts x percentage / 100, unrounded.
void applyOverclock(Sheet& sheet, const ProductRow& row, std::string_view percentage);

} // namespace ampora
