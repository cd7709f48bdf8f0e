#pragma once
// The document as the frames see it: the portable document base plus its views, its template,
// the numbered titles of new documents, Save and Save As with the file dialog, the question
// "Save changes to %1?" before a modified document closes, and Close.

#include <optional>
#include <string>
#include <vector>

#include "framework/command_target.h"
#include "framework/document_base.h"

namespace tw {

class CDocTemplate;
class CMDIChild;
class CView;

// The document base is virtual: a program's document class derives from this and from its own
// portable document class, which share one CDocument.
class CAppDocument : public virtual CDocument, public CommandTarget {
public:
    CAppDocument();

    // Attributes
    CDocTemplate* Template() const { return template_; }
    void SetTemplate(CDocTemplate* owner) { template_ = owner; }
    const std::vector<CView*>& Views() const { return views_; }

    // Operations
    void AddView(CView* view);
    void RemoveView(CView* view);
    // Tells every view but sender that the document changed.
    void UpdateAllViews(CView* sender, long hint = 0);
    // Sets the title and shows it in the frames.
    void ChangeTitle(const std::string& title);

    // Save: to the document's path, or as Save As when it has none. True when saved.
    bool DoFileSave();
    // Saves to path; an empty path asks for one first. Takes the path over as the document's.
    bool DoSave(const std::string& path);
    // Asks "Save changes to %1?" for a modified document (unless SkipSaveQuestion says so) and
    // saves on Yes. False when the user cancelled or the save failed: the document stays open.
    virtual bool SaveModified();
    // True when the frame may close: the other views keep the document, else SaveModified.
    virtual bool CanCloseFrame(CMDIChild* frame);
    // Closes every frame of the document, frees its content and hands it back to its template,
    // which deletes it. Nothing of the document may be used after this call.
    void OnCloseDocument() override;

    // Overridables
    // True when the save question is not to be asked (the document saves itself instead).
    virtual bool SkipSaveQuestion() const { return false; }
    // The path for Save As: the save dialog with the template's filter; none on Cancel.
    virtual std::optional<std::string> AskSavePath();

protected:
    void ReportOpenFailure(const std::string& path, const std::string& reason) override;
    void ReportSaveFailure(const std::string& path, const std::string& reason) override;

private:
    void UpdateFrameTitles() const;

    CDocTemplate* template_ = nullptr;
    std::vector<CView*> views_;
};

}  // namespace tw
