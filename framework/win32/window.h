#pragma once
// Thin window wrappers. CWindow is a handle with typed helpers and no state of its own;
// CWindowImpl is a window whose messages arrive at the virtual WindowProc of a C++ object.

#include <windows.h>

#include <string>

namespace tw {

class CWindow {
public:
    // Constructors
    explicit CWindow(HWND hwnd = nullptr) : hwnd_(hwnd) {}

    // Attributes
    HWND Handle() const { return hwnd_; }
    bool IsWindow() const { return hwnd_ != nullptr && ::IsWindow(hwnd_); }
    std::string GetText() const;
    void SetText(const std::string& text) const;
    RECT ClientRect() const;
    RECT WindowRect() const;
    HWND Item(int id) const { return hwnd_ ? ::GetDlgItem(hwnd_, id) : nullptr; }
    // Show state and the normal, minimised and maximised positions.
    WINDOWPLACEMENT Placement() const;

    // Operations
    LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const {
        return hwnd_ ? ::SendMessageA(hwnd_, msg, wp, lp) : 0;
    }
    void Show(int how = SW_SHOW) const {
        if (hwnd_) ::ShowWindow(hwnd_, how);
    }
    void Destroy();
    void SetPlacement(const WINDOWPLACEMENT& placement) const;
    // Adds an item at the end of the window's system menu (id 0: a separator).
    void AppendSystemMenuItem(UINT id, const std::string& text) const;

protected:
    HWND hwnd_;
};

class CWindowImpl : public CWindow {
public:
    CWindowImpl() = default;
    virtual ~CWindowImpl();
    CWindowImpl(const CWindowImpl&) = delete;
    CWindowImpl& operator=(const CWindowImpl&) = delete;

    // The object behind a window made by CreateImpl, or null.
    static CWindowImpl* FromHandle(HWND hwnd);

    // Registers a window class whose messages go to the objects (once per name).
    static bool RegisterImplClass(const char* className, UINT style, HICON icon, HBRUSH background);

protected:
    // Creates the window with this object as its message target; false on failure. A rect
    // whose left is CW_USEDEFAULT lets the system place and size the window.
    bool CreateImpl(DWORD exStyle, const char* className, const char* title, DWORD style,
                    const RECT& rect, HWND parent, HMENU menuOrId);

    // Messages of the window; the default passes them to DefProc.
    virtual LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp);
    // What a message nobody handles gets (DefWindowProc unless a frame needs another).
    virtual LRESULT DefProc(UINT msg, WPARAM wp, LPARAM lp);
    // Called after WM_NCDESTROY, when the handle is gone.
    virtual void OnFinalMessage() {}

    // Binds an existing window (a dialog, an MDI child made by the client) to this object.
    void Attach(HWND hwnd);

    static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

private:
    void Detach();
};

// Instance of the module that holds the resources (the program's).
HINSTANCE ResourceInstance();
// A text from the string table, or an empty text when id has none.
std::string LoadResourceString(UINT id);

}  // namespace tw
