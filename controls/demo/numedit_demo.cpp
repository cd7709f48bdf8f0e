// The numeric edits of the gallery (see numedit_demo.h).

#include "controls/demo/numedit_demo.h"

#include "controls/demo/demo_children.h"
#include "controls/tarn32.h"

namespace tw::demo {
namespace {

constexpr int kColumnLeft = 926;
constexpr int kColumnWidth = 290;
constexpr int kLabelWidth = 110;
constexpr int kEditWidth = 150;
constexpr int kRowHeight = 40;

struct NumberSample {
    const char* label;
    DWORD style;
    int format;
    int decimals;
    double value;
    int height;
};

void WidenToHold(HWND window, int right) {
    RECT client;
    GetClientRect(window, &client);
    if (client.right >= right) return;
    RECT frame;
    GetWindowRect(window, &frame);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + right - client.right,
                 frame.bottom - frame.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND AddSample(HWND window, HFONT font, int y, const NumberSample& sample) {
    const int x = kColumnLeft + 10;
    AddChild(window, font, "STATIC", sample.label, 0, x, y + 4, kLabelWidth, 20);
    HWND edit = AddChild(window, font, "TarnNumEdit32", "0", WS_TABSTOP | sample.style,
                         x + kLabelWidth, y, kEditWidth, sample.height);
    NMEDITPARAMS params = {};
    params.format = static_cast<DWORD>(sample.format);
    params.decimals = sample.decimals;
    params.useSystemSeparators = 1;
    params.leadingZero = 1;
    nmSetEditParams(edit, &params);
    nmSetDouble(edit, sample.value);
    return edit;
}

}  // namespace

void AddNumericEdits(HWND window, HFONT font) {
    constexpr DWORD kSunken = NMS_BORDERSUNKEN;
    const NumberSample samples[] = {
        {"Fixed, 2 places", kSunken, 0, 2, 1234.5, 24},
        {"Thousands", kSunken, 6, 2, 1234567.891, 24},
        {"Parentheses", kSunken | NMS_RIGHT, 4, 0, -1234, 24},
        {"Spin buttons", kSunken | NMS_SPINBUTTONS | NMS_RIGHT, 1, 0, 42, 24},
        {"Fixed, 4 places", kSunken | NMS_RIGHT, 8, 4, -98765.4321, 24},
        {"Centred", NMS_BORDERSINGLE | NMS_CENTER, 2, 0, 65536, 24},
        {"Raised border", NMS_BORDERRAISED, 7, 1, -3.25, 24},
        {"Fixed cells", kSunken | NMS_FIXEDCELLS, 0, 3, 3.142, 24},
        {"Bitmap digits", kSunken | NMS_BITMAPDIGITS | NMS_SPINBUTTONS, 0, 0, 2024, 30},
        {"Read only", kSunken | NMS_READONLY, 2, 0, 1000000, 24},
        {"Disabled", kSunken | WS_DISABLED, 0, 2, 0.5, 24},
    };
    WidenToHold(window, kColumnLeft + kColumnWidth + 8);
    AddChild(window, font, "BUTTON", "Numeric edits", BS_GROUPBOX, kColumnLeft, 10, kColumnWidth,
             580);
    int y = 34;
    for (const NumberSample& sample : samples) {
        AddSample(window, font, y, sample);
        y += kRowHeight;
    }
    HWND null = AddSample(window, font, y, {"Null", kSunken, 0, 2, 0, 24});
    nmSetNull(null);
}

}  // namespace tw::demo
