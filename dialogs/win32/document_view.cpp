#include "dialogs/win32/document_view.h"

#include "app/win32/tally_doc.h"
#include "view/win32/form_dlg.h"

namespace tw {

CFormDlg* TableViewOf(const CTallyDoc& doc) {
    for (CView* view : doc.Views())
        if (auto* form = dynamic_cast<CFormDlg*>(view)) return form;
    return nullptr;
}

}  // namespace tw
