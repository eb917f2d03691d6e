// The estimate explained: what Recalculate adds up, group by group. The window words it.
#pragma once

#include "core/Sheet.h"

#include <array>
#include <string_view>

namespace ampora {

// The groups in the order the window lists them; the counted devices share no heading there.
enum class EstimateGroup {
    Processor,
    Memory,
    Graphics,
    Drives,
    AddInCards,
    Devices,
    Usb,
    Firewire,
    Base,
};
inline constexpr std::size_t kEstimateGroups = 9;

struct EstimateBreakdown {
    std::array<double, kEstimateGroups> watts{}; // by group; 0 for a group that adds nothing
    bool fractionDropped = false; // the estimate is the sum with its fraction dropped
};

// caption is what Recalculate gave for the same sheet and switches: the breakdown never
// computes an estimate of its own.
EstimateBreakdown breakDownEstimate(const Sheet& sheet, bool usbSwitchTicked,
                                    bool firewireSwitchTicked, std::string_view caption);

} // namespace ampora
