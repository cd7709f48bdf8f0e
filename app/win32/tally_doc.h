#pragma once
// The program's document: a time document (CWorkmetrDoc) that is also a framework document
// (CAppDocument), sharing one path, title and modified flag. It answers the totals-mode and
// item list commands and takes the closing steps of the time document before the framework
// closes it.

#include "doc/document.h"
#include "framework/win32/document.h"

namespace tw {

class CTallyDoc : public CWorkmetrDoc, public CAppDocument {
public:
    CTallyDoc();

    // With auto-save on, a modified document is saved without a question before it closes (one
    // without a path asks for one); when that is cancelled or fails it stays open.
    bool SaveModified() override;
    // Records the path for reopening while the main window closes.
    void OnCloseDocument() override;

protected:
    // A file that opens but is refused shows the Open Error text once (the reader shows it
    // itself for a foreign header); other failures the file system's reason.
    void ReportOpenFailure(const std::string& path, const std::string& reason) override;

private:
    void RegisterCommands();
    void TotalsModeCommand(unsigned id, int mode);
    void ListEditorCommand(unsigned id, int list);
};

}  // namespace tw
