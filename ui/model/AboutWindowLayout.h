// The About window's controls: version, author and the as-is notice on its own artwork.
#pragma once

#include "ui/model/ControlTable.h"

namespace ampora::ui {

WindowLayout aboutWindowLayout();

} // namespace ampora::ui
