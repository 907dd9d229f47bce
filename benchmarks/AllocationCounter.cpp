// Counts the bytes the process has allocated, so a benchmark can report the peak memory
// an operation needs. Every allocation of the process (Qt's included) goes through these
// definitions, which forward to the C library's own allocator.
#include "benchmarks/AllocationCounter.h"

#include <malloc.h>

#include <cstddef>
#include <cstdint>

extern "C" {
void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);
void* __libc_memalign(size_t, size_t);
void __libc_free(void*);
}

namespace {
// The benchmarks run on one thread; the counters need no atomics.
int64_t gCurrent = 0;
int64_t gPeak = 0;
int64_t gCount = 0;

void Add(void* p) {
  if (!p) return;
  ++gCount;
  gCurrent += static_cast<int64_t>(malloc_usable_size(p));
  if (gCurrent > gPeak) gPeak = gCurrent;
}
void Sub(void* p) {
  if (p) gCurrent -= static_cast<int64_t>(malloc_usable_size(p));
}
}  // namespace

extern "C" {
void* malloc(size_t n) {
  void* p = __libc_malloc(n);
  Add(p);
  return p;
}
void* calloc(size_t n, size_t size) {
  void* p = __libc_calloc(n, size);
  Add(p);
  return p;
}
void* realloc(void* old, size_t n) {
  Sub(old);
  void* p = __libc_realloc(old, n);
  Add(p ? p : (n ? old : nullptr));
  return p;
}
void* memalign(size_t align, size_t n) {
  void* p = __libc_memalign(align, n);
  Add(p);
  return p;
}
void* aligned_alloc(size_t align, size_t n) { return memalign(align, n); }
int posix_memalign(void** out, size_t align, size_t n) {
  void* p = memalign(align, n);
  if (!p) return 12;  // ENOMEM
  *out = p;
  return 0;
}
void free(void* p) {
  Sub(p);
  __libc_free(p);
}
}

namespace tarnwick::bench {

void ResetPeak() { gPeak = gCurrent; }
int64_t CurrentBytes() { return gCurrent; }
int64_t PeakBytes() { return gPeak; }
int64_t AllocationCount() { return gCount; }

}  // namespace tarnwick::bench
