// Families of the font selector (see fontsel_families.h).

#include "controls/fontsel/fontsel_families.h"

#include "controls/fontsel/tarn32_fontsel.h"
#include "framework/exception_barrier.h"

namespace tw {
namespace {

constexpr BYTE kTrueTypeBit = 0x04;  // bit 2 of the pitch-and-family byte
constexpr char kBlank[] = " ";

LRESULT WriteBlank(char* buffer, int size) {
    return LRESULT(CopyCut(buffer, size > 0 ? size_t(size) : 0, kBlank));
}

}  // namespace

bool FS_AddFamily(FontSelState& s, const LOGFONTA& font, const TEXTMETRICA& metrics) {
    const uint32_t number = s.families.count;
    if (!AppendFamily(s.families, metrics.tmPitchAndFamily & kTrueTypeBit, font.lfFaceName))
        return false;
    HWND list = FamilyList(s);
    const LRESULT item =
        SendMessageA(list, CB_ADDSTRING, 0, LPARAM(s.families.records[number].name));
    if (item >= 0) SendMessageA(list, CB_SETITEMDATA, WPARAM(item), LPARAM(number));
    return true;
}

void FS_FillFamilies(FontSelState& s) {
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesA(screen, nullptr, EnumFamCallBack, LPARAM(s.self));
    ReleaseDC(nullptr, screen);
    SendMessageA(FamilyList(s), CB_SETCURSEL, 0, 0);
}

LRESULT FS_SetFontFamily(FontSelState& s, const char* face) {
    if (!face) return 0;
    return SendMessageA(FamilyList(s), CB_SELECTSTRING, WPARAM(-1), LPARAM(face)) >= 0 ? 1 : 0;
}

const FamilyRecord* FS_FamilyOfItem(const FontSelState& s, int item) {
    if (item < 0) return nullptr;
    const LRESULT data = SendMessageA(FamilyList(s), CB_GETITEMDATA, WPARAM(item), 0);
    if (data == CB_ERR) return nullptr;
    return FamilyAt(s.families, uintptr_t(data));
}

LRESULT FS_GetFontFamily(const FontSelState& s, char* buffer, int size) {
    const int item = int(SendMessageA(FamilyList(s), CB_GETCURSEL, 0, 0));
    const FamilyRecord* family = FS_FamilyOfItem(s, item);
    if (!family) return WriteBlank(buffer, size);
    return LRESULT(CopyCut(buffer, size > 0 ? size_t(size) : 0, family->name));
}

}  // namespace tw

extern "C" int CALLBACK EnumFamCallBack(const LOGFONTA* font, const TEXTMETRICA* metrics, DWORD,
                                        LPARAM selector) {
    return tw::CallWithBarrier(0, [&] {
        tw::FontSelState* s = tw::FontSelStateOf(reinterpret_cast<HWND>(selector));
        if (!s || !font || !metrics) return 0;
        return tw::FS_AddFamily(*s, *font, *metrics) ? 1 : 0;
    });
}
