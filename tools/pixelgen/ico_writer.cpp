#include "tools/pixelgen/ico_writer.h"

#include "tools/pixelgen/byte_output.h"

namespace tw::pixelgen {

namespace {

constexpr uint32_t kDirectoryHeaderSize = 6;
constexpr uint32_t kDirectoryEntrySize = 16;
constexpr uint32_t kInfoHeaderSize = 40;

uint32_t ColourBytes(const Image& image) { return uint32_t(image.Width()) * 4 * image.Height(); }

uint32_t MaskRowBytes(const Image& image) { return ((uint32_t(image.Width()) + 31) / 32) * 4; }

uint32_t ImageBytes(const Image& image) {
    return kInfoHeaderSize + ColourBytes(image) + MaskRowBytes(image) * image.Height();
}

bool Encodable(const Image& image) {
    return image.Width() > 0 && image.Height() > 0 && image.Width() <= 256 && image.Height() <= 256;
}

void PutDirectoryEntry(std::vector<uint8_t>& out, const Image& image, uint32_t offset) {
    out.push_back(uint8_t(image.Width()));  // 256 is written as 0
    out.push_back(uint8_t(image.Height()));
    out.push_back(0);  // no palette
    out.push_back(0);  // reserved
    Put16(out, 1);     // planes
    Put16(out, 32);    // bits per pixel
    Put32(out, ImageBytes(image));
    Put32(out, offset);
}

void PutInfoHeader(std::vector<uint8_t>& out, const Image& image) {
    Put32(out, kInfoHeaderSize);
    Put32(out, uint32_t(image.Width()));
    Put32(out, uint32_t(image.Height()) * 2);  // colour rows and mask rows together
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 0);  // BI_RGB
    Put32(out, ColourBytes(image) + MaskRowBytes(image) * image.Height());
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
}

// Bottom-up rows; a fully transparent pixel is stored black so that drawing through the mask
// leaves the screen unchanged.
void PutColours(std::vector<uint8_t>& out, const Image& image) {
    for (int y = image.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.Width(); ++x) {
            const uint8_t alpha = image.AlphaAt(x, y);
            const Rgb c = alpha ? image.At(x, y) : 0;
            out.push_back(uint8_t(BlueOf(c)));
            out.push_back(uint8_t(GreenOf(c)));
            out.push_back(uint8_t(RedOf(c)));
            out.push_back(alpha);
        }
    }
}

// Bit set = transparent: only pixels of alpha 0, so that soft edges stay visible where the
// alpha channel is ignored.
void PutMask(std::vector<uint8_t>& out, const Image& image) {
    for (int y = image.Height() - 1; y >= 0; --y) {
        const size_t rowStart = out.size();
        out.resize(rowStart + MaskRowBytes(image), 0);
        for (int x = 0; x < image.Width(); ++x)
            if (image.AlphaAt(x, y) == 0) out[rowStart + x / 8] |= uint8_t(0x80 >> (x % 8));
    }
}

}  // namespace

std::vector<uint8_t> EncodeIco(const std::vector<Image>& images) {
    if (images.empty() || images.size() > 0xFFFF) return {};
    for (const Image& image : images)
        if (!Encodable(image)) return {};
    std::vector<uint8_t> out;
    Put16(out, 0);  // reserved
    Put16(out, 1);  // icon (2 would be a cursor)
    Put16(out, uint32_t(images.size()));
    uint32_t offset = kDirectoryHeaderSize + kDirectoryEntrySize * uint32_t(images.size());
    for (const Image& image : images) {
        PutDirectoryEntry(out, image, offset);
        offset += ImageBytes(image);
    }
    for (const Image& image : images) {
        PutInfoHeader(out, image);
        PutColours(out, image);
        PutMask(out, image);
    }
    return out;
}

}  // namespace tw::pixelgen
