#pragma once
// How many native pens, brushes and paths the engines have built: a repaint of unchanged
// controls must build none, and benchmarks and tests check that by reading these counts.
// Painting runs on the user-interface thread only, so plain counters suffice.
#include <cstdint>

namespace tarnwick {

struct TNativeObjectCounts {
  uint64_t Pens = 0;
  uint64_t Brushes = 0;
  uint64_t Paths = 0;
  uint64_t Total() const { return Pens + Brushes + Paths; }
};

TNativeObjectCounts& NativeObjectCounts();

}  // namespace tarnwick
