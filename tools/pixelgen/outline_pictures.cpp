#include "tools/pixelgen/outline_pictures.h"

#include "tools/pixelgen/bmp_writer.h"

namespace tw::pixelgen {

namespace {

constexpr int kCellWidth = 18;
constexpr int kCellHeight = 16;
constexpr int kImages = 14;
constexpr int kBox = 11;

constexpr Rgb kBlack = 0x000000;
constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kGrey = 0x808080;
constexpr Rgb kSilver = 0xC0C0C0;
constexpr Rgb kYellow = 0xFFFF00;
constexpr Rgb kOlive = 0x808000;
constexpr Rgb kNavy = 0x000080;
constexpr Rgb kBlue = 0x0000FF;
constexpr Rgb kRed = 0xFF0000;
constexpr Rgb kGreen = 0x00FF00;
constexpr Rgb kTeal = 0x008080;

// Drawing inside one cell: coordinates are relative to the cell's top-left corner.
class Cell {
public:
    Cell(Image& image, int left) : image_(image), left_(left) {}
    void Dot(int x, int y, Rgb c) { image_.Set(left_ + x, y, c); }
    void Fill(int x0, int y0, int x1, int y1, Rgb c) {
        image_.FillRect(left_ + x0, y0, left_ + x1, y1, c);
    }
    void Frame(int x0, int y0, int x1, int y1, Rgb c) {
        Fill(x0, y0, x1, y0, c);
        Fill(x0, y1, x1, y1, c);
        Fill(x0, y0, x0, y1, c);
        Fill(x1, y0, x1, y1, c);
    }
    void Box(int x0, int y0, int x1, int y1, Rgb frame, Rgb inside) {
        Fill(x0, y0, x1, y1, inside);
        Frame(x0, y0, x1, y1, frame);
    }

private:
    Image& image_;
    int left_;
};

void ClosedFolder(Cell& c, bool full) {
    c.Box(2, 3, 7, 5, kOlive, kYellow);  // the tab
    c.Box(2, 5, 15, 13, kOlive, kYellow);
    if (full) c.Fill(4, 4, 13, 5, kWhite);  // papers showing above the front
}

void OpenFolder(Cell& c) {
    c.Box(2, 3, 7, 5, kOlive, kYellow);
    c.Box(2, 5, 13, 13, kOlive, kOlive);
    for (int y = 8; y <= 13; ++y) c.Fill(3 + (y - 8) / 2, y, 16 - (13 - y) / 3, y, kYellow);
    c.Fill(3, 13, 16, 13, kOlive);
}

void Page(Cell& c) {
    c.Box(4, 1, 13, 14, kBlack, kWhite);
    c.Fill(11, 1, 13, 3, kGrey);  // the folded corner
}

void TextLines(Cell& c) {
    for (int y = 5; y <= 11; y += 2) c.Fill(6, y, 11, y, kBlack);
}

void Drive(Cell& c, Rgb light) {
    c.Box(1, 6, 16, 12, kBlack, kSilver);
    c.Fill(2, 11, 15, 11, kGrey);
    c.Fill(12, 8, 14, 9, light);
}

void DrawImage(Cell& c, int image, int state) {
    switch (image) {
        case 0:  // folder: closed when empty or shut, open while open
            if (state == 1)
                OpenFolder(c);
            else
                ClosedFolder(c, state == 2);
            break;
        case 1:  // node
            c.Box(5, 4, 12, 11, kNavy, state == 0 ? kSilver : kBlue);
            if (state == 1) c.Fill(7, 7, 10, 8, kWhite);
            break;
        case 2: Page(c); break;
        case 3:  // a drive's root
            Drive(c, kGreen);
            c.Box(4, 2, 13, 5, kBlack, kYellow);
            break;
        case 4:  // program: a window with its title bar
            c.Box(1, 2, 16, 13, kBlack, kWhite);
            c.Fill(2, 3, 15, 5, kNavy);
            break;
        case 5:  // system file
            Page(c);
            c.Box(6, 6, 11, 11, kRed, kYellow);
            break;
        case 6:  // picture
            Page(c);
            c.Fill(5, 9, 12, 13, kGreen);
            c.Fill(6, 4, 8, 6, kRed);
            break;
        case 7:  // note
            c.Box(3, 2, 14, 13, kOlive, kYellow);
            c.Fill(5, 5, 12, 5, kOlive);
            c.Fill(5, 8, 10, 8, kOlive);
            break;
        case 8:
            Page(c);
            TextLines(c);
            break;
        case 9:  // help: a question mark on a page
            Page(c);
            c.Fill(7, 4, 10, 4, kBlue);
            c.Fill(10, 5, 10, 7, kBlue);
            c.Fill(8, 8, 9, 9, kBlue);
            c.Fill(8, 11, 9, 12, kBlue);
            break;
        case 10:  // removable
            c.Box(3, 2, 14, 13, kBlack, kNavy);
            c.Fill(6, 2, 11, 6, kSilver);
            c.Fill(5, 9, 12, 13, kWhite);
            break;
        case 11: Drive(c, kGreen); break;
        case 12:  // network drive: on a wire
            Drive(c, kGreen);
            c.Fill(8, 13, 9, 14, kBlack);
            c.Fill(3, 14, 14, 14, kBlack);
            break;
        case 13:  // CD-ROM drive
            Drive(c, kRed);
            c.Box(6, 1, 11, 5, kGrey, kTeal);
            break;
        default: break;
    }
}

}  // namespace

Image BuildOutlineBoxes() {
    Image boxes(2 * kBox, kBox, kOutlineKey);
    for (int b = 0; b < 2; ++b) {
        Cell c(boxes, b * kBox);
        c.Box(1, 1, 9, 9, kGrey, kWhite);
        c.Fill(3, 5, 7, 5, kBlack);              // minus
        if (b == 0) c.Fill(5, 3, 5, 7, kBlack);  // and plus on the closed box
    }
    return boxes;
}

Image BuildLinePattern(bool dotted) {
    Image pattern(8, 8, kBlack);
    if (dotted)
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                if ((x + y) % 2) pattern.Set(x, y, kWhite);
    return pattern;
}

Image BuildOutlineStrip() {
    Image strip(kImages * 3 * kCellWidth, kCellHeight, kOutlineKey);
    for (int image = 0; image < kImages; ++image)
        for (int state = 0; state < 3; ++state) {
            Cell cell(strip, (3 * image + state) * kCellWidth);
            DrawImage(cell, image, state);
        }
    return strip;
}

void AppendOutlinePictures(std::vector<Picture>& pictures) {
    pictures.push_back({kOutlineBoxesId, "outline_214.bmp", EncodeBmp24(BuildOutlineBoxes())});
    pictures.push_back({kOutlineDottedId, "outline_215.bmp", EncodeBmp24(BuildLinePattern(true))});
    pictures.push_back({kOutlineStripId, "outline_217.bmp", EncodeBmp24(BuildOutlineStrip())});
    pictures.push_back({kOutlineSolidId, "outline_230.bmp", EncodeBmp24(BuildLinePattern(false))});
}

}  // namespace tw::pixelgen
