// Notifications to the grid's parent as WM_COMMAND messages.
#pragma once

#include "grid/win32/grid_state.h"

namespace tw {
namespace grid {

// Records (row, column) as the position of the notification and sends `code` to the parent.
void Notify(GridState& state, unsigned code, int row, int column);

}  // namespace grid
}  // namespace tw
