#pragma once
// The 80-bit extended-precision float of the stream format (64-bit significand with an
// explicit integer bit, 15-bit exponent biased by 16383, sign on top; little-endian),
// converted in plain integer arithmetic so the result never depends on the compiler's
// long double or the FPU's rounding mode.
#include <array>
#include <cstdint>

namespace tarnwick {

using TExtended80 = std::array<uint8_t, 10>;

// Exact for every double, including subnormals and signed zero; infinities and NaNs get
// the format's own encodings.
TExtended80 DoubleToExtended(double value) noexcept;

// Narrows to the nearest double, ties to even, with gradual underflow. Returns false for
// what no finite double can hold: infinities, NaNs, the invalid "unnormal" encodings
// (exponent set, integer bit clear) and magnitudes that round beyond the double range.
bool ExtendedToDouble(const TExtended80& bytes, double& value) noexcept;

}  // namespace tarnwick
