#include "sample_doc.h"

#include "framework/archive.h"
#include "sample_resources.h"

namespace tw::sample {

TW_IMPLEMENT_SERIAL(CSampleDoc, 1)

CSampleDoc::CSampleDoc() {
    OnCommand(ID_SAMPLE_COUNT, [this] { Count(); });
    OnCommand(ID_SAMPLE_PIN, [this] { pinned = !pinned; });
    OnUpdateCommand(ID_SAMPLE_PIN, [this](CommandState& s) { s.SetCheck(pinned); });
    OnUpdateCommand(ID_SAMPLE_COUNT, [this](CommandState& s) {
        s.Enable(!pinned);
        s.SetText("&Count (" + std::to_string(count) + ")\tF4");
    });
}

void CSampleDoc::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteString(notes);
        ar.WriteI32(count);
        ar.WriteI32(linesPerPage);
    } else {
        notes = ar.ReadString();
        count = ar.ReadI32();
        linesPerPage = ar.ReadI32();
        if (linesPerPage < 10 || linesPerPage > 100) linesPerPage = 40;
    }
}

void CSampleDoc::DeleteContents() {
    notes.clear();
    count = 0;
    linesPerPage = 40;
}

void CSampleDoc::SetNotes(const std::string& text) {
    if (text == notes) return;
    notes = text;
    SetModifiedFlag();
}

void CSampleDoc::Count() {
    ++count;
    SetModifiedFlag();
    UpdateAllViews(nullptr);
}

}  // namespace tw::sample
