// State of the four-way spin (see udlr_state.h).

#include "controls/spin/udlr_state.h"

#include "controls/control_state.h"
#include "controls/library_data.h"
#include "controls/spin/tarn32_spin.h"

namespace tw {

namespace {

void FreePictures(UdlrState& s) {
    for (HBITMAP& picture : s.pictures) {
        if (picture) DeleteObject(picture);
        picture = nullptr;
    }
}

bool LoadPictures(UdlrState& s) {
    for (int area = 0; area < kUdlrAreaCount; ++area) {
        s.pictures[area] = LoadBitmapA(LibraryModule(), MAKEINTRESOURCEA(UDLR_BITMAP_REST + area));
        if (!s.pictures[area]) return false;
    }
    return true;
}

}  // namespace

UdlrState* FetchUdlrState(HWND hwnd) {
    return static_cast<UdlrState*>(FetchStatePointer(hwnd, ControlClass::UDLR, kUdlrStateOffset));
}

bool UDLR_NcCreate(HWND hwnd, const CREATESTRUCTA* create) {
    auto* s = static_cast<UdlrState*>(AllocateBlock(sizeof(UdlrState)));
    if (!s) return false;
    if (!LoadPictures(*s)) {
        FreePictures(*s);
        FreeBlock(s);
        return false;
    }
    s->self = hwnd;
    s->disabled = create && (create->style & WS_DISABLED) != 0;
    StoreStatePointer(hwnd, s, kUdlrStateOffset);
    return true;
}

void UDLR_NcDestroy(UdlrState& s) {
    if (s.repeatTimer) KillTimer(s.self, s.repeatTimer);
    StoreStatePointer(s.self, nullptr, kUdlrStateOffset);
    FreePictures(s);
    FreeBlock(&s);
}

}  // namespace tw
