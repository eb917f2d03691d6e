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

// The summed slots in the exact order they are added (the order matters for rounding).
inline constexpr std::array<Slot, 23> kSummationOrder{
    Slot::RamOverclockWatts, Slot::GpuOverclockWatts, Slot::CpuWatts,         Slot::RamWatts,
    Slot::CpuOverclockWatts, Slot::WaterCoolerWatts,  Slot::GpuWatts,         Slot::Optical2Watts,
    Slot::Optical1Watts,     Slot::ModemWatts,        Slot::NetworkCardWatts, Slot::SoundCardWatts,
    Slot::FrontAudioWatts,   Slot::ScsiCardWatts,     Slot::TvTunerWatts,     Slot::OtherPciWatts,
    Slot::FanWatts,          Slot::CaseLightWatts,    Slot::CardReaderWatts,  Slot::FloppyWatts,
    Slot::HardDiskWatts,     Slot::UsbWatts,          Slot::FirewireWatts,
};

enum class LoadBand : std::uint8_t { White, Cyan, Green, Yellow, Orange, Red };

struct Rgb {
    std::uint8_t red, green, blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

Rgb bandColour(LoadBand band);
LoadBand loadBandFor(double watts);

struct Estimate {
    std::string caption;      // what the big digits and their shadow show
    LoadBand band;            // colour of the load bar
    bool dualRailRecommended; // graphics load (overclock included) reaches the threshold
};

// Reads the summed slots and the two bus switches, writes GpuTotalWatts into the sheet and
// returns everything the estimate display shows. The caption is the working value: it is
// written and read back in the text form between steps, as the display would hold it.
Estimate recalculate(Sheet& sheet, bool usbSwitchTicked, bool firewireSwitchTicked);

} // namespace ampora
