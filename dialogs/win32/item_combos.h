#pragma once
// The drop-down lists of a document's projects, categories and clients in a dialog (Edit Time,
// Mark Special). Two sets exist in the template, both hidden: 292-294 sort their entries,
// 295-297 keep the list order; the set the document's "always sort items" asks for is shown
// and filled. Each entry carries its slot in the document's list as item data.

#include <windows.h>

namespace tw {

class CWorkmetrDoc;

class CItemCombos {
public:
    enum class FillResult { kDone, kNoSpace, kFailed };

    // Shows the set the document asks for, hides the other and fills the shown lists with the
    // document's item choices. kNoSpace when a list ran out of space, kFailed when a list is
    // missing or refused an entry otherwise.
    FillResult Fill(HWND dialog, const CWorkmetrDoc& doc);
    // The string-table id of the message for a failed fill (low memory or the initialising
    // error of the dialog).
    static UINT FailureMessageId(FillResult result);

    // The shown list of `type` (0 projects, 1 categories, 2 clients), or null.
    HWND List(int type) const;
    // Selects the entry of slot `index`; none when the slot has no entry.
    void Select(int type, int index);
    // The slot of the selected entry, or -1 when none is selected.
    int Chosen(int type) const;

private:
    HWND lists_[3] = {};
};

}  // namespace tw
