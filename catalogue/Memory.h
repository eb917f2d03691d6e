// Memory types with the watts of one module, and the module count items.
#pragma once

#include "catalogue/CatalogueTable.h"

#include <array>

namespace ampora {

// Entry 0 is the selector's heading; it counts as no memory.
inline constexpr std::array<CatalogueEntry, 6> kMemoryTypes{{
    {"内存", "0"},
    {"PC66/100 SDRAM", "7"},
    {"PC133/166 SDRAM", "12"},
    {"DDR SDRAM", "10"},
    {"DDR2 SDRAM", "7.5"},
    {"RAMBUS RDRAM", "10"},
}};

inline constexpr std::array<std::string_view, 9> kMemoryModuleCounts{"0", "1", "2", "3", "4",
                                                                     "5", "6", "7", "8"};

} // namespace ampora
