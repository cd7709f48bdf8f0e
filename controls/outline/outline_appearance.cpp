// Appearance settings of the outline list (see outline_appearance.h).

#include "controls/outline/outline_appearance.h"

#include "controls/borders.h"
#include "controls/outline/outline_lifecycle.h"
#include "controls/outline/outline_view.h"

namespace tw {

namespace {

constexpr long kMaxIndent = 500;
constexpr long kMaxImageIndex = 0xFFFF;
constexpr DWORD kOwnerDrawBits = OLBS_OWNERDRAWFIXED | OLBS_OWNERDRAWVARIABLE;
constexpr DWORD kBorderBits = OLBS_BORDERSUNKEN | OLBS_BORDERRAISED;

// Colours 1..9 by the library's colour indexes (0 where an index names none).
int ColorNumberOf(long index) {
    switch (index) {
        case OLB_COLOR_3DHIGHLIGHT: return kColor3DHighlight;
        case OLB_COLOR_3DSHADOW: return kColor3DShadow;
        case OLB_COLOR_BACKGROUND: return kColorBackground;
        case OLB_COLOR_TEXT: return kColorText;
        case OLB_COLOR_3DFACE: return kColor3DFace;
        case OLB_COLOR_LINES: return kColorLines;
        case OLB_COLOR_LOCKEDTEXT: return kColorLockedText;
        case OLB_COLOR_SELECTEDTEXT: return kColorSelectedText;
        default: return 0;
    }
}

void Repaint(OutlineState& s) {
    if (RepaintsAfterChanges(s)) InvalidateRect(s.self, nullptr, FALSE);
}

// Sets or clears an option bit; its previous state. Repaints unless the style asks for none.
LRESULT SwitchOption(OutlineState& s, WORD bit, bool on) {
    const bool was = (s.options & bit) != 0;
    s.options = WORD(on ? s.options | bit : s.options & ~bit);
    Repaint(s);
    return was ? 1 : 0;
}

LRESULT Switch(OutlineState& s, bool& setting, bool on) {
    const bool was = setting;
    setting = on;
    Repaint(s);
    return was ? 1 : 0;
}

void WriteStyle(OutlineState& s, DWORD style) {
    SetWindowLongA(s.self, GWL_STYLE, LONG(style));
    RefreshRows(s);
    Repaint(s);
}

}  // namespace

LRESULT OLB_SetBitmaps(OutlineState& s, uint32_t slot, HBITMAP bitmap) {
    if (slot == kBadSlot) return OLB_ERR;
    if (slot == OutlineTree::kRoot) {
        s.pictures.controlBitmap = reinterpret_cast<uintptr_t>(bitmap);
        Repaint(s);
    } else {
        s.tree.Item(slot).bitmap = reinterpret_cast<uintptr_t>(bitmap);
        InvalidateItem(s, slot);
    }
    return 0;
}

LRESULT OLB_SetBitmapIndex(OutlineState& s, uint32_t slot, long image) {
    if (slot == kBadSlot || image < 0 || image > kMaxImageIndex) return OLB_ERR;
    if (slot == OutlineTree::kRoot) {
        s.pictures.controlImage = uint32_t(image);
        Repaint(s);
    } else {
        s.tree.Item(slot).bitmapIndex = uint16_t(image);
        InvalidateItem(s, slot);
    }
    return 0;
}

LRESULT OLB_SetLevelBitmap(OutlineState& s, long level, HBITMAP bitmap) {
    if (level < 0 || level >= kLevelPictures) return OLB_ERR;
    s.pictures.levelBitmap[level] = reinterpret_cast<uintptr_t>(bitmap);
    Repaint(s);
    return 0;
}

LRESULT OLB_SetLevelIndex(OutlineState& s, long level, DWORD image) {
    if (level < 0 || level >= kLevelPictures) return OLB_ERR;
    s.pictures.levelImage[level] = image;
    Repaint(s);
    return 0;
}

LRESULT OLB_EnableBitmaps(OutlineState& s, bool enable) {
    const bool was = (s.bitmapWord & 1) != 0;
    s.bitmapWord = WORD((s.bitmapWord & 0x8000) | (enable ? 1 : 0));
    Repaint(s);
    return was ? 1 : 0;
}

LRESULT OLB_EnableMicroBitmaps(OutlineState& s, bool enable) {
    return SwitchOption(s, OLBO_MICROBITMAPS, enable);
}

LRESULT OLB_UseStateBitmaps(OutlineState& s, bool use) { return Switch(s, s.stateBitmaps, use); }

LRESULT OLB_ShowLines(OutlineState& s, bool show) { return SwitchOption(s, OLBO_LINES, show); }

LRESULT OLB_SetFullSelectRect(OutlineState& s, bool on) {
    return SwitchOption(s, OLBO_FULLSELECT, on);
}

LRESULT OLB_SetCompatibilityMode(OutlineState& s, bool on) {
    const LRESULT was = Switch(s, s.compatibility, on);
    LoadOutlinePictures(s);
    return was;
}

LRESULT OLB_SetProportionalScrollBars(OutlineState& s, bool on) {
    const LRESULT was = Switch(s, s.proportional, on);
    RelayoutRows(s);
    return was;
}

LRESULT OLB_SetOcx(OutlineState& s, bool hosted) {
    const bool was = s.hosted;
    s.hosted = hosted;
    return was ? 1 : 0;
}

LRESULT OLB_SetIndent(OutlineState& s, long indent) {
    if (indent < 0 || indent > kMaxIndent) return OLB_ERR;
    const int was = s.indent;
    s.indent = int(indent);
    Repaint(s);
    return was;
}

LRESULT OLB_GetIndent(const OutlineState& s) { return s.indent; }

LRESULT OLB_SetColor(OutlineState& s, long index, DWORD color, bool repaint) {
    const int number = ColorNumberOf(index);
    if (!number) return 0;
    s.colors[number - 1] = color;
    if (repaint) Repaint(s);
    return 1;
}

LRESULT OLB_SetBorderStyle(OutlineState& s, long kind) {
    if (kind < 0 || kind > 3) return OLB_ERR;
    const int was = s.borderKind;
    s.borderKind = int(kind);
    ApplyBorderKind(s.self, int(kind), kOutlineBorderBits);
    return was;
}

LRESULT OLB_GetBorderStyle(const OutlineState& s) { return s.borderKind; }

LRESULT OLB_SetOwnerDraw(OutlineState& s, DWORD ownerDraw) {
    if (ownerDraw != 0 && ownerDraw != OLBS_OWNERDRAWFIXED && ownerDraw != OLBS_OWNERDRAWVARIABLE)
        return OLB_ERR;
    const DWORD style = OutlineStyle(s);
    WriteStyle(s, (style & ~kOwnerDrawBits) | ownerDraw);
    return LRESULT(style & kOwnerDrawBits);
}

LRESULT OLB_ChangeStyle(OutlineState& s, DWORD remove, DWORD add) {
    const DWORD style = OutlineStyle(s);
    const DWORD changeable = 0xFFFF & ~kBorderBits;
    WriteStyle(s, (style & ~(remove & changeable)) | (add & changeable));
    return LRESULT(style & 0xFFFF);
}

LRESULT OLB_SetFlags(OutlineState& s, DWORD keep, DWORD set) {
    const WORD was = s.options;
    s.options = WORD((s.options & keep) | set);
    return was;
}

}  // namespace tw
