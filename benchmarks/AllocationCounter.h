#pragma once
#include <cstdint>

namespace tarnwick::bench {

// Starts a new peak at the current allocation level.
void ResetPeak();
int64_t CurrentBytes();
int64_t PeakBytes();
// How many blocks have been allocated so far (a realloc counts as one).
int64_t AllocationCount();

}  // namespace tarnwick::bench
