// The designer query (see designer_query.h).

#include "controls/button/designer_query.h"

namespace tw {

bool ParentIsDesigner(HWND control) {
    HWND parent = GetParent(control);
    return parent && SendMessageA(parent, kDesignerQuery, 0, 0) == kDesignerYes;
}

bool InDesignerOrDesignerAncestor(HWND control) {
    if (ParentIsDesigner(control)) return true;
    for (HWND w = GetParent(control); w; w = GetParent(w)) {
        char name[16] = "";
        GetClassNameA(w, name, sizeof name);
        if (lstrcmpiA(name, "rwswnd") == 0) return true;
    }
    return false;
}

}  // namespace tw
