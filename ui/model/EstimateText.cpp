#include "ui/model/EstimateText.h"

#include "core/NumberText.h"

#include <string>

namespace ampora::ui {

namespace {

// Named as the window names them, in the order of EstimateGroup.
constexpr std::string_view kGroupNames[kEstimateGroups] = {
    "处理器", "内存", "显卡", "可选件", "集成或增加设备", "设备", "USB", "火线", "基础"};

} // namespace

std::string estimateText(const EstimateBreakdown& breakdown, std::string_view caption)
{
    // An empty machine shows 0 rather than the base allowance alone.
    if (caption == "0")
        return "未选部件：0 瓦";
    std::string text;
    text.reserve(160); // room for every group at once: one allocation
    for (std::size_t group = 0; group < kEstimateGroups; ++group) {
        if (breakdown.watts[group] == 0)
            continue;
        text.append(text.empty() ? "" : " + ").append(kGroupNames[group]).append(" ");
        text += formatNumber(breakdown.watts[group]);
    }
    text.append(" = ").append(caption).append(" 瓦");
    if (breakdown.fractionDropped)
        text += " (取整)";
    return text;
}

std::string estimateInWatts(std::string_view caption) { return std::string(caption) + " 瓦"; }

std::string spokenEstimate(std::string_view caption)
{
    return "估计功率 " + estimateInWatts(caption);
}

} // namespace ampora::ui
