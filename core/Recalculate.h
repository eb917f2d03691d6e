// Recalculate: turns the sheet into the estimate the window shows (big digits, shadow copy,
// load colour bar and the dual +12 V recommendation).
#pragma once

#include "core/Sheet.h"

#include <array>
#include <cstdint>
#include <string>

namespace ampora {

inline constexpr double kBaseAllowanceWatts = 35;
inline constexpr double kUsbAllowanceWatts = 10;
inline constexpr double kFirewireAllowanceWatts = 20;
inline constexpr double kRecommendationThresholdWatts = 75;

// The summed slots in the exact order they are added (the order matters for rounding). Every
// other slot is an input of a product or the graphics total, and never enters the sum.
inline constexpr std::array<Slot, 23> kSummationOrder{
    Slot::RamOverclockWatts, Slot::GpuOverclockWatts, Slot::CpuWatts,         Slot::RamWatts,
    Slot::CpuOverclockWatts, Slot::WaterCoolerWatts,  Slot::GpuWatts,         Slot::Optical2Watts,
    Slot::Optical1Watts,     Slot::ModemWatts,        Slot::NetworkCardWatts, Slot::SoundCardWatts,
    Slot::FrontAudioWatts,   Slot::ScsiCardWatts,     Slot::TvTunerWatts,     Slot::OtherPciWatts,
    Slot::FanWatts,          Slot::CaseLightWatts,    Slot::CardReaderWatts,  Slot::FloppyWatts,
    Slot::HardDiskWatts,     Slot::UsbWatts,          Slot::FirewireWatts,
};

struct Rgb {
    std::uint8_t red, green, blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The load bar takes the colour of the highest band whose lower limit the estimate reaches.
struct LoadBand {
    double fromWatts;
    Rgb colour;
};

inline constexpr std::array<LoadBand, 6> kLoadBands{{
    {0, {255, 255, 255}},
    {200, {0, 255, 255}},
    {300, {0, 255, 0}},
    {400, {255, 255, 0}},
    {500, {255, 128, 0}},
    {600, {255, 0, 0}},
}};

Rgb loadBarColour(double watts);

struct Estimate {
    std::string caption;      // what the big digits and their shadow show
    Rgb loadBar;              // colour of the load bar
    bool dualRailRecommended; // graphics load (overclock included) reaches the threshold
};

// Reads the summed slots and the two bus switches, writes GpuTotalWatts into the sheet and
// returns everything the estimate display shows. The caption is the working value: it is
// written and read back as number text between steps, as the display would hold it.
Estimate recalculate(Sheet& sheet, bool usbSwitchTicked, bool firewireSwitchTicked);

} // namespace ampora
