// The estimate in words: its breakdown, as the digits' tool tip and screen readers give it, and
// the estimate as a screen reader speaks it.
#pragma once

#include "core/EstimateBreakdown.h"

#include <string>
#include <string_view>

namespace ampora::ui {

// For example "处理器 208 + 内存 15 + 基础 35 = 258 瓦": groups that add nothing are left out,
// and "(取整)" follows an estimate whose fraction was dropped; an empty machine reads
// "未选部件：0 瓦". caption is the estimate the window shows.
std::string estimateText(const EstimateBreakdown& breakdown, std::string_view caption);

// The estimate with its unit, "243 瓦", and as a whole, "估计功率 243 瓦".
std::string estimateInWatts(std::string_view caption);
std::string spokenEstimate(std::string_view caption);

} // namespace ampora::ui
