// Layout of the button's content (see button_layout.h).

#include "controls/button/button_layout.h"

namespace tw {
namespace {

int Min(int a, int b) { return a < b ? a : b; }

// A box of w x h centred vertically in [top, bottom) starting at x.
Box CentredAt(int x, int top, int bottom, int w, int h) {
    const int y = top + (bottom - top - h) / 2;
    return {x, y, x + w, y + h};
}

// A box of w x h centred in `area`.
Box CentredIn(const Box& area, int w, int h) {
    const int x = area.left + (area.right - area.left - w) / 2;
    return CentredAt(x, area.top, area.bottom, w, h);
}

ButtonLayout DesignerLayout(const Box& inner, const ButtonContent& c) {
    ButtonLayout layout = {};
    Box band = {inner.left, inner.top, inner.right,
                Min(inner.bottom, inner.top + kDesignerBandHeight)};
    layout.picture = CentredIn(band, c.pictureWidth, c.pictureHeight);
    Box below = {inner.left, band.bottom, inner.right, inner.bottom};
    if (c.captionWidth > 0) layout.caption = CentredIn(below, c.captionWidth, c.captionHeight);
    return layout;
}

}  // namespace

ButtonLayout LayOutButton(int width, int height, const ButtonContent& c) {
    const Box inner = {kButtonFrameInset, kButtonFrameInset, width - kButtonFrameInset,
                       height - kButtonFrameInset};
    ButtonLayout layout = {};
    if (IsEmptyBox(inner)) return layout;
    const bool hasCaption = c.captionWidth > 0;
    if (c.swatch && !hasCaption) {
        layout.swatch = inner;
        return layout;
    }
    if (!c.swatch && c.designerBand && c.pictureWidth > 0) return DesignerLayout(inner, c);

    int sideW = 0, sideH = 0;  // the picture or swatch beside the caption
    if (c.swatch) {
        sideW = sideH = Min(kSwatchBesideCaption, inner.bottom - inner.top);
    } else {
        sideW = c.pictureWidth;
        sideH = c.pictureHeight;
    }
    const int gap = sideW > 0 && hasCaption ? kButtonContentGap : 0;
    const int total = sideW + gap + c.captionWidth;
    const int x = inner.left + (inner.right - inner.left - total) / 2;
    const Box side = CentredAt(x, inner.top, inner.bottom, sideW, sideH);
    (c.swatch ? layout.swatch : layout.picture) = side;
    if (hasCaption)
        layout.caption =
            CentredAt(x + sideW + gap, inner.top, inner.bottom, c.captionWidth, c.captionHeight);
    return layout;
}

}  // namespace tw
