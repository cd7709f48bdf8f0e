#pragma once
// Fewer colours for a palette: the closest pair of colours is merged into their mean (weighted by
// their pixel counts) until at most `maxColours` remain. Anti-aliased pictures carry many
// near-identical edge shades, so the merged colours differ from the drawn ones by a few levels
// only.

#include <vector>

#include "tools/pixelgen/image.h"

namespace tw::pixelgen {

// The image with at most maxColours colours (the kept colours count among them). Colours in
// `keep` are never replaced and never come out of a merge, so a transparent key colour stays
// exactly where it was and nowhere else. For opaque images (what a bitmap file holds): a changed
// pixel comes out opaque.
Image ReduceColours(const Image& image, int maxColours, const std::vector<Rgb>& keep);

}  // namespace tw::pixelgen
