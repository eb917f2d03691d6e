// The power budget sheet: thirty named watt and count slots, each held as text in the text form.
// It is the program's whole data model; selector and tick-box handlers write it, Recalculate reads
// it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
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

inline constexpr std::size_t kSlotCount = 30;

struct SlotInfo {
    Slot slot;
    std::string_view role;  // name used throughout the code, e.g. "CpuWatts"
    std::string_view field; // name of the window field that holds it, e.g. "Text18"
    bool summed;            // whether Recalculate adds it into the estimate
};

// Every slot in declaration order.
const std::array<SlotInfo, kSlotCount>& allSlots();
const SlotInfo& slotInfo(Slot slot);
std::optional<Slot> slotByRole(std::string_view role);
std::optional<Slot> slotByField(std::string_view field);

class Sheet {
public:
    Sheet();

    std::string_view text(Slot slot) const { return texts_[index(slot)]; }
    double value(Slot slot) const;

    // Replaces the whole text with the text form of value.
    void write(Slot slot, double value);
    // Replaces the whole text with a literal taken from a table or a count item.
    void writeLiteral(Slot slot, std::string_view text);

private:
    static std::size_t index(Slot slot) { return static_cast<std::size_t>(slot); }

    std::array<std::string, kSlotCount> texts_;
};

} // namespace ampora
