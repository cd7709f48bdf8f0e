// The font selector's exported functions: each fetches the selector's state and hands it to
// the handler its message uses; a window without state gives 0, or the documented default.

#include "controls/control_state.h"
#include "controls/fontsel/font_sizes.h"
#include "controls/fontsel/fontsel_appearance.h"
#include "controls/fontsel/fontsel_families.h"
#include "controls/fontsel/fontsel_input.h"
#include "controls/fontsel/fontsel_lifecycle.h"
#include "controls/fontsel/fontsel_sizes.h"
#include "controls/fontsel/tarn32_fontsel.h"

using namespace tw;

namespace {

constexpr LRESULT kFailed = 0;

// What fsGetFontFamily gives without state: a single blank, cut to the buffer.
int BlankFamily(LPSTR buffer, int size) {
    return int(CopyCut(buffer, size > 0 ? size_t(size) : 0, " "));
}

}  // namespace

extern "C" {

int WINAPI fsSetFontFamily(HWND hwnd, LPCSTR face) {
    return int(CallOnState(FontSelStateOf(hwnd), kFailed, FS_SetFontFamily, face));
}

int WINAPI fsGetFontFamily(HWND hwnd, LPSTR buffer, int size) {
    FontSelState* s = FontSelStateOf(hwnd);
    return s ? int(FS_GetFontFamily(*s, buffer, size)) : BlankFamily(buffer, size);
}

int WINAPI fsSetFontSize(HWND hwnd, int height) {
    return int(CallOnState(FontSelStateOf(hwnd), kFailed, FS_SetFontSize, height));
}

int WINAPI fsGetFontSize(HWND hwnd) {
    const LRESULT tenPoints = FontHeightFromPoints(kDefaultPointSize, ScreenDpiY());
    return int(CallOnState(FontSelStateOf(hwnd), tenPoints, FS_GetFontSize));
}

int WINAPI fsSetFontPointSize(HWND hwnd, int points) {
    return int(CallOnState(FontSelStateOf(hwnd), kFailed, FS_SetFontPointSize, points));
}

int WINAPI fsGetFontPointSize(HWND hwnd) {
    return int(CallOnState(FontSelStateOf(hwnd), LRESULT(kDefaultPointSize), FS_GetFontPointSize));
}

int WINAPI fsSetFontCommandCode(HWND hwnd, int code) {
    return int(CallOnState(FontSelStateOf(hwnd), kFailed, FS_SetCommandCode, true, WORD(code)));
}

int WINAPI fsSetSizeCommandCode(HWND hwnd, int code) {
    return int(CallOnState(FontSelStateOf(hwnd), kFailed, FS_SetCommandCode, false, WORD(code)));
}

int WINAPI fsSetColor(HWND hwnd, int index, DWORD color) {
    return int(CallOnState(FontSelStateOf(hwnd), kFailed, FS_SetColor, index, color));
}

int WINAPI fsSetItemHeight(HWND hwnd, int height) {
    return int(CallOnState(FontSelStateOf(hwnd), kFailed, FS_SetItemHeight, height));
}

}  // extern "C"
