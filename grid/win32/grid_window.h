// Registration of the DataTbl32 window class.
#pragma once

#include <windows.h>

namespace tw {
namespace grid {

bool RegisterGridClass(HINSTANCE instance);
void UnregisterGridClass(HINSTANCE instance);

}  // namespace grid
}  // namespace tw
