#include "dialogs/win32/doc_prefs_pages.h"

#include "app/res/resource.h"
#include "dialogs/item_choices.h"
#include "dialogs/time_display_choice.h"
#include "dialogs/win32/combo_entries.h"
#include "framework/prompt.h"
#include "framework/win32/window.h"

namespace tw {

namespace {

constexpr int kIncrementIds[kIncrementChoiceCount] = {
    IDC_INCREMENT_SECOND, IDC_INCREMENT_MINUTE, IDC_INCREMENT_6_MINUTES, IDC_INCREMENT_15_MINUTES,
    IDC_INCREMENT_HUNDREDTHS};
constexpr int kItemListIds[kItemListCount] = {IDC_PROJECT, IDC_CATEGORY, IDC_CLIENT};

int IncrementOfRadio(UINT id) {
    for (int i = 0; i < kIncrementChoiceCount; ++i)
        if (kIncrementIds[i] == static_cast<int>(id)) return i;
    return -1;
}

}  // namespace

CDocPrefTimeDisplay::CDocPrefTimeDisplay(TimeDisplaySettings& settings)
    : CPropertyPage(IDD_PREF_TIME_DISPLAY), settings_(settings) {}

void CDocPrefTimeDisplay::DoDataExchange(CDataExchange& dx) {
    int increment = settings_.increment;
    dx.Radio({IDC_INCREMENT_SECOND, IDC_INCREMENT_MINUTE, IDC_INCREMENT_6_MINUTES,
              IDC_INCREMENT_15_MINUTES, IDC_INCREMENT_HUNDREDTHS},
             increment);
    if (increment < 0) increment = settings_.increment;
    bool decimal = settings_.decimalNotation;
    dx.Check(IDC_DECIMAL_NOTATION, decimal);
    int count = settings_.hundredths;
    // A count that cannot be edited is neither read nor checked.
    if (!dx.Saving() || HundredthsEditable(increment)) {
        dx.Text(IDC_HUNDREDTHS_COUNT, count);
        dx.IntRange(IDC_HUNDREDTHS_COUNT, count, kHundredthsMin, kHundredthsMax);
    }
    if (dx.Failed()) return;
    if (dx.Saving())
        settings_ = ChosenTimeDisplay(settings_, increment, decimal, count);
    else
        EnableFor(increment);
}

bool CDocPrefTimeDisplay::OnCommand(UINT id, UINT code, HWND) {
    const int increment = IncrementOfRadio(id);
    if (increment < 0 || code != BN_CLICKED) return false;
    EnableFor(increment);
    return true;
}

void CDocPrefTimeDisplay::EnableFor(int increment) {
    const bool decimal = DecimalNotationAllowed(increment);
    if (!decimal) ::CheckDlgButton(hwnd_, IDC_DECIMAL_NOTATION, BST_UNCHECKED);
    ::EnableWindow(Item(IDC_DECIMAL_NOTATION), decimal);
    ::EnableWindow(Item(IDC_HUNDREDTHS_COUNT), HundredthsEditable(increment));
}

CDocPrefDefault::CDocPrefDefault(RecordDefaults& defaults, const CWorkmetrDoc& doc)
    : CPropertyPage(IDD_PREF_DEFAULTS), defaults_(defaults), doc_(doc) {}

bool CDocPrefDefault::OnInitDialog() {
    if (!FillLists()) {
        CancelSheetOf(hwnd_);
        return true;
    }
    const int slots[kItemListCount] = {defaults_.project, defaults_.category, defaults_.client};
    for (int type = 0; type < kItemListCount; ++type)
        SelectComboData(Item(kItemListIds[type]), slots[type]);
    ::CheckRadioButton(
        hwnd_, IDC_DEFAULTS_PREVIOUS_RECORD, IDC_DEFAULTS_ITEMS_BELOW,
        defaults_.useDefinedItems ? IDC_DEFAULTS_ITEMS_BELOW : IDC_DEFAULTS_PREVIOUS_RECORD);
    ::CheckDlgButton(hwnd_, IDC_MARK, defaults_.mark != 0 ? BST_CHECKED : BST_UNCHECKED);
    EnableItems(defaults_.useDefinedItems);
    return true;
}

// A list that cannot be filled is reported (low memory when it ran out of space).
bool CDocPrefDefault::FillLists() {
    for (int type = 0; type < kItemListCount; ++type) {
        for (const ItemChoice& choice : ItemChoices(doc_, type)) {
            const ComboFill result = AddComboEntry(Item(kItemListIds[type]), choice.text,
                                                   static_cast<LPARAM>(choice.index));
            if (result == ComboFill::kDone) continue;
            Tell(LoadResourceString(result == ComboFill::kNoSpace ? IDS_LOW_MEMORY
                                                                  : IDS_EDIT_TIME_INIT_FAILED));
            return false;
        }
    }
    return true;
}

bool CDocPrefDefault::OnCommand(UINT id, UINT code, HWND) {
    if (code != BN_CLICKED ||
        (id != IDC_DEFAULTS_PREVIOUS_RECORD && id != IDC_DEFAULTS_ITEMS_BELOW)) {
        return false;
    }
    EnableItems(id == IDC_DEFAULTS_ITEMS_BELOW);
    return true;
}

void CDocPrefDefault::EnableItems(bool on) {
    for (int id : kItemListIds) ::EnableWindow(Item(id), on);
    ::EnableWindow(Item(IDC_MARK), on);
}

bool CDocPrefDefault::OnKillActive() {
    int* slots[kItemListCount] = {&defaults_.project, &defaults_.category, &defaults_.client};
    for (int type = 0; type < kItemListCount; ++type)
        *slots[type] = static_cast<int>(SelectedComboData(Item(kItemListIds[type]), 0));
    defaults_.mark = ::IsDlgButtonChecked(hwnd_, IDC_MARK) == BST_CHECKED ? 1 : 0;
    defaults_.useDefinedItems =
        ::IsDlgButtonChecked(hwnd_, IDC_DEFAULTS_PREVIOUS_RECORD) != BST_CHECKED;
    return true;
}

}  // namespace tw
