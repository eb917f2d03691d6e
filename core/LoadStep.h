// The order in which the load step brings every selector to its first item. The overclock
// percentages come first so that every catalogue handler after them finds a percentage of 0.
#pragma once

#include <array>
#include <string_view>

namespace ampora {

inline constexpr std::array<std::string_view, 19> kLoadOrder{
    "Combo120", "Combo170", "Combooc", "Combo1", "Combo5",  "Combo6", "Combo8",
    "Combo11",  "Combo15",  "Combo16", "Combo9", "Combo10", "Combo3", "Combo13",
    "Combo14",  "Combo2",   "Combo4",  "Combo7", "Combo18",
};

} // namespace ampora
