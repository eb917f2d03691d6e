// The estimate explained: what Recalculate adds up, group by group, in the window's own words.
#pragma once

#include "core/Sheet.h"

#include <string>
#include <string_view>

namespace ampora {

// For example "处理器 208 + 内存 15 + 基础 35 = 258 瓦": groups that add nothing are left out,
// and "(取整)" follows an estimate whose fraction was dropped. caption is what Recalculate
// gave for the same sheet and switches; the breakdown never computes an estimate of its own.
std::string explainEstimate(const Sheet& sheet, bool usbSwitchTicked, bool firewireSwitchTicked,
                            std::string_view caption);

} // namespace ampora
