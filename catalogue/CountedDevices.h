// Devices chosen by count (fans, case lights, card readers, floppy/ZIP drives, hard disks,
// other PCI cards, USB and FireWire devices), each drawing fixed watts per device, and the
// two bus groups whose switch unlocks a device count.
#pragma once

#include "core/Sheet.h"

#include <array>
#include <string_view>

namespace ampora {

struct CountedDevice {
    std::string_view selector;
    int lastCount; // the selector lists "0" to this count
    Slot slot;
    double wattsPerDevice;
};

inline constexpr std::array<CountedDevice, 8> kCountedDevices{{
    {"Combo9", 12, Slot::FanWatts, 3},
    {"Combo10", 12, Slot::CaseLightWatts, 5},
    {"Combo13", 4, Slot::CardReaderWatts, 10},
    {"Combo14", 4, Slot::FloppyWatts, 8},
    {"Combo3", 12, Slot::HardDiskWatts, 25},
    {"Combo18", 7, Slot::OtherPciWatts, 5},
    {"Combo15", 12, Slot::UsbWatts, 5},
    {"Combo16", 12, Slot::FirewireWatts, 8},
}};

const CountedDevice* countedDeviceFor(std::string_view selector);

// Slot = count x watts per device.
void writeDeviceCount(Sheet& sheet, const CountedDevice& device, std::string_view count);

struct BusGroup {
    std::string_view switchBox;
    std::string_view countSelector; // disabled and at "0" while the switch is clear
};

inline constexpr BusGroup kUsbGroup{"Check6", "Combo15"};
inline constexpr BusGroup kFirewireGroup{"Check9", "Combo16"};

} // namespace ampora
