// Commands and mouse of the font selector (see fontsel_input.h).

#include "controls/fontsel/fontsel_input.h"

#include "controls/button/designer_query.h"
#include "controls/fontsel/tarn32_fontsel.h"

namespace tw {
namespace {

void PostChange(FontSelState& s, WORD code, WORD kind) {
    HWND parent = GetParent(s.self);
    const WORD id = code ? code : WORD(GetWindowLongPtrA(s.self, GWLP_ID));
    if (parent) PostMessageA(parent, WM_COMMAND, MAKEWPARAM(id, kind), LPARAM(s.self));
}

}  // namespace

bool FS_Command(FontSelState& s, int id, int code) {
    if (code != CBN_SELCHANGE) return false;
    if (id == FS_ID_FAMILYLIST) {
        PostChange(s, s.familyCode, FSN_FAMILYCHANGED);
        return true;
    }
    if (id == FS_ID_SIZELIST) {
        PostChange(s, s.sizeCode, FSN_SIZECHANGED);
        return true;
    }
    return false;
}

LRESULT FS_SetCommandCode(FontSelState& s, bool family, WORD code) {
    (family ? s.familyCode : s.sizeCode) = code;
    return 1;
}

bool FS_DesignerPress(FontSelState& s, WPARAM keys, LPARAM position) {
    if (!ParentIsDesigner(s.self)) return false;
    SendMessageA(GetParent(s.self), WM_LBUTTONDOWN, keys, position);
    return true;
}

}  // namespace tw
