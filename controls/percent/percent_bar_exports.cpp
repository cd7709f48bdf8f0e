// The percent bar's exported functions: each fetches the bar's state and hands it to the
// handler its private message uses; a window without state gives 0.

#include "controls/control_state.h"
#include "controls/percent/percent_bar_state.h"
#include "controls/percent/percent_bar_values.h"
#include "controls/percent/tarn32_percent.h"

using namespace tw;

namespace {

constexpr LONG kFailed = 0;

LONG EnableFeature(HWND hwnd, BarFeature feature, BOOL enable) {
    return CallOnState(FetchPercentBarState(hwnd), kFailed, PCT_EnableFeature, feature, enable);
}

}  // namespace

extern "C" {

LONG WINAPI pbSetLimit(HWND hwnd, LONG limit) {
    return CallOnState(FetchPercentBarState(hwnd), kFailed, PCT_SetLimit, limit);
}

LONG WINAPI pbSetProgress(HWND hwnd, LONG progress) {
    return CallOnState(FetchPercentBarState(hwnd), kFailed, PCT_SetProgress, progress);
}

LONG WINAPI pbGetProgress(HWND hwnd) {
    return CallOnState(FetchPercentBarState(hwnd), kFailed, PCT_GetProgress);
}

LONG WINAPI pbGetLimit(HWND hwnd) {
    return CallOnState(FetchPercentBarState(hwnd), kFailed, PCT_GetLimit);
}

LONG WINAPI pbSetColor(HWND hwnd, int index, DWORD color) {
    return CallOnState(FetchPercentBarState(hwnd), kFailed, PCT_SetColor, index, color);
}

LONG WINAPI pbSetPercentFont(HWND hwnd, HFONT font) {
    return CallOnState(FetchPercentBarState(hwnd), kFailed, PCT_SetPercentFont, font);
}

LONG WINAPI pbSetBorderStyle(HWND hwnd, int kind) {
    return CallOnState(FetchPercentBarState(hwnd), kFailed, PCT_SetBorderStyle, kind);
}

LONG WINAPI pbEnableTickMarks(HWND hwnd, BOOL enable) {
    return EnableFeature(hwnd, BarFeature::TickMarks, enable);
}

LONG WINAPI pbEnableText(HWND hwnd, BOOL enable) {
    return EnableFeature(hwnd, BarFeature::ScaleLabels, enable);
}

LONG WINAPI pbEnablePercent(HWND hwnd, BOOL enable) {
    return EnableFeature(hwnd, BarFeature::Percentage, enable);
}

}  // extern "C"
