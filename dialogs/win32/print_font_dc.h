#pragma once
// The print font on a device context: created from the document's print settings at the
// device's resolution and selected while the object lives, with what its metrics make of the
// page, and word-wrapped text measured in it.

#include <windows.h>

#include "dialogs/print_page_metrics.h"
#include "dialogs/text_measurer.h"

namespace tw {

class PrintFontOnDC : public ITextMeasurer {
public:
    PrintFontOnDC(HDC dc, const PrintSettings& settings);
    ~PrintFontOnDC() override;
    PrintFontOnDC(const PrintFontOnDC&) = delete;
    PrintFontOnDC& operator=(const PrintFontOnDC&) = delete;

    // The page metrics of a page of `page` on the device in this font.
    PageMetrics Metrics(const RECT& page, const PrintSettings& settings) const;
    int WrappedHeight(const std::string& text, int width) override;

private:
    bool FitsOnOneLine(const std::string& text, int width) const;

    HDC dc_;
    HFONT font_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    TEXTMETRICA metrics_{};  // of the print font on the device
};

}  // namespace tw
