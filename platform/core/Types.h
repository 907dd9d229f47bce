#pragma once
// The platform's plain integer value types and the type names the rest of the code uses.
#include <cstdint>
#include <vector>

namespace tarnwick {

using Integer = int32_t;
using Cardinal = uint32_t;
using Int64 = int64_t;

struct TPoint {
  int32_t X = 0;
  int32_t Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Integer rectangle; Right and Bottom are exclusive where the canvas draws it.
struct TRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
  int32_t Width() const { return Right - Left; }
  int32_t Height() const { return Bottom - Top; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

inline TPoint Point(int32_t X, int32_t Y) { return TPoint{X, Y}; }
inline TRect Rect(int32_t L, int32_t T, int32_t R, int32_t B) { return TRect{L, T, R, B}; }

using TPointArray = std::vector<TPoint>;

}  // namespace tarnwick
