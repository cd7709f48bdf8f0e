// Sample controls of the gallery, laid out in three columns.

#include "controls/demo/demo_gallery.h"
#include "controls/demo/buttons_demo.h"
#include "controls/demo/gauges_demo.h"
#include "controls/demo/numedit_demo.h"
#include "controls/demo/outline_demo.h"
#include "controls/tarn32.h"

namespace tw::demo {
namespace {

constexpr int kLabelWidth = 118;
constexpr int kRowHeight = 40;

struct Sample {
    const char* label;
    const char* className;
    DWORD style;
    int width;
    int height;
};

HWND AddLabeled(HWND window, HFONT font, int x, int y, const Sample& sample) {
    HWND label = CreateWindowA("STATIC", sample.label, WS_CHILD | WS_VISIBLE, x, y + 4, kLabelWidth,
                               20, window, nullptr, nullptr, nullptr);
    SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    HWND control = CreateWindowA(sample.className, "",
                                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | sample.style, x + kLabelWidth,
                                 y, sample.width, sample.height, window, nullptr, nullptr, nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return control;
}

void AddHeading(HWND window, HFONT font, int x, int y, int width, const char* text) {
    HWND heading = CreateWindowA("BUTTON", text, WS_CHILD | WS_VISIBLE | BS_GROUPBOX, x, y, width,
                                 580, window, nullptr, nullptr, nullptr);
    SendMessageA(heading, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

// Adds the samples one under another from (x, y); returns the y of the next row.
template <size_t Count>
int AddColumn(HWND window, HFONT font, int x, int y, const Sample (&samples)[Count]) {
    for (const Sample& sample : samples) {
        AddLabeled(window, font, x, y, sample);
        y += kRowHeight;
    }
    return y;
}

HWND AddDateEdits(HWND window, HFONT font) {
    const Sample samples[] = {
        {"Plain, sunken", "TarnDateEdit32", DTS_BORDERSUNKEN, 120, 24},
        {"Drop-down", "TarnDateEdit32", DTS_BORDERSUNKEN | DTS_CALENDARBUTTON, 120, 24},
        {"Single border", "TarnDateEdit32", DTS_BORDERSINGLE, 120, 24},
        {"Raised border", "TarnDateEdit32", DTS_BORDERRAISED, 120, 24},
        {"No border", "TarnDateEdit32", 0, 120, 24},
        {"Fixed cells", "TarnDateEdit32", DTS_BORDERSUNKEN | DTS_FIXEDCELLS, 146, 24},
        {"Bitmap digits", "TarnDateEdit32", DTS_BORDERSUNKEN | DTS_BITMAPDIGITS, 120, 28},
        {"Read only", "TarnDateEdit32", DTS_BORDERSUNKEN | DTS_READONLY, 120, 24},
        {"Disabled", "TarnDateEdit32", DTS_BORDERSUNKEN | WS_DISABLED, 120, 24},
    };
    AddHeading(window, font, 8, 10, 280, "Date edits");
    const int y = AddColumn(window, font, 18, 34, samples);
    HWND dropDown = FindWindowExA(window, nullptr, "TarnDateEdit32", nullptr);
    dropDown = FindWindowExA(window, dropDown, "TarnDateEdit32", nullptr);
    const WORD reform[3] = {9, 14, 1752};
    HWND special = AddLabeled(window, font, 18, y,
                              {"Coloured, 1752", "TarnDateEdit32", DTS_BORDERSUNKEN, 120, 24});
    dtSetColor(special, TARN_COLOR_BACKGROUND, RGB(255, 255, 210));
    dtSetDate(special, reform);
    return dropDown;
}

void AddTimeEdits(HWND window, HFONT font) {
    const Sample samples[] = {
        {"Plain, sunken", "TarnTimeEdit32", TMS_BORDERSUNKEN, 120, 24},
        {"With seconds", "TarnTimeEdit32", TMS_BORDERSUNKEN | TMS_SECONDS, 120, 24},
        {"Single border", "TarnTimeEdit32", TMS_BORDERSINGLE, 120, 24},
        {"Raised border", "TarnTimeEdit32", TMS_BORDERRAISED, 120, 24},
        {"Fixed cells", "TarnTimeEdit32", TMS_BORDERSUNKEN | TMS_FIXEDCELLS | TMS_SECONDS, 146, 24},
        {"Read only", "TarnTimeEdit32", TMS_BORDERSUNKEN | TMS_READONLY, 120, 24},
    };
    AddHeading(window, font, 294, 10, 280, "Time edits");
    const int y = AddColumn(window, font, 304, 34, samples);
    HWND clock = AddLabeled(window, font, 304, y,
                            {"Running clock", "TarnTimeEdit32",
                             TMS_BORDERSUNKEN | TMS_SECONDS | TMS_BITMAPDIGITS, 120, 30});
    TMEDITPARAMS clockFormat = {};
    tmGetEditParams(clock, &clockFormat);
    clockFormat.setTime = 0;
    clockFormat.hour24 = 1;
    clockFormat.pmDesignator[0] = '\0';
    tmSetEditParams(clock, &clockFormat);
    tmStartClock(clock);
    HWND null = AddLabeled(window, font, 304, y + kRowHeight,
                           {"Null", "TarnTimeEdit32", TMS_BORDERSUNKEN, 120, 24});
    tmSetNull(null);
}

void AddCalendars(HWND window, HFONT font) {
    AddHeading(window, font, 580, 10, 340, "Calendars");
    HWND month = CreateWindowA(
        "TarnCalctl32", "",
        WS_CHILD | WS_VISIBLE | WS_BORDER | CCS_MONTH | CCS_YEARFIELD | CCS_MONTHSELECTOR, 588, 34,
        260, 220, window, nullptr, nullptr, nullptr);
    SendMessageA(month, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    HWND plain = CreateWindowA("TarnCalctl32", "",
                               WS_CHILD | WS_VISIBLE | WS_BORDER | CCS_MONTH | CCS_DISPLAYONLY, 588,
                               310, 260, 220, window, nullptr, nullptr, nullptr);
    SendMessageA(plain, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

}  // namespace

HWND CreateGallery(HWND window, HFONT font) {
    HWND dropDown = AddDateEdits(window, font);
    AddTimeEdits(window, font);
    AddCalendars(window, font);
    AddButtonsAndSelectors(window, font);
    AddGauges(window, font);
    AddNumericEdits(window, font);
    AddOutlineLists(window, font);
    return dropDown;
}

}  // namespace tw::demo
