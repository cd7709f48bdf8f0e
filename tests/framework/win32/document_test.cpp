// Documents: numbered new titles, open and save through files, the save question on close
// (answered by the test) and its hook, and the standard file-error texts.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstdio>
#include <cstring>

#include "framework/win32/doc_template.h"
#include "test_support.h"

namespace tw::test {
namespace {

void WriteFile(const std::string& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

bool Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TextDocument* NewText(TestApp& app) { return static_cast<TextDocument*>(app.NewDocument()); }

TEST(Document, NewTitlesOpenAndSave) {
    TestApp app(IsolatedKeyPath("document"));
    TextDocument* first = NewText(app);
    TextDocument* second = NewText(app);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(first->GetTitle(), "Tally1");
    EXPECT_EQ(second->GetTitle(), "Tally2");
    EXPECT_EQ(app.MainFrame()->ActiveChild()->GetText(), "Tally2");

    std::string path = TempPath("tw_document_test.twt");
    ::DeleteFileA(path.c_str());
    first->text = "hello";
    first->SetModifiedFlag();
    first->savePath = path;
    ASSERT_TRUE(first->DoFileSave());  // no path yet: Save As
    EXPECT_FALSE(first->IsModified());
    EXPECT_EQ(first->GetTitle(), "tw_document_test.twt");
    EXPECT_EQ(first->Views().front()->Frame()->GetText(), "tw_document_test.twt");
    EXPECT_EQ(app.RecentFiles().At(0), path);

    // Opening an open file activates its window; after closing it reads the file again.
    EXPECT_EQ(app.OpenDocumentFile(path), first);
    first->OnCloseDocument();
    auto* reread = static_cast<TextDocument*>(app.OpenDocumentFile(path));
    ASSERT_NE(reread, nullptr);
    EXPECT_EQ(reread->text, "hello");
    EXPECT_FALSE(reread->IsModified());
    EXPECT_EQ(app.Template().Documents().size(), 2u);

    // Save As cancelled leaves everything as it was.
    reread->savePath.reset();
    reread->SetModifiedFlag();
    EXPECT_FALSE(reread->DoSave(""));
    EXPECT_TRUE(reread->IsModified());
    EXPECT_EQ(reread->GetPathName(), path);
    ::DeleteFileA(path.c_str());
}

TEST(Document, OpenFailuresShowTheFileErrorText) {
    ScriptedPrompter prompter;
    ScopedPrompter scope(prompter);
    TestApp app(IsolatedKeyPath("document-errors"));
    std::string missing = TempPath("tw_no_such_file.twt");
    ::DeleteFileA(missing.c_str());
    app.AddToRecentFiles(missing);
    EXPECT_EQ(app.OpenDocumentFile(missing), nullptr);
    ASSERT_EQ(prompter.Shown().size(), 1u);
    EXPECT_EQ(prompter.Shown().back(), missing + " was not found.");
    EXPECT_EQ(app.RecentFiles().Count(), 0);  // an entry that no longer opens leaves the list

    std::string damaged = TempPath("tw_damaged.twt");
    WriteFile(damaged, std::string("\x40\x00\x00", 3));  // a text length with no text after it
    EXPECT_EQ(app.OpenDocumentFile(damaged), nullptr);
    EXPECT_EQ(prompter.Shown().back(), damaged + " is not in the expected format.");
    EXPECT_TRUE(app.Template().Documents().empty());
    ::DeleteFileA(damaged.c_str());
}

TEST(Document, AsksToSaveChangesOnCloseUnlessTheHookSaysNo) {
    ScriptedPrompter prompter;
    ScopedPrompter scope(prompter);
    TestApp app(IsolatedKeyPath("document-close"));
    const auto& docs = app.Template().Documents();

    TextDocument* doc = NewText(app);
    ASSERT_NE(doc, nullptr);
    HWND frame = doc->Views().front()->Frame()->Handle();
    doc->SetModifiedFlag();
    prompter.Queue(PromptAnswer::Cancel);
    ::SendMessageA(frame, WM_CLOSE, 0, 0);
    ASSERT_EQ(prompter.Shown().size(), 1u);
    EXPECT_EQ(prompter.Shown()[0], "Save changes to Tally1?");
    EXPECT_EQ(docs.size(), 1u);
    EXPECT_TRUE(::IsWindow(frame));

    prompter.Queue(PromptAnswer::No);
    ::SendMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_TRUE(docs.empty());
    EXPECT_FALSE(::IsWindow(frame));

    std::string path = TempPath("tw_close_yes.twt");
    ::DeleteFileA(path.c_str());
    TextDocument* saved = NewText(app);
    saved->text = "kept";
    saved->savePath = path;
    saved->SetModifiedFlag();
    prompter.Queue(PromptAnswer::Yes);
    ::SendMessageA(saved->Views().front()->Frame()->Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(prompter.Shown().back(), "Save changes to Tally2?");
    EXPECT_TRUE(Exists(path));
    EXPECT_TRUE(docs.empty());

    size_t asked = prompter.Shown().size();
    TextDocument* quiet = NewText(app);
    quiet->SetModifiedFlag();
    quiet->skipQuestion = true;
    TextDocument* clean = NewText(app);
    EXPECT_TRUE(app.SaveAllModified());
    ::SendMessageA(quiet->Views().front()->Frame()->Handle(), WM_CLOSE, 0, 0);
    ::SendMessageA(clean->Views().front()->Frame()->Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(prompter.Shown().size(), asked);
    EXPECT_TRUE(docs.empty());

    // Closing the main window with a modified document: Cancel keeps everything open.
    TextDocument* pending = NewText(app);
    pending->SetModifiedFlag();
    prompter.Queue(PromptAnswer::Cancel);
    ::SendMessageA(app.MainWindow(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(::IsWindow(app.MainWindow()));
    EXPECT_EQ(docs.size(), 1u);
    prompter.Queue(PromptAnswer::No);
    HWND main = app.MainWindow();
    ::SendMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_FALSE(::IsWindow(main));
    EXPECT_TRUE(docs.empty());
    ::DeleteFileA(path.c_str());
}

// A drop of paths as the shell makes it: DROPFILES followed by NUL-separated ANSI paths.
HDROP MakeDrop(const std::vector<std::string>& paths) {
    std::string list;
    for (const std::string& p : paths) list += p + '\0';
    list += '\0';
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + list.size());
    auto* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = FALSE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), list.size());
    ::GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

TEST(Document, DroppedFilesAndOpenRequestsOfAnotherInstanceOpen) {
    TestApp app(IsolatedKeyPath("document-drop"));
    std::vector<std::string> paths;
    for (const char* name : {"tw_drop_a.twt", "tw_drop_b.twt", "tw_sent.twt"}) {
        TextDocument* doc = NewText(app);
        doc->text = name;
        ASSERT_TRUE(doc->DoSave(TempPath(name)));
        paths.push_back(TempPath(name));
    }
    app.CloseAllDocuments();

    ::SendMessageA(app.MainWindow(), WM_DROPFILES,
                   reinterpret_cast<WPARAM>(MakeDrop({paths[0], paths[1]})), 0);
    const auto& docs = app.Template().Documents();
    ASSERT_EQ(docs.size(), 2u);
    EXPECT_EQ(static_cast<TextDocument*>(docs[0].get())->text, "tw_drop_a.twt");
    EXPECT_EQ(static_cast<TextDocument*>(docs[1].get())->text, "tw_drop_b.twt");

    COPYDATASTRUCT request{kOpenRequestData, static_cast<DWORD>(paths[2].size() + 1),
                           const_cast<char*>(paths[2].c_str())};
    EXPECT_EQ(::SendMessageA(app.MainWindow(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&request)),
              TRUE);
    EXPECT_EQ(app.MainFrame()->ActiveDocument()->GetPathName(), paths[2]);
    COPYDATASTRUCT foreign{0x1234, 4, const_cast<char*>("abc")};
    EXPECT_EQ(::SendMessageA(app.MainWindow(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&foreign)),
              FALSE);
    EXPECT_EQ(docs.size(), 3u);
    for (const std::string& p : paths) ::DeleteFileA(p.c_str());
}

}  // namespace
}  // namespace tw::test
