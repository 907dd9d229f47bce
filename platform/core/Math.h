#pragma once
// The one rounding helper of the whole code base, and the integer helpers built on it.
// Everything that turns a Double into an Integer goes through these: mixing rounding
// modes is how one-pixel seams appear between shapes drawn by different routines.
#include <cmath>
#include <cstdint>
#include <limits>

namespace tarnwick {

// Round to nearest, ties to even (Round(2.5) = 2, Round(3.5) = 4, Round(-2.5) = -2),
// saturating at the 32-bit range; NaN gives 0 so callers never see undefined values.
inline int32_t Round(double v) noexcept {
  if (std::isnan(v)) return 0;
  if (v >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (v <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  // Ties-to-even without depending on the current floating-point rounding mode.
  double r = std::floor(v);
  double diff = v - r;
  if (diff > 0.5 || (diff == 0.5 && std::fmod(r, 2.0) != 0.0)) r += 1.0;
  return static_cast<int32_t>(r);
}

// Toward zero, saturating like Round.
inline int32_t Trunc(double v) noexcept {
  if (std::isnan(v)) return 0;
  if (v >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (v <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(v);
}

// Number * Numerator / Denominator with a 64-bit intermediate, rounded half away from
// zero as the classic integer helper does; -1 when Denominator is 0.
inline int32_t MulDiv(int32_t number, int32_t numerator, int32_t denominator) noexcept {
  if (denominator == 0) return -1;
  int64_t p = static_cast<int64_t>(number) * numerator;
  int64_t d = denominator;
  bool negative = (p < 0) != (d < 0);
  uint64_t ap = p < 0 ? static_cast<uint64_t>(-p) : static_cast<uint64_t>(p);
  uint64_t ad = d < 0 ? static_cast<uint64_t>(-d) : static_cast<uint64_t>(d);
  uint64_t q = (ap + ad / 2) / ad;
  int64_t r = negative ? -static_cast<int64_t>(q) : static_cast<int64_t>(q);
  if (r > std::numeric_limits<int32_t>::max() || r < std::numeric_limits<int32_t>::min()) return -1;
  return static_cast<int32_t>(r);
}

}  // namespace tarnwick
