#include "dialogs/win32/print_prefs_dlg.h"

#include "app/res/resource.h"
#include "dialogs/print_font.h"
#include "framework/win32/common_dialogs.h"
#include "framework/win32/window.h"

namespace tw {

namespace {

UINT StyleWordId(FontStyle style) {
    switch (style) {
        case FontStyle::kBold: return IDS_FONT_BOLD;
        case FontStyle::kItalic: return IDS_FONT_ITALIC;
        case FontStyle::kBoldItalic: return IDS_FONT_BOLD_ITALIC;
        default: return IDS_FONT_REGULAR;
    }
}

int ScreenPixelsPerInchY() {
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi;
}

}  // namespace

CPrintPrefsDlg::CPrintPrefsDlg(const DocumentSettings& settings, HWND parent)
    : CDialog(IDD_PRINT_PREFS, parent),
      choices_(PrintChoicesOf(settings)),
      customTitles_(CustomColumnTitles(settings)) {}

bool CPrintPrefsDlg::OnInitDialog() {
    ShowColumnTitles(Handle(), customTitles_);
    const bool focus = CDialog::OnInitDialog();
    ::EnableWindow(Item(IDC_CUSTOM_HEADER_TEXT), choices_.options.customHeader);
    ShowFontTexts();
    return focus;
}

void CPrintPrefsDlg::DoDataExchange(CDataExchange& dx) {
    ExchangeColumnChecks(dx, choices_.columns);
    PrintSettings& options = choices_.options;
    int records = options.allRecords ? 0 : 1;
    dx.Radio({IDC_PRINT_ALL_RECORDS, IDC_PRINT_MARKED_RECORDS}, records);
    int header = options.customHeader ? 1 : 0;
    dx.Radio({IDC_PAGE_HEADER_FILE_NAME, IDC_PAGE_HEADER_CUSTOM}, header);
    dx.Text(IDC_CUSTOM_HEADER_TEXT, options.customHeaderText);
    dx.Check(IDC_PRINT_NOTES_NEXT_LINE, options.notesOnNextLine);
    dx.Check(IDC_PRINT_BLANK_LINES, options.blankLineBetween);
    dx.Check(IDC_PRINT_TOTALS, options.totals);
    dx.Check(IDC_PRINT_PAGE_HEADER, options.pageHeader);
    dx.Check(IDC_PRINT_COLUMN_NAMES, options.columnNames);
    if (dx.Saving()) {
        options.allRecords = records == 0;
        options.customHeader = header == 1;
    }
}

bool CPrintPrefsDlg::OnCommand(UINT id, UINT code, HWND control) {
    if ((id == IDC_PAGE_HEADER_FILE_NAME || id == IDC_PAGE_HEADER_CUSTOM) && code == BN_CLICKED) {
        ::EnableWindow(Item(IDC_CUSTOM_HEADER_TEXT), id == IDC_PAGE_HEADER_CUSTOM);
        return true;
    }
    if (id == IDC_CHANGE_FONT && code == BN_CLICKED) {
        ChangeFont();
        return true;
    }
    return CDialog::OnCommand(id, code, control);
}

void CPrintPrefsDlg::ChangeFont() {
    const PrintSettings& options = choices_.options;
    LOGFONTA font{};
    lstrcpynA(font.lfFaceName, options.fontFace.c_str(), LF_FACESIZE);
    font.lfWeight = options.fontWeight;
    font.lfItalic = options.fontItalic ? TRUE : FALSE;
    font.lfHeight = ChooserFontHeight(options.fontHeight, ScreenPixelsPerInchY());
    int pointTenths = options.fontHeight;
    if (AskFont(Handle(), font, pointTenths, CF_SCREENFONTS)) TakeChosenFont(font, pointTenths);
}

void CPrintPrefsDlg::TakeChosenFont(const LOGFONTA& font, int pointTenths) {
    PrintSettings& options = choices_.options;
    options.fontFace = std::string(font.lfFaceName).substr(0, kFontFaceMax);
    options.fontHeight = pointTenths;
    options.fontItalic = font.lfItalic != 0;
    options.fontWeight = StoredFontWeight(font.lfWeight);
    ShowFontTexts();
}

void CPrintPrefsDlg::ShowFontTexts() {
    const PrintSettings& options = choices_.options;
    ::SetDlgItemTextA(Handle(), IDC_FONT_NAME, options.fontFace.c_str());
    const std::string description = FontDescription(
        LoadResourceString(StyleWordId(FontStyleOf(options.fontWeight, options.fontItalic))),
        LoadResourceString(IDS_FONT_POINT_SIZE), options.fontHeight);
    ::SetDlgItemTextA(Handle(), IDC_FONT_DESCRIPTION, description.c_str());
}

}  // namespace tw
