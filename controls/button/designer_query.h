#pragma once
// Whether a control sits in a form designer: its parent answers the designer query (0x5A4)
// with 99, or (for the button) an ancestor window has the class name "rwswnd".

#include <windows.h>

namespace tw {

constexpr UINT kDesignerQuery = 0x5A4;
constexpr LRESULT kDesignerYes = 99;

bool ParentIsDesigner(HWND control);

// ParentIsDesigner, or any ancestor of the class "rwswnd" (compared without case).
bool InDesignerOrDesignerAncestor(HWND control);

}  // namespace tw
