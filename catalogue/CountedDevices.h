// Devices chosen by count (fans, case lights, card readers, floppy/ZIP drives, hard disks,
// other PCI cards, USB and FireWire devices), each drawing fixed watts per device. The USB and
// FireWire counts are unlocked by their bus switch and stand at "0" while it is clear.
#pragma once

#include "core/Sheet.h"

#include <string_view>

namespace ampora {

struct CountedDevice {
    int lastCount; // the selector lists "0" to this count
    Slot slot;
    double wattsPerDevice;
};

inline constexpr CountedDevice kCaseFans{12, Slot::FanWatts, 3};
inline constexpr CountedDevice kCaseLights{12, Slot::CaseLightWatts, 5};
inline constexpr CountedDevice kCardReaders{4, Slot::CardReaderWatts, 10};
inline constexpr CountedDevice kFloppyDrives{4, Slot::FloppyWatts, 8};
inline constexpr CountedDevice kHardDisks{12, Slot::HardDiskWatts, 25};
inline constexpr CountedDevice kOtherPciCards{7, Slot::OtherPciWatts, 5};
inline constexpr CountedDevice kUsbDevices{12, Slot::UsbWatts, 5};
inline constexpr CountedDevice kFirewireDevices{12, Slot::FirewireWatts, 8};

// Slot = count x watts per device.
void writeDeviceCount(Sheet& sheet, const CountedDevice& devices, std::string_view count);

} // namespace ampora
