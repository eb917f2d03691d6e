// Graphics card models with the watts of one card, and the card count items.
#pragma once

#include "catalogue/CatalogueTable.h"

#include <array>

namespace ampora {

extern const std::array<CatalogueEntry, 44> kGraphicsCards;
inline constexpr std::array<std::string_view, 4> kGraphicsCardCounts{"0", "1", "2", "4"};

} // namespace ampora
