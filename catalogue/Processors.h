// Processor models with the watts of one processor, and the processor count items.
#pragma once

#include "catalogue/CatalogueTable.h"

#include <array>

namespace ampora {

extern const std::array<CatalogueEntry, 51> kProcessors;
inline constexpr std::array<std::string_view, 5> kProcessorCounts{"0", "1", "2", "4", "8"};

} // namespace ampora
