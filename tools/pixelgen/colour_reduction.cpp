#include "tools/pixelgen/colour_reduction.h"

#include <algorithm>
#include <limits>
#include <map>

namespace tw::pixelgen {

namespace {

struct Shade {
    Rgb colour;
    int count;
    std::vector<Rgb> members;  // the image's colours that become this one
};

// Squared distance weighted by how strongly the eye tells the channels apart.
int Distance(Rgb a, Rgb b) {
    const int dr = RedOf(a) - RedOf(b), dg = GreenOf(a) - GreenOf(b), db = BlueOf(a) - BlueOf(b);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

// The image's colours other than the kept ones, with their pixel counts, in the order they first
// appear; and how many kept colours the image has.
std::vector<Shade> Shades(const Image& image, const std::vector<Rgb>& keep, int& keptPresent) {
    std::vector<Shade> shades;
    std::map<Rgb, size_t> indexOf;
    std::vector<Rgb> keptSeen;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const Rgb c = image.At(x, y);
            if (std::find(keep.begin(), keep.end(), c) != keep.end()) {
                if (std::find(keptSeen.begin(), keptSeen.end(), c) == keptSeen.end())
                    keptSeen.push_back(c);
                continue;
            }
            auto [it, added] = indexOf.emplace(c, shades.size());
            if (added) shades.push_back({c, 0, {c}});
            ++shades[it->second].count;
        }
    }
    keptPresent = int(keptSeen.size());
    return shades;
}

// The mean of two shades weighted by their counts, moved off the kept colours.
Rgb MeanOf(const Shade& a, const Shade& b, const std::vector<Rgb>& keep) {
    const int total = a.count + b.count;
    auto channel = [&](int ca, int cb) {
        return (ca * a.count + cb * b.count + total / 2) / total;
    };
    Rgb mean = MakeRgb(channel(RedOf(a.colour), RedOf(b.colour)),
                       channel(GreenOf(a.colour), GreenOf(b.colour)),
                       channel(BlueOf(a.colour), BlueOf(b.colour)));
    while (std::find(keep.begin(), keep.end(), mean) != keep.end())
        mean = mean >= 0x010101 ? mean - 0x010101 : mean + 0x010101;
    return mean;
}

// Merges the closest pair of shades (the first such pair on a tie) into their mean.
void MergeClosestPair(std::vector<Shade>& shades, const std::vector<Rgb>& keep) {
    int best = std::numeric_limits<int>::max();
    size_t bestA = 0, bestB = 1;
    for (size_t a = 0; a < shades.size(); ++a)
        for (size_t b = a + 1; b < shades.size(); ++b) {
            const int d = Distance(shades[a].colour, shades[b].colour);
            if (d < best) best = d, bestA = a, bestB = b;
        }
    Shade& merged = shades[bestA];
    merged.colour = MeanOf(merged, shades[bestB], keep);
    merged.count += shades[bestB].count;
    merged.members.insert(merged.members.end(), shades[bestB].members.begin(),
                          shades[bestB].members.end());
    shades.erase(shades.begin() + long(bestB));
}

}  // namespace

Image ReduceColours(const Image& image, int maxColours, const std::vector<Rgb>& keep) {
    int keptPresent = 0;
    std::vector<Shade> shades = Shades(image, keep, keptPresent);
    const size_t room = size_t(std::max(1, maxColours - keptPresent));
    if (shades.size() <= room) return image;
    while (shades.size() > room) MergeClosestPair(shades, keep);
    std::map<Rgb, Rgb> replacement;
    for (const Shade& shade : shades)
        for (Rgb member : shade.members) replacement[member] = shade.colour;
    Image reduced = image;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            auto it = replacement.find(image.At(x, y));
            if (it != replacement.end() && it->second != it->first) reduced.Set(x, y, it->second);
        }
    }
    return reduced;
}

}  // namespace tw::pixelgen
