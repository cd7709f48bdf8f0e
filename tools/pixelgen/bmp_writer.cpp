#include "tools/pixelgen/bmp_writer.h"

#include <algorithm>
#include <map>

#include "tools/pixelgen/byte_output.h"

namespace tw::pixelgen {

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;

uint32_t RowBytes(int width, int bits) { return ((uint32_t(width) * bits + 31) / 32) * 4; }

std::vector<uint8_t> Headers(const Image& image, int bits, uint32_t paletteEntries) {
    uint32_t offset = kFileHeaderSize + kInfoHeaderSize + paletteEntries * 4;
    uint32_t imageBytes = RowBytes(image.Width(), bits) * uint32_t(image.Height());
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + imageBytes);
    Put32(out, 0);  // reserved
    Put32(out, offset);
    Put32(out, kInfoHeaderSize);
    Put32(out, uint32_t(image.Width()));
    Put32(out, uint32_t(image.Height()));  // positive: bottom-up rows
    Put16(out, 1);                         // planes
    Put16(out, uint32_t(bits));
    Put32(out, 0);  // BI_RGB
    Put32(out, imageBytes);
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, paletteEntries);
    Put32(out, 0);
    return out;
}

void PadRow(std::vector<uint8_t>& out, size_t rowStart, uint32_t rowBytes) {
    while (out.size() - rowStart < rowBytes) out.push_back(0);
}

}  // namespace

std::vector<uint8_t> EncodeBmp24(const Image& image) {
    std::vector<uint8_t> out = Headers(image, 24, 0);
    const uint32_t rowBytes = RowBytes(image.Width(), 24);
    for (int y = image.Height() - 1; y >= 0; --y) {
        size_t rowStart = out.size();
        for (int x = 0; x < image.Width(); ++x) {
            Rgb c = image.At(x, y);
            out.push_back(uint8_t(c));        // blue
            out.push_back(uint8_t(c >> 8));   // green
            out.push_back(uint8_t(c >> 16));  // red
        }
        PadRow(out, rowStart, rowBytes);
    }
    return out;
}

std::vector<uint8_t> EncodeBmp8(const Image& image) {
    std::vector<Rgb> palette;
    std::map<Rgb, uint8_t> indexOf;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const Rgb c = image.At(x, y);
            if (indexOf.count(c)) continue;
            if (palette.size() == 256) return {};
            indexOf[c] = uint8_t(palette.size());
            palette.push_back(c);
        }
    }
    std::vector<uint8_t> out = Headers(image, 8, uint32_t(palette.size()));
    for (Rgb c : palette) Put32(out, c);
    const uint32_t rowBytes = RowBytes(image.Width(), 8);
    for (int y = image.Height() - 1; y >= 0; --y) {
        const size_t rowStart = out.size();
        for (int x = 0; x < image.Width(); ++x) out.push_back(indexOf[image.At(x, y)]);
        PadRow(out, rowStart, rowBytes);
    }
    return out;
}

std::vector<uint8_t> EncodeBmp4(const Image& image, const std::vector<Rgb>& palette) {
    if (palette.empty() || palette.size() > 16) return {};
    std::vector<uint8_t> out = Headers(image, 4, uint32_t(palette.size()));
    for (Rgb c : palette) Put32(out, c);  // RGBQUAD: blue, green, red, 0
    const uint32_t rowBytes = RowBytes(image.Width(), 4);
    for (int y = image.Height() - 1; y >= 0; --y) {
        size_t rowStart = out.size();
        for (int x = 0; x < image.Width(); x += 2) {
            uint8_t packed = 0;
            for (int half = 0; half < 2 && x + half < image.Width(); ++half) {
                auto it = std::find(palette.begin(), palette.end(), image.At(x + half, y));
                if (it == palette.end()) return {};
                packed |= uint8_t((it - palette.begin()) << (half ? 0 : 4));
            }
            out.push_back(packed);
        }
        PadRow(out, rowStart, rowBytes);
    }
    return out;
}

}  // namespace tw::pixelgen
