// The main window's controls, region by region, its keyboard order and the order in which its
// load step selects.
#pragma once

#include "ui/model/ControlTable.h"

namespace ampora::ui {

// The size of most of the window's text: the selectors and the labels beside them.
inline constexpr double kBodyPoints = 8.25;

WindowLayout mainWindowLayout();
// Tab order; controls outside it take no focus.
std::span<const char* const> mainWindowTabOrder();
// The selectors in the order the load step brings them to their first item.
std::span<const char* const> mainWindowLoadOrder();

} // namespace ampora::ui
