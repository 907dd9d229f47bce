#pragma once
// Transparency as callers and stored files express it (a percentage, 0 opaque, 100
// invisible) turned into the alpha byte every engine colour carries.
#include <cstdint>

namespace tarnwick {

// alpha = (100 - T) x 2.55, rounded to nearest with ties to even, so 0 -> 255, 50 -> 128,
// 100 -> 0. T outside 0..100 is clamped first: an alpha outside the byte range would wrap
// around and turn a "more than opaque" colour invisible.
std::uint8_t TransparencyToAlpha(int ATransparency) noexcept;

}  // namespace tarnwick
