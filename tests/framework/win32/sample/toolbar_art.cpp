#include "toolbar_art.h"

namespace tw::sample {

namespace {

// Pens and brushes selected for the duration of one drawing step.
class Pen {
public:
    Pen(HDC dc, COLORREF colour, int width = 1)
        : dc_(dc), pen_(::CreatePen(PS_SOLID, width, colour)), old_(::SelectObject(dc, pen_)) {}
    ~Pen() {
        ::SelectObject(dc_, old_);
        ::DeleteObject(pen_);
    }

private:
    HDC dc_;
    HPEN pen_;
    HGDIOBJ old_;
};

void Fill(HDC dc, int x, int y, int w, int h, COLORREF colour) {
    RECT rc{x, y, x + w, y + h};
    HBRUSH brush = ::CreateSolidBrush(colour);
    ::FillRect(dc, &rc, brush);
    ::DeleteObject(brush);
}

void Frame(HDC dc, int x, int y, int w, int h, COLORREF colour) {
    Pen pen(dc, colour);
    ::MoveToEx(dc, x, y, nullptr);
    ::LineTo(dc, x + w - 1, y);
    ::LineTo(dc, x + w - 1, y + h - 1);
    ::LineTo(dc, x, y + h - 1);
    ::LineTo(dc, x, y);
}

void Line(HDC dc, int x0, int y0, int x1, int y1, COLORREF colour, int width = 1) {
    Pen pen(dc, colour, width);
    ::MoveToEx(dc, x0, y0, nullptr);
    ::LineTo(dc, x1, y1);
}

const COLORREF kInk = RGB(0, 0, 0);
const COLORREF kPaper = RGB(255, 255, 255);
const COLORREF kBlue = RGB(0, 0, 160);
const COLORREF kYellow = RGB(230, 190, 40);
const COLORREF kGrey = RGB(128, 128, 128);
const COLORREF kRed = RGB(200, 30, 30);
const COLORREF kGreen = RGB(0, 140, 60);

void Page(HDC dc, int x, int y, int w, int h) {
    Fill(dc, x, y, w, h, kPaper);
    Frame(dc, x, y, w, h, kInk);
}

void TextLines(HDC dc, int x, int y, int w, int count) {
    for (int i = 0; i < count; ++i) Line(dc, x, y + 2 * i, x + w, y + 2 * i, kBlue);
}

void DrawGlyph(HDC dc, Glyph glyph, int x, int y) {
    switch (glyph) {
        case Glyph::New:
            Page(dc, x + 3, y + 1, 10, 13);
            Fill(dc, x + 10, y + 1, 3, 3, kYellow);
            break;
        case Glyph::Open:
            Fill(dc, x + 1, y + 4, 13, 9, kYellow);
            Frame(dc, x + 1, y + 4, 13, 9, kInk);
            Fill(dc, x + 2, y + 2, 5, 2, kYellow);
            break;
        case Glyph::Save:
            Fill(dc, x + 2, y + 1, 12, 13, kBlue);
            Fill(dc, x + 4, y + 2, 8, 5, kPaper);
            Fill(dc, x + 5, y + 10, 6, 4, kGrey);
            break;
        case Glyph::Cut:
            Line(dc, x + 4, y + 1, x + 10, y + 10, kInk);
            Line(dc, x + 11, y + 1, x + 5, y + 10, kInk);
            Frame(dc, x + 2, y + 10, 4, 4, kInk);
            Frame(dc, x + 9, y + 10, 4, 4, kInk);
            break;
        case Glyph::Copy:
            Page(dc, x + 1, y + 1, 8, 10);
            Page(dc, x + 6, y + 4, 8, 10);
            TextLines(dc, x + 8, y + 7, 4, 3);
            break;
        case Glyph::Paste:
            Fill(dc, x + 2, y + 2, 10, 12, RGB(150, 100, 40));
            Fill(dc, x + 5, y + 1, 4, 3, kGrey);
            Page(dc, x + 7, y + 6, 8, 9);
            break;
        case Glyph::Print:
            Page(dc, x + 4, y + 1, 8, 6);
            Fill(dc, x + 1, y + 7, 14, 5, kGrey);
            Frame(dc, x + 1, y + 7, 14, 5, kInk);
            Fill(dc, x + 11, y + 8, 2, 1, kGreen);
            break;
        case Glyph::Preview:
            Page(dc, x + 1, y + 1, 9, 12);
            Frame(dc, x + 7, y + 6, 6, 6, kInk);
            Line(dc, x + 12, y + 11, x + 15, y + 14, kInk, 2);
            break;
        case Glyph::About:
            Fill(dc, x + 6, y + 2, 4, 3, kBlue);
            Fill(dc, x + 6, y + 6, 4, 8, kBlue);
            break;
        case Glyph::Pin:
            Fill(dc, x + 5, y + 1, 6, 7, kRed);
            Line(dc, x + 3, y + 8, x + 13, y + 8, kInk);
            Line(dc, x + 8, y + 8, x + 8, y + 14, kInk);
            break;
        case Glyph::Count:
            Frame(dc, x + 1, y + 1, 14, 13, kInk);
            Line(dc, x + 8, y + 3, x + 8, y + 12, kGreen, 2);
            Line(dc, x + 4, y + 7, x + 12, y + 7, kGreen, 2);
            break;
        case Glyph::Options:
            Page(dc, x + 2, y + 1, 12, 13);
            Fill(dc, x + 4, y + 4, 2, 2, kInk);
            Fill(dc, x + 4, y + 9, 2, 2, kInk);
            TextLines(dc, x + 7, y + 5, 5, 1);
            TextLines(dc, x + 7, y + 10, 5, 1);
            break;
        case Glyph::Preferences:
            Fill(dc, x + 2, y + 4, 12, 10, RGB(220, 220, 220));
            Frame(dc, x + 2, y + 4, 12, 10, kInk);
            Fill(dc, x + 2, y + 2, 5, 3, RGB(220, 220, 220));
            Frame(dc, x + 2, y + 2, 5, 3, kInk);
            TextLines(dc, x + 4, y + 7, 8, 3);
            break;
    }
}

}  // namespace

HBITMAP DrawToolBarImages(const std::vector<Glyph>& glyphs, SIZE size) {
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    int width = size.cx * static_cast<int>(glyphs.size());
    HBITMAP strip = ::CreateCompatibleBitmap(screen, width, size.cy);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ old = ::SelectObject(dc, strip);
    Fill(dc, 0, 0, width, size.cy, ::GetSysColor(COLOR_BTNFACE));
    // Glyphs are drawn for 16 x 15; larger images centre them.
    int dx = (size.cx - 16) / 2;
    int dy = (size.cy - 15) / 2;
    for (size_t i = 0; i < glyphs.size(); ++i) {
        DrawGlyph(dc, glyphs[i], static_cast<int>(i) * size.cx + dx, dy);
    }
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    return strip;
}

HICON DrawDocumentIcon(COLORREF band) {
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP colour = ::CreateCompatibleBitmap(screen, 32, 32);
    HBITMAP mask = ::CreateBitmap(32, 32, 1, 1, nullptr);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ old = ::SelectObject(dc, colour);
    Fill(dc, 0, 0, 32, 32, kInk);
    Page(dc, 6, 2, 20, 28);
    Fill(dc, 7, 3, 18, 6, band);
    TextLines(dc, 9, 13, 14, 7);
    ::SelectObject(dc, mask);
    Fill(dc, 0, 0, 32, 32, RGB(255, 255, 255));
    Fill(dc, 6, 2, 20, 28, RGB(0, 0, 0));
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ICONINFO info{TRUE, 0, 0, mask, colour};
    HICON icon = ::CreateIconIndirect(&info);
    ::DeleteObject(colour);
    ::DeleteObject(mask);
    return icon;
}

}  // namespace tw::sample
