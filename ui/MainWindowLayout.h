// The main window's controls, region by region, its lines and its keyboard order.
#pragma once

#include "ui/FormLayout.h"

#include <array>

namespace ampora::ui {

inline constexpr QSize kMainWindowSize{425, 544};

std::span<const ControlSpec> mainWindowControls();
std::span<const LineSpec> mainWindowLines();
// Tab order; controls outside it take no focus.
std::span<const char* const> mainWindowTabOrder();

} // namespace ampora::ui
