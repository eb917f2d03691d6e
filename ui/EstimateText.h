// The estimate's breakdown in the window's words, as its tool tip and screen readers give it.
#pragma once

#include "core/EstimateBreakdown.h"

#include <QString>

namespace ampora::ui {

// For example "处理器 208 + 内存 15 + 基础 35 = 258 瓦": groups that add nothing are left out,
// and "(取整)" follows an estimate whose fraction was dropped; an empty machine reads
// "未选部件：0 瓦". caption is the estimate the window shows.
QString estimateText(const EstimateBreakdown& breakdown, std::string_view caption);

} // namespace ampora::ui
