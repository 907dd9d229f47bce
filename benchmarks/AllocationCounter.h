#pragma once
#include <cstdint>

namespace tarnwick::bench {

// Starts a new peak at the current allocation level.
void ResetPeak();
int64_t CurrentBytes();
int64_t PeakBytes();

}  // namespace tarnwick::bench
