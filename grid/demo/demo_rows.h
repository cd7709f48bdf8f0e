// Set-up and sample rows of the demo's time table.
#pragma once

#include "view/win32/grid_wrapper.h"

namespace tw {
namespace demo {

// Columns as the time table view sets them up: types, pictures, flags, sizes, titles, names.
void SetupTimeTableColumns(CGridCtrl& grid);
// `count` made-up time records, one a day or so, with projects, clients, rates and notes.
void FillSampleRows(CGridCtrl& grid, int count);

}  // namespace demo
}  // namespace tw
