// The add-in card tick boxes: each box owns one slot and puts its card's fixed watts there
// while ticked.
#pragma once

#include "core/Sheet.h"

#include <string_view>

namespace ampora {

struct AddInCard {
    Slot slot;
    std::string_view tickedWatts;
};

inline constexpr AddInCard kModem{Slot::ModemWatts, "4"};
inline constexpr AddInCard kNetworkCard{Slot::NetworkCardWatts, "4"};
inline constexpr AddInCard kSoundCard{Slot::SoundCardWatts, "7"};
inline constexpr AddInCard kFrontAudioPanel{Slot::FrontAudioWatts, "11"};
inline constexpr AddInCard kScsiCard{Slot::ScsiCardWatts, "25"};
inline constexpr AddInCard kTvTuner{Slot::TvTunerWatts, "7"};
inline constexpr AddInCard kWaterCooler{Slot::WaterCoolerWatts, "20"};

// Writes the card's watts for the box's new state.
void applyAddInCard(Sheet& sheet, const AddInCard& card, bool ticked);

} // namespace ampora
