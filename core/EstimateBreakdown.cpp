#include "core/EstimateBreakdown.h"

#include "core/NumberText.h"
#include "core/Recalculate.h"

#include <iterator>
#include <utility>

namespace ampora {

namespace {

using G = EstimateGroup;

// clang-format off
constexpr std::pair<Slot, EstimateGroup> kGroupOfSlot[] = {
    {Slot::CpuWatts, G::Processor}, {Slot::CpuOverclockWatts, G::Processor},
    {Slot::RamWatts, G::Memory}, {Slot::RamOverclockWatts, G::Memory},
    {Slot::GpuWatts, G::Graphics}, {Slot::GpuOverclockWatts, G::Graphics},
    {Slot::Optical1Watts, G::Drives}, {Slot::Optical2Watts, G::Drives},
    {Slot::ModemWatts, G::AddInCards}, {Slot::NetworkCardWatts, G::AddInCards},
    {Slot::SoundCardWatts, G::AddInCards}, {Slot::FrontAudioWatts, G::AddInCards},
    {Slot::ScsiCardWatts, G::AddInCards}, {Slot::TvTunerWatts, G::AddInCards},
    {Slot::WaterCoolerWatts, G::AddInCards},
    {Slot::OtherPciWatts, G::Devices}, {Slot::FanWatts, G::Devices}, {Slot::CaseLightWatts, G::Devices},
    {Slot::CardReaderWatts, G::Devices}, {Slot::FloppyWatts, G::Devices}, {Slot::HardDiskWatts, G::Devices},
    {Slot::UsbWatts, G::Usb}, {Slot::FirewireWatts, G::Firewire},
};
// clang-format on
static_assert(std::size(kGroupOfSlot) == kSummationOrder.size(), "every summed slot in a group");

} // namespace

EstimateBreakdown breakDownEstimate(const Sheet& sheet, bool usbSwitchTicked,
                                    bool firewireSwitchTicked, std::string_view caption)
{
    EstimateBreakdown breakdown;
    auto& watts = breakdown.watts;
    // Most slots hold "0": skipping them saves a third of the time, which every pick pays.
    for (const auto& [slot, group] : kGroupOfSlot)
        if (sheet.text(slot) != "0")
            watts[std::size_t(group)] += sheet.value(slot);
    watts[std::size_t(G::Usb)] += usbSwitchTicked ? kUsbAllowanceWatts : 0;
    watts[std::size_t(G::Firewire)] += firewireSwitchTicked ? kFirewireAllowanceWatts : 0;
    watts[std::size_t(G::Base)] = kBaseAllowanceWatts;
    double total = 0;
    for (double groupWatts : watts)
        total += groupWatts;
    breakdown.fractionDropped = formatNumber(total) != caption;
    return breakdown;
}

} // namespace ampora
