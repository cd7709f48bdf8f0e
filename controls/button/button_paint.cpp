// Painting of the button (see button_paint.h).

#include "controls/button/button_paint.h"

#include "controls/button/button_layout.h"
#include "controls/button/designer_query.h"
#include "controls/button/picture_drawing.h"
#include "controls/button/tarn32_button.h"
#include "controls/colors.h"
#include "controls/common/buffered_paint.h"

namespace tw {
namespace {

struct Palette {
    COLORREF face, text, highlight, shadow, darkShadow, defaultFrame;
};

// What one paint shows, gathered once.
struct PaintFacts {
    bool enabled, pushed, focused, isDefault, designer, picture, swatch;
    int width, height;
};

Palette PaletteOf(const ButtonState& s) {
    return {ResolveColor(s.colors[kButtonFace]),       ResolveColor(s.colors[kButtonText]),
            ResolveColor(s.colors[kButtonHighlight]),  ResolveColor(s.colors[kButtonShadow]),
            ResolveColor(s.colors[kButtonDarkShadow]), ResolveColor(s.colors[kButtonDefaultFrame])};
}

void Fill(HDC dc, const RECT& r, COLORREF colour) {
    SetBkColor(dc, colour);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

void Line(HDC dc, int x0, int y0, int x1, int y1, COLORREF colour) {
    const RECT r = {x0, y0, x1, y1};
    Fill(dc, r, colour);
}

// A two-pixel bevel inside `r`: outer and inner top-left, outer and inner bottom-right.
void Bevel(HDC dc, const RECT& r, COLORREF outerTL, COLORREF innerTL, COLORREF outerBR,
           COLORREF innerBR) {
    Line(dc, r.left, r.top, r.right, r.top + 1, outerTL);
    Line(dc, r.left, r.top, r.left + 1, r.bottom, outerTL);
    Line(dc, r.left + 1, r.top + 1, r.right - 1, r.top + 2, innerTL);
    Line(dc, r.left + 1, r.top + 1, r.left + 2, r.bottom - 1, innerTL);
    Line(dc, r.left, r.bottom - 1, r.right, r.bottom, outerBR);
    Line(dc, r.right - 1, r.top, r.right, r.bottom, outerBR);
    Line(dc, r.left + 1, r.bottom - 2, r.right - 1, r.bottom - 1, innerBR);
    Line(dc, r.right - 2, r.top + 1, r.right - 1, r.bottom - 1, innerBR);
}

void DrawFrame(HDC dc, RECT r, const PaintFacts& f, const Palette& p) {
    if (f.isDefault) {
        HBRUSH outline = CreateSolidBrush(p.defaultFrame);
        FrameRect(dc, &r, outline);
        DeleteObject(outline);
        InflateRect(&r, -1, -1);
    }
    if (f.pushed)
        Bevel(dc, r, p.darkShadow, p.shadow, p.highlight, p.face);
    else
        Bevel(dc, r, p.highlight, p.face, p.darkShadow, p.shadow);
}

SIZE CaptionSize(const ButtonState& s, HDC dc) {
    if (!s.caption[0]) return {0, 0};
    RECT r = {0, 0, 0, 0};
    DrawTextA(dc, s.caption, -1, &r, DT_SINGLELINE | DT_CALCRECT);
    return {r.right - r.left, r.bottom - r.top};
}

// The size of what the picture style shows: the client's bitmap, icon or metafile, else the
// strip cell (left out in a designer, and when the index is outside the strip).
SIZE PictureSize(const ButtonState& s, const PaintFacts& f) {
    if (s.bitmap) return BitmapSize(s.bitmap);
    if (s.icon) return IconSize(s.icon);
    if (s.metafile) {
        const int side = f.designer ? kDesignerBandHeight : f.height - 2 * kButtonFrameInset;
        return {side, side};
    }
    if (f.designer || int(s.pictureIndex) >= StripCellCount(s.strip, TB_STRIP_CELL_WIDTH) ||
        int(s.pictureIndex) < 0)
        return {0, 0};
    return {TB_STRIP_CELL_WIDTH, TB_STRIP_CELL_HEIGHT};
}

RECT RectOf(const Box& b, int shift) {
    return {b.left + shift, b.top + shift, b.right + shift, b.bottom + shift};
}

void DrawPicture(const ButtonState& s, HDC dc, const RECT& box, const PaintFacts& f,
                 const Palette& p) {
    const bool disabled = !f.enabled;
    if (s.bitmap) return DrawClientImage(dc, s.bitmap, ClientImage::Bitmap, box, disabled);
    if (s.icon) return DrawClientImage(dc, s.icon, ClientImage::Icon, box, disabled);
    if (s.metafile) return DrawClientMetafile(dc, s.metafile, box);
    const int index = int(s.pictureIndex);
    const int w = TB_STRIP_CELL_WIDTH, h = TB_STRIP_CELL_HEIGHT;
    if (!disabled)
        DrawStripCell(dc, s.strip, index, box.left, box.top, w, h);
    else if (s.secondStrip && index < StripCellCount(s.secondStrip, w))
        DrawStripCell(dc, s.secondStrip, index, box.left, box.top, w, h);
    else
        DrawEngravedCell(dc, s.strip, index, box.left, box.top, w, h, p.highlight, p.shadow);
}

void DrawSwatch(const ButtonState& s, HDC dc, const RECT& box, const PaintFacts& f,
                const Palette& p) {
    HBRUSH frame = CreateSolidBrush(f.enabled ? p.text : p.shadow);
    FrameRect(dc, &box, frame);
    DeleteObject(frame);
    RECT inside = box;
    InflateRect(&inside, -1, -1);
    Fill(dc, inside, ResolveColor(s.colorCode));
}

void DrawCaption(const ButtonState& s, HDC dc, RECT box, const PaintFacts& f, const Palette& p) {
    SetBkMode(dc, TRANSPARENT);
    const UINT format = DT_SINGLELINE | DT_CENTER | DT_VCENTER;
    if (!f.enabled) {
        RECT engraved = box;
        OffsetRect(&engraved, 1, 1);
        SetTextColor(dc, p.highlight);
        DrawTextA(dc, s.caption, -1, &engraved, format);
    }
    SetTextColor(dc, f.enabled ? p.text : p.shadow);
    DrawTextA(dc, s.caption, -1, &box, format);
    SetBkMode(dc, OPAQUE);
}

void DrawContent(const ButtonState& s, HDC dc, const PaintFacts& f, const Palette& p) {
    const SIZE caption = CaptionSize(s, dc);
    const SIZE picture = f.picture ? PictureSize(s, f) : SIZE{0, 0};
    const ButtonContent content = {int(caption.cx), int(caption.cy), int(picture.cx),
                                   int(picture.cy), f.swatch,        f.designer};
    const ButtonLayout layout = LayOutButton(f.width, f.height, content);
    const int shift = f.pushed ? 1 : 0;
    if (f.swatch && !IsEmptyBox(layout.swatch))
        DrawSwatch(s, dc, RectOf(layout.swatch, shift), f, p);
    if (!f.swatch && !IsEmptyBox(layout.picture))
        DrawPicture(s, dc, RectOf(layout.picture, shift), f, p);
    if (!IsEmptyBox(layout.caption)) DrawCaption(s, dc, RectOf(layout.caption, shift), f, p);
}

PaintFacts FactsOf(const ButtonState& s, const RECT& client) {
    const DWORD style = ButtonStyle(s);
    PaintFacts f = {};
    f.enabled = (s.state & kStateEnabled) != 0;
    f.pushed = IsPushed(s);
    f.focused = (s.state & kStateFocus) != 0;
    f.isDefault = (style & TBS_DEFAULT) != 0;
    f.swatch = (style & TBS_COLORCODE) != 0;
    f.picture = !f.swatch && (style & TBS_PICTURE) != 0;
    f.designer = f.picture && InDesignerOrDesignerAncestor(s.self);
    f.width = client.right;
    f.height = client.bottom;
    return f;
}

void DrawButton(const ButtonState& s, HDC dc, const RECT& client) {
    const PaintFacts f = FactsOf(s, client);
    const Palette p = PaletteOf(s);
    Fill(dc, client, p.face);
    DrawFrame(dc, client, f, p);
    HGDIOBJ oldFont = SelectObject(dc, s.font);
    DrawContent(s, dc, f, p);
    SelectObject(dc, oldFont);
    if (f.focused) {
        RECT focus = client;
        const int inset = f.isDefault ? 4 : 3;
        InflateRect(&focus, -inset, -inset);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace

LRESULT BTN_Paint(ButtonState& s) {
    return PaintBuffered(s.self, [&](HDC dc, const RECT& client) { DrawButton(s, dc, client); });
}

LRESULT BTN_PrintClient(ButtonState& s, HDC dc) {
    RECT client;
    GetClientRect(s.self, &client);
    DrawButton(s, dc, client);
    return 0;
}

}  // namespace tw
