#pragma once
// The sample's document: free notes, a counter and the lines printed per page.

#include <string>

#include "framework/object.h"
#include "framework/win32/document.h"

namespace tw::sample {

class CSampleDoc : public CAppDocument {
public:
    TW_DECLARE_SERIAL(CSampleDoc)
    CSampleDoc();

    void Serialize(CArchive& ar) override;
    void DeleteContents() override;

    void SetNotes(const std::string& notes);
    void Count();

    std::string notes;
    int count = 0;
    int linesPerPage = 40;
    bool pinned = false;
};

}  // namespace tw::sample
