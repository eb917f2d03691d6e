// The add-in card tick boxes: each box owns one slot and puts its card's fixed watts there
// while ticked.
#pragma once

#include "core/Sheet.h"

#include <array>
#include <string_view>

namespace ampora {

struct AddInCard {
    std::string_view box; // tick box name, e.g. "Check3"
    Slot slot;
    std::string_view tickedWatts;
};

// Top to bottom as the window shows them, which is also their keyboard order.
inline constexpr std::array<AddInCard, 7> kAddInCards{{
    {"Check1", Slot::ModemWatts, "4"},
    {"Check2", Slot::NetworkCardWatts, "4"},
    {"Check3", Slot::SoundCardWatts, "7"},
    {"Check4", Slot::FrontAudioWatts, "11"},
    {"Check5", Slot::ScsiCardWatts, "25"},
    {"Check8", Slot::TvTunerWatts, "7"},
    {"Check7", Slot::WaterCoolerWatts, "20"},
}};

const AddInCard* addInCardFor(std::string_view box);

// Writes the card's watts for the box's new state.
void applyAddInCard(Sheet& sheet, const AddInCard& card, bool ticked);

} // namespace ampora
