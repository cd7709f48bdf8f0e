#include "dialogs/win32/rate_list_command.h"

#include "dialogs/win32/rate_list_dlg.h"

namespace tw {

bool RunRateListEditor(CWorkmetrDoc& doc, int list, HWND parent) {
    CRateListDlg dialog(doc, list, parent);
    if (dialog.DoModal() != IDOK) return false;
    dialog.Model().ApplyTo(doc);
    return true;
}

}  // namespace tw
