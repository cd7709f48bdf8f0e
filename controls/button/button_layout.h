#pragma once
// Where the button puts its caption, its picture and its colour swatch inside the client
// area. Portable: sizes in, boxes out.

namespace tw {

struct Box {
    int left, top, right, bottom;  // right and bottom exclusive; an empty box draws nothing
};

inline bool IsEmptyBox(const Box& b) { return b.right <= b.left || b.bottom <= b.top; }

struct ButtonContent {
    int captionWidth, captionHeight;  // 0 x 0 without a caption
    int pictureWidth, pictureHeight;  // 0 x 0 without a picture
    bool swatch;                      // the colour swatch instead of a picture
    bool designerBand;                // in a designer: the picture in a band 20 pixels high
};

struct ButtonLayout {
    Box caption;
    Box picture;
    Box swatch;
};

constexpr int kButtonFrameInset = 4;  // frame and margin on every side
constexpr int kButtonContentGap = 4;  // between the picture (or swatch) and the caption
constexpr int kDesignerBandHeight = 20;
constexpr int kSwatchBesideCaption = 12;  // side of a swatch shown beside a caption

// The boxes of the content in a client area of width x height. Picture (or swatch) and caption
// sit side by side, centred together; a swatch alone fills the inner area; in a designer the
// picture takes a band at the top and the caption is centred below it.
ButtonLayout LayOutButton(int width, int height, const ButtonContent& content);

}  // namespace tw
