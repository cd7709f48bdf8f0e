// The button's exported functions: each fetches the button's state and hands it to the handler
// its message uses; a window without state gives 0.

#include "controls/button/button_pictures.h"
#include "controls/button/button_press.h"
#include "controls/button/button_state.h"
#include "controls/button/tarn32_button.h"
#include "controls/control_state.h"

using namespace tw;

namespace {

constexpr LRESULT kFailed = 0;

int SetSource(HWND hwnd, PictureSource source, HANDLE handle) {
    return int(CallOnState(ButtonStateOf(hwnd), kFailed, BTN_SetPictureSource, source, handle));
}

LRESULT GetSource(HWND hwnd, PictureSource source) {
    return CallOnState(ButtonStateOf(hwnd), kFailed, BTN_GetPictureSource, source);
}

}  // namespace

extern "C" {

int WINAPI btnGetState(HWND hwnd) {
    return int(CallOnState(ButtonStateOf(hwnd), kFailed, BTN_GetState));
}

int WINAPI btnSetState(HWND hwnd, int pushed) {
    return int(CallOnState(ButtonStateOf(hwnd), kFailed, BTN_SetState, pushed != 0));
}

int WINAPI btnSetStyle(HWND hwnd, DWORD style, int redraw) {
    return int(CallOnState(ButtonStateOf(hwnd), kFailed, BTN_SetStyle, style, redraw != 0));
}

int WINAPI btnSetBitmap(HWND hwnd, HBITMAP bitmap) {
    return SetSource(hwnd, PictureSource::Bitmap, bitmap);
}

int WINAPI btnSetIcon(HWND hwnd, HICON icon) { return SetSource(hwnd, PictureSource::Icon, icon); }

int WINAPI btnSetMetaFile(HWND hwnd, HANDLE metafile) {
    return SetSource(hwnd, PictureSource::Metafile, metafile);
}

HBITMAP WINAPI btnGetBitmap(HWND hwnd) {
    return reinterpret_cast<HBITMAP>(GetSource(hwnd, PictureSource::Bitmap));
}

HICON WINAPI btnGetIcon(HWND hwnd) {
    return reinterpret_cast<HICON>(GetSource(hwnd, PictureSource::Icon));
}

HANDLE WINAPI btnGetMetaFile(HWND hwnd) {
    return reinterpret_cast<HANDLE>(GetSource(hwnd, PictureSource::Metafile));
}

int WINAPI btnSetPicture(HWND hwnd, int index) {
    return int(CallOnState(ButtonStateOf(hwnd), kFailed, BTN_SetPicture, DWORD(index)));
}

int WINAPI btnSetColorCode(HWND hwnd, DWORD color) {
    return int(CallOnState(ButtonStateOf(hwnd), kFailed, BTN_SetColorCode, color));
}

int WINAPI btnSetColor(HWND hwnd, int index, DWORD color) {
    return int(CallOnState(ButtonStateOf(hwnd), kFailed, BTN_SetColor, index, color));
}

int WINAPI btnEnableColorCode(HWND hwnd, int enable) {
    return int(CallOnState(ButtonStateOf(hwnd), kFailed, BTN_EnableColorCode, enable != 0));
}

int WINAPI btnEnablePicture(HWND hwnd, int enable) {
    return int(CallOnState(ButtonStateOf(hwnd), kFailed, BTN_EnablePicture, enable != 0));
}

int WINAPI btnStopRepeat(HWND hwnd) {
    return int(CallOnState(ButtonStateOf(hwnd), kFailed, BTN_StopRepeat));
}

int WINAPI btnSetPersistentState(HWND hwnd, int persistent) {
    return int(CallOnState(ButtonStateOf(hwnd), kFailed, BTN_SetPersistentState, persistent != 0));
}

}  // extern "C"
