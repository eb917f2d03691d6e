// The power budget sheet: thirty named watt and count slots, each held as text (core/NumberText.h).
// It is the program's whole data model; selector and tick-box handlers write it, Recalculate reads
// it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ampora {

enum class Slot : std::uint8_t {
    CpuUnitWatts,
    CpuCount,
    CpuWatts,
    CpuOverclockWatts,
    RamUnitWatts,
    RamCount,
    RamWatts,
    RamOverclockWatts,
    GpuUnitWatts,
    GpuCount,
    GpuWatts,
    GpuOverclockWatts,
    GpuTotalWatts,
    Optical1Watts,
    Optical2Watts,
    ModemWatts,
    NetworkCardWatts,
    SoundCardWatts,
    FrontAudioWatts,
    ScsiCardWatts,
    TvTunerWatts,
    WaterCoolerWatts,
    OtherPciWatts,
    FanWatts,
    CaseLightWatts,
    CardReaderWatts,
    FloppyWatts,
    HardDiskWatts,
    UsbWatts,
    FirewireWatts,
};

inline constexpr std::size_t kSlotCount = static_cast<std::size_t>(Slot::FirewireWatts) + 1;

class Sheet {
public:
    Sheet();

    std::string_view text(Slot slot) const { return texts_[index(slot)]; }
    double value(Slot slot) const;

    // Replaces the whole text with value written as number text.
    void write(Slot slot, double value);
    // Replaces the whole text with a literal taken from a table or a count item.
    void writeLiteral(Slot slot, std::string_view text);

private:
    static std::size_t index(Slot slot) { return static_cast<std::size_t>(slot); }

    std::array<std::string, kSlotCount> texts_;
};

} // namespace ampora
