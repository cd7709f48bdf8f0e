#pragma once
// Test harness for outline lists: a parent window that records what the list sends it (in
// order) and can react to a notification by refusing it, destroying the list or deleting the
// item; and a snapshot of a window's client area painted through WM_PRINTCLIENT.

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "controls/tarn32.h"

namespace tw::test {

constexpr int kListId = 42;

// One message the parent received from the list.
struct OutlineEvent {
    UINT message;  // WM_NOTIFY, WM_COMMAND, WM_DELETEITEM, WM_DRAWITEM, WM_MEASUREITEM, ...
    int code;      // WM_NOTIFY: the record's code; WM_COMMAND: the notification code
    NMOUTLINE record;
    UINT itemId;       // WM_DELETEITEM, WM_DRAWITEM, WM_MEASUREITEM: the row
    ULONG_PTR data;    // their item data
    UINT state;        // WM_DRAWITEM: ODS_ bits
    std::string text;  // WM_DRAWITEM in lists with strings: the text the data points to
};

class OutlineParent {
public:
    OutlineParent();
    ~OutlineParent();
    OutlineParent(const OutlineParent&) = delete;
    OutlineParent& operator=(const OutlineParent&) = delete;

    HWND Handle() const { return hwnd_; }
    // A list of `style` (plus WS_CHILD | WS_VISIBLE) with id kListId at (10, 10).
    HWND CreateList(DWORD style, int width = 300, int height = 200);

    std::vector<OutlineEvent>& Events() { return events_; }
    // The notifications in order, as "notify -801", "command 3", "deleteitem", ...
    std::vector<std::string> Sequence() const;
    void Clear() { events_.clear(); }

    // Reactions to the WM_NOTIFY code `code` (0 switches the reaction off).
    void RefuseOn(int code) { refuseOn_ = code; }
    void DestroyListOn(int code) { destroyOn_ = code; }
    void DeleteItemOn(int code) { deleteOn_ = code; }
    // The answer to WM_VKEYTOITEM and the height WM_MEASUREITEM gives.
    void AnswerKeysWith(LRESULT answer) { keyAnswer_ = answer; }
    void MeasureAs(UINT height) { measured_ = height; }
    // The brush WM_CTLCOLORLISTBOX gives (null: none).
    void ColorListWith(HBRUSH brush) { listBrush_ = brush; }
    // Runs `reaction` when the list asks for its brush, WM_MEASUREITEM, or any WM_NOTIFY (after
    // recording it); an empty function switches it off.
    void OnBrushRequest(std::function<void(HWND list)> reaction) { onBrush_ = std::move(reaction); }
    void OnMeasure(std::function<void(MEASUREITEMSTRUCT&)> reaction) {
        onMeasure_ = std::move(reaction);
    }
    void OnNotify(std::function<void(NMOUTLINE&)> reaction) { onNotify_ = std::move(reaction); }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void React(NMOUTLINE& record);

    HWND hwnd_ = nullptr;
    std::vector<OutlineEvent> events_;
    int refuseOn_ = 0, destroyOn_ = 0, deleteOn_ = 0;
    LRESULT keyAnswer_ = -1;
    UINT measured_ = 0;
    HBRUSH listBrush_ = nullptr;
    std::function<void(HWND)> onBrush_;
    std::function<void(MEASUREITEMSTRUCT&)> onMeasure_;
    std::function<void(NMOUTLINE&)> onNotify_;
};

// The client area of a window, painted through WM_PRINTCLIENT into a 32-bit bitmap.
class Snapshot {
public:
    explicit Snapshot(HWND hwnd);
    ~Snapshot();
    Snapshot(const Snapshot&) = delete;
    Snapshot& operator=(const Snapshot&) = delete;
    COLORREF At(int x, int y) const;
    // How many pixels of the rectangle (right and bottom excluded) have `color`.
    int Count(const RECT& area, COLORREF color) const;

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    const DWORD* bits_ = nullptr;
    int width_ = 0, height_ = 0;
};

constexpr COLORREF kWhite = RGB(255, 255, 255);

// The pixels of a cell of one of the library's bitmaps as painting shows them over a white
// background (the key colour, the bitmap's bottom-left pixel's, shows the background).
std::vector<COLORREF> CellAsPainted(int id, int cellX, int width, int height);
// The pixels of a rectangle of a snapshot, row by row.
std::vector<COLORREF> Painted(const Snapshot& shot, int left, int top, int width, int height);
// Which cell of the built-in strip (3 * image + state) a row of 18 pixels shows at `x` over a
// white background; -1 for none.
int ShownCell(HWND list, int row, int x);

// Sends a mouse button message with client coordinates.
void Click(HWND hwnd, UINT message, int x, int y, WPARAM keys = 0);

}  // namespace tw::test
