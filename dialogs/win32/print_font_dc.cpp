#include "dialogs/win32/print_font_dc.h"

#include "dialogs/print_font.h"

namespace tw {

PrintFontOnDC::PrintFontOnDC(HDC dc, const PrintSettings& settings) : dc_(dc) {
    LOGFONTA font{};
    font.lfHeight = PrintFontHeight(settings.fontHeight, ::GetDeviceCaps(dc, LOGPIXELSY));
    font.lfWeight = settings.fontWeight;
    font.lfItalic = settings.fontItalic ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(font.lfFaceName, settings.fontFace.c_str(), LF_FACESIZE);
    font_ = ::CreateFontIndirectA(&font);
    if (font_ != nullptr) previous_ = ::SelectObject(dc_, font_);
    ::GetTextMetricsA(dc_, &metrics_);
}

PrintFontOnDC::~PrintFontOnDC() {
    if (previous_ != nullptr) ::SelectObject(dc_, previous_);
    if (font_ != nullptr) ::DeleteObject(font_);
}

PageMetrics PrintFontOnDC::Metrics(const RECT& page, const PrintSettings& settings) const {
    const TEXTMETRICA& text = metrics_;
    PrintDevice device;
    device.pixelsPerInchX = ::GetDeviceCaps(dc_, LOGPIXELSX);
    device.pixelsPerInchY = ::GetDeviceCaps(dc_, LOGPIXELSY);
    device.pageWidth = page.right - page.left;
    device.pageHeight = page.bottom - page.top;
    device.lineHeight = text.tmHeight;
    device.charWidth = text.tmAveCharWidth;
    return ComputePageMetrics(device, settings);
}

// Notes that fit on one line are the most; they are known without wrapping, which is much
// slower: by the widest character alone, else by the text's width.
bool PrintFontOnDC::FitsOnOneLine(const std::string& text, int width) const {
    if (text.find_first_of("\r\n\t") != std::string::npos) return false;
    const long long widest = static_cast<long long>(text.size()) * metrics_.tmMaxCharWidth;
    if (widest + metrics_.tmOverhang <= width) return true;
    SIZE size{};
    return ::GetTextExtentPoint32A(dc_, text.c_str(), static_cast<int>(text.size()), &size) &&
           size.cx <= width;
}

int PrintFontOnDC::WrappedHeight(const std::string& text, int width) {
    if (text.empty()) return 0;
    if (FitsOnOneLine(text, width)) return metrics_.tmHeight;
    RECT box{0, 0, width, 0};
    return ::DrawTextA(dc_, text.c_str(), static_cast<int>(text.size()), &box,
                       DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
}

}  // namespace tw
