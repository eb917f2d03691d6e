// Screen reader support for the drop-down lists. On Unix, Qt announces a list by its current
// item and ignores the name the layout gives it, so the case-fan count would be read as "0"
// rather than as "系统风扇".
#pragma once

namespace ampora::ui {

// From now on every drop-down list announces its accessible name, with the chosen item as its
// value. Calling it again does nothing.
void announceSelectorsByName();

} // namespace ampora::ui
