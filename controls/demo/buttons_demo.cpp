// Sample buttons (captions with picture cells, a toggle, a repeating button, colour swatches,
// a disabled one), a font selector and a combo box, in a group below the other samples.

#include "controls/demo/buttons_demo.h"

#include <initializer_list>

#include "controls/demo/demo_children.h"
#include "controls/tarn32.h"

namespace tw::demo {
namespace {

constexpr int kGroupTop = 596;
constexpr int kGroupHeight = 150;
constexpr int kButtonWidth = 96;
constexpr int kButtonHeight = 28;
constexpr int kGap = 10;

struct ButtonSample {
    const char* caption;
    DWORD style;
    int picture;  // a strip cell, or -1 for none
};

void AddButtons(HWND window, HFONT font, int x, int y) {
    const ButtonSample samples[] = {
        {"OK", TBS_DEFAULT | TBS_PICTURE, TB_PIC_CHECK},
        {"Cancel", TBS_PICTURE, TB_PIC_CROSS},
        {"Up", TBS_PICTURE | TBS_AUTOREPEAT, TB_PIC_UP},
        {"Bold", TBS_PERSISTENT, -1},
        {"Open", TBS_PICTURE | TBS_ALTSTRIP, TB_PIC_FOLDER},
        {"Later", TBS_PICTURE | WS_DISABLED, TB_PIC_CLOCK},
        {"", TBS_PICTURE, TB_PIC_QUESTION},
    };
    for (const ButtonSample& s : samples) {
        const int width = s.caption[0] ? kButtonWidth : kButtonHeight;
        HWND b = AddChild(window, font, TARN_CLASS_BUTTON, s.caption, WS_TABSTOP | s.style, x, y,
                          width, kButtonHeight);
        if (s.picture >= 0) btnSetPicture(b, s.picture);
        if (s.style & TBS_PERSISTENT) btnSetState(b, TRUE);
        x += width + kGap;
    }
    HWND swatch = AddChild(window, font, TARN_CLASS_BUTTON, "Colour", WS_TABSTOP, x, y,
                           kButtonWidth, kButtonHeight);
    btnSetColorCode(swatch, RGB(0, 90, 200));
    btnEnableColorCode(swatch, TRUE);
    x += kButtonWidth + kGap;
    HWND plain = AddChild(window, font, TARN_CLASS_BUTTON, "", WS_TABSTOP, x, y, kButtonHeight,
                          kButtonHeight);
    btnSetColorCode(plain, RGB(200, 30, 30));
    btnEnableColorCode(plain, TRUE);
}

void AddSelectors(HWND window, HFONT font, int x, int y) {
    AddChild(window, font, "STATIC", "Font", 0, x, y + 6, 60, 20);
    HWND selector =
        AddChild(window, font, TARN_CLASS_FONTSELECT, "", WS_TABSTOP, x + 60, y, 320, 30);
    fsSetFontFamily(selector, "Tahoma");
    fsSetFontPointSize(selector, 12);

    AddChild(window, font, "STATIC", "Combo box", 0, x + 420, y + 6, 80, 20);
    HWND combo = AddChild(window, font, TARN_CLASS_COMBOBOX, "",
                          WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, x + 500, y + 2, 160, 200);
    for (const char* item : {"Consulting", "Development", "Meetings", "Travel"})
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageA(combo, CB_SETCURSEL, 1, 0);
}

// Grows the window so that its client area reaches `bottom`.
void GrowTo(HWND window, int bottom) {
    RECT client, frame;
    GetClientRect(window, &client);
    if (client.bottom >= bottom) return;
    GetWindowRect(window, &frame);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left,
                 frame.bottom - frame.top + bottom - client.bottom, SWP_NOMOVE | SWP_NOZORDER);
}

}  // namespace

void AddButtonsAndSelectors(HWND window, HFONT font) {
    AddChild(window, font, "BUTTON", "Buttons, font selector and combo box", BS_GROUPBOX, 8,
             kGroupTop, 908, kGroupHeight);
    AddButtons(window, font, 20, kGroupTop + 26);
    AddSelectors(window, font, 20, kGroupTop + 80);
    GrowTo(window, kGroupTop + kGroupHeight + 10);
}

}  // namespace tw::demo
