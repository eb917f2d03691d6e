#include "core/EstimateBreakdown.h"

#include "core/Recalculate.h"
#include "core/TextForm.h"

#include <iterator>
#include <utility>

namespace ampora {

namespace {

// clang-format off
enum Group { Processor, Memory, Graphics, Drives, AddInCards, Devices, Usb, Firewire, Base, Groups };

// Named as the window names them; the counted devices share no heading there.
constexpr std::string_view kGroupNames[Groups] = {
    "处理器", "内存", "显卡", "可选件", "集成或增加设备", "设备", "USB", "火线", "基础"};

constexpr std::pair<Slot, Group> kGroupOfSlot[] = {
    {Slot::CpuWatts, Processor}, {Slot::CpuOverclockWatts, Processor},
    {Slot::RamWatts, Memory}, {Slot::RamOverclockWatts, Memory},
    {Slot::GpuWatts, Graphics}, {Slot::GpuOverclockWatts, Graphics},
    {Slot::Optical1Watts, Drives}, {Slot::Optical2Watts, Drives},
    {Slot::ModemWatts, AddInCards}, {Slot::NetworkCardWatts, AddInCards},
    {Slot::SoundCardWatts, AddInCards}, {Slot::FrontAudioWatts, AddInCards},
    {Slot::ScsiCardWatts, AddInCards}, {Slot::TvTunerWatts, AddInCards},
    {Slot::WaterCoolerWatts, AddInCards},
    {Slot::OtherPciWatts, Devices}, {Slot::FanWatts, Devices}, {Slot::CaseLightWatts, Devices},
    {Slot::CardReaderWatts, Devices}, {Slot::FloppyWatts, Devices}, {Slot::HardDiskWatts, Devices},
    {Slot::UsbWatts, Usb}, {Slot::FirewireWatts, Firewire},
};
// clang-format on
static_assert(std::size(kGroupOfSlot) == kSummationOrder.size(), "every summed slot in a group");

} // namespace

std::string explainEstimate(const Sheet& sheet, bool usbSwitchTicked, bool firewireSwitchTicked,
                            std::string_view caption)
{
    // An empty machine shows 0 rather than the base allowance alone.
    if (caption == "0")
        return "未选部件：0 瓦";
    double watts[Groups] = {};
    // Most slots hold "0": skipping them saves a third of the time, which every pick pays.
    for (const auto& [slot, group] : kGroupOfSlot)
        if (sheet.text(slot) != "0")
            watts[group] += sheet.value(slot);
    watts[Usb] += usbSwitchTicked ? kUsbAllowanceWatts : 0;
    watts[Firewire] += firewireSwitchTicked ? kFirewireAllowanceWatts : 0;
    watts[Base] = kBaseAllowanceWatts;

    std::string text;
    text.reserve(160); // room for every group at once: one allocation
    double total = 0;
    for (int group = 0; group < Groups; ++group) {
        if (watts[group] == 0)
            continue;
        text.append(text.empty() ? "" : " + ").append(kGroupNames[group]).append(" ");
        text += formatNumber(watts[group]);
        total += watts[group];
    }
    text.append(" = ").append(caption).append(" 瓦");
    if (formatNumber(total) != caption)
        text += " (取整)";
    return text;
}

} // namespace ampora
