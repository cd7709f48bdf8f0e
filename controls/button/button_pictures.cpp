// Picture sources, swatch, colours and style switches of the button (see button_pictures.h).

#include "controls/button/button_pictures.h"

#include "controls/button/tarn32_button.h"

namespace tw {
namespace {

constexpr DWORD kReplacedByStyle = TBS_DEFAULT | TBS_ALTSTRIP | TBS_AUTOREPEAT;

// Where btnSetColor's index stores its colour; null for an unknown index.
DWORD* ColorSlot(ButtonState& s, int index) {
    switch (index) {
        case TBC_HIGHLIGHT: return &s.colors[kButtonHighlight];
        case TBC_SHADOW: return &s.colors[kButtonShadow];
        case TBC_FACE: return &s.colors[kButtonFace];
        case TBC_DARKSHADOW: return &s.colors[kButtonDarkShadow];
        case TBC_TEXT: return &s.colors[kButtonText];
        case TBC_DEFAULTFRAME: return &s.colors[kButtonDefaultFrame];
        case TBC_COLORCODE: return &s.colorCode;
        default: return nullptr;
    }
}

LRESULT ShowOneOf(ButtonState& s, DWORD shown, DWORD other, bool enable) {
    ChangeButtonStyle(s, shown, enable);
    if (enable) ChangeButtonStyle(s, other, false);
    RepaintButton(s);
    return 1;
}

}  // namespace

LRESULT BTN_SetPictureSource(ButtonState& s, PictureSource source, HANDLE handle) {
    s.bitmap = source == PictureSource::Bitmap ? static_cast<HBITMAP>(handle) : nullptr;
    s.icon = source == PictureSource::Icon ? static_cast<HICON>(handle) : nullptr;
    s.metafile = source == PictureSource::Metafile ? handle : nullptr;
    RepaintButton(s);
    return 1;
}

LRESULT BTN_GetPictureSource(const ButtonState& s, PictureSource source) {
    switch (source) {
        case PictureSource::Bitmap: return reinterpret_cast<LRESULT>(s.bitmap);
        case PictureSource::Icon: return reinterpret_cast<LRESULT>(s.icon);
        case PictureSource::Metafile: return reinterpret_cast<LRESULT>(s.metafile);
    }
    return 0;
}

LRESULT BTN_SetPicture(ButtonState& s, DWORD index) {
    s.pictureIndex = index;
    RepaintButton(s);
    return 1;
}

LRESULT BTN_SetColorCode(ButtonState& s, DWORD color) {
    return BTN_SetColor(s, TBC_COLORCODE, color);
}

LRESULT BTN_SetColor(ButtonState& s, int index, DWORD color) {
    DWORD* slot = ColorSlot(s, index);
    if (!slot) return 0;
    *slot = color;
    RepaintButton(s);
    return 1;
}

LRESULT BTN_EnableColorCode(ButtonState& s, bool enable) {
    return ShowOneOf(s, TBS_COLORCODE, TBS_PICTURE, enable);
}

LRESULT BTN_EnablePicture(ButtonState& s, bool enable) {
    return ShowOneOf(s, TBS_PICTURE, TBS_COLORCODE, enable);
}

LRESULT BTN_SetStyle(ButtonState& s, DWORD style, bool redraw) {
    if (!HasButtonStyle(s, TBS_ALTSTRIP)) ChangeButtonStyle(s, kReplacedByStyle, false);
    ChangeButtonStyle(s, style & 0xFFFF, true);
    if (redraw) InvalidateRect(s.self, nullptr, FALSE);
    return 1;
}

LRESULT BTN_SetPersistentState(ButtonState& s, bool persistent) {
    ChangeButtonStyle(s, TBS_PERSISTENT, persistent);
    return 1;
}

}  // namespace tw
