#pragma once
// The eleven window classes of the library, registered at load in a fixed order.

#include <windows.h>

namespace tw {

enum class ControlClass {
    Button,
    NumEdit,
    DateEdit,
    TimeEdit,
    FontSelect,
    Dial,
    UDLR,
    PercentBar,
    HierList,
    Calctl,
    ComboBox,
    Count
};

// Registers the classes in table order, stopping at the first failure; on failure the ones
// already registered are unregistered again and false is returned.
bool RegisterControlClasses(HINSTANCE module);
void UnregisterControlClasses(HINSTANCE module);

const char* ControlClassName(ControlClass cls);
// True when `hwnd` is a live window of the library's class `cls`.
bool IsWindowOfClass(HWND hwnd, ControlClass cls);

}  // namespace tw
