#include "core/Sheet.h"

#include "core/TextForm.h"

namespace ampora {

namespace {

constexpr std::array<SlotInfo, kSlotCount> kSlots{{
    {Slot::CpuUnitWatts, "CpuUnitWatts", "CPU", false},
    {Slot::CpuCount, "CpuCount", "Text2", false},
    {Slot::CpuWatts, "CpuWatts", "Text18", true},
    {Slot::CpuOverclockWatts, "CpuOverclockWatts", "Text3", true},
    {Slot::RamUnitWatts, "RamUnitWatts", "Text4", false},
    {Slot::RamCount, "RamCount", "Text14", false},
    {Slot::RamWatts, "RamWatts", "Text19", true},
    {Slot::RamOverclockWatts, "RamOverclockWatts", "Text6b", true},
    {Slot::GpuUnitWatts, "GpuUnitWatts", "Text5", false},
    {Slot::GpuCount, "GpuCount", "Text15", false},
    {Slot::GpuWatts, "GpuWatts", "Text20", true},
    {Slot::GpuOverclockWatts, "GpuOverclockWatts", "Text7b", true},
    {Slot::GpuTotalWatts, "GpuTotalWatts", "Text6ax", false},
    {Slot::Optical1Watts, "Optical1Watts", "Text22", true},
    {Slot::Optical2Watts, "Optical2Watts", "Text21", true},
    {Slot::ModemWatts, "ModemWatts", "Text8", true},
    {Slot::NetworkCardWatts, "NetworkCardWatts", "Text12", true},
    {Slot::SoundCardWatts, "SoundCardWatts", "Text11", true},
    {Slot::FrontAudioWatts, "FrontAudioWatts", "Text9", true},
    {Slot::ScsiCardWatts, "ScsiCardWatts", "Text10", true},
    {Slot::TvTunerWatts, "TvTunerWatts", "Text27", true},
    {Slot::WaterCoolerWatts, "WaterCoolerWatts", "Text29", true},
    {Slot::OtherPciWatts, "OtherPciWatts", "Text1", true},
    {Slot::FanWatts, "FanWatts", "Text23", true},
    {Slot::CaseLightWatts, "CaseLightWatts", "Text24", true},
    {Slot::CardReaderWatts, "CardReaderWatts", "Text26", true},
    {Slot::FloppyWatts, "FloppyWatts", "Text25", true},
    {Slot::HardDiskWatts, "HardDiskWatts", "Text28", true},
    {Slot::UsbWatts, "UsbWatts", "usb", true},
    {Slot::FirewireWatts, "FirewireWatts", "firewire", true},
}};

} // namespace

const std::array<SlotInfo, kSlotCount>& allSlots() { return kSlots; }

const SlotInfo& slotInfo(Slot slot) { return kSlots[static_cast<std::size_t>(slot)]; }

std::optional<Slot> slotByRole(std::string_view role)
{
    for (const auto& info : kSlots)
        if (info.role == role)
            return info.slot;
    return std::nullopt;
}

std::optional<Slot> slotByField(std::string_view field)
{
    for (const auto& info : kSlots)
        if (info.field == field)
            return info.slot;
    return std::nullopt;
}

Sheet::Sheet() { texts_.fill("0"); }

double Sheet::value(Slot slot) const { return parseNumber(text(slot)); }

void Sheet::write(Slot slot, double value)
{
    char buffer[kTextFormCapacity];
    texts_[index(slot)].assign(buffer, formatNumber(value, buffer));
}

void Sheet::writeLiteral(Slot slot, std::string_view text) { texts_[index(slot)].assign(text); }

} // namespace ampora
