// Registers the art and fonts compiled into the program.
#pragma once

namespace ampora::ui {

// Makes the art and font resources available and registers the fonts; safe to call again.
void initResources();

} // namespace ampora::ui
