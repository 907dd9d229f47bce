#include "cli/ProcessMemory.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace tarnwick::cli {

namespace {

// The address sanitizer brings its own allocator (which keeps no brk heap) and a leak
// checker.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool Sanitized = true;
#else
constexpr bool Sanitized = false;
#endif

constexpr uintptr_t HugePage = uintptr_t{2} << 20;
// Below the mapping threshold main() sets, so the blocks come from the heap itself.
constexpr size_t Block = size_t{16} << 20;
// What a document of any size may ask for; the rest grows as it always does.
constexpr int64_t MaxReserve = int64_t{4} << 30;

}  // namespace

bool FreesBeforeExit() { return Sanitized; }

void ReserveHeap(int64_t ABytes) {
  if (Sanitized || ABytes < static_cast<int64_t>(Block)) return;
  const auto bytes = static_cast<size_t>(std::min(ABytes, MaxReserve));
  mallopt(M_TRIM_THRESHOLD, static_cast<int>(std::min<size_t>(bytes + (size_t{256} << 20), INT32_MAX)));
  std::vector<void*> blocks;
  blocks.reserve(bytes / Block + 1);
  for (size_t n = 0; n < bytes; n += Block) {
    void* p = std::malloc(Block);
    if (!p) break;
    blocks.push_back(p);
  }
  if (blocks.empty()) return;
  const auto first = reinterpret_cast<uintptr_t>(*std::min_element(blocks.begin(), blocks.end()));
  for (void* p : blocks) std::free(p);
  const auto top = reinterpret_cast<uintptr_t>(sbrk(0));
  const uintptr_t from = (first + HugePage - 1) & ~(HugePage - 1);
  // Advice only: without huge pages on this system the heap is simply bigger.
  if (top > from) madvise(reinterpret_cast<void*>(from), top - from, MADV_HUGEPAGE);
}

}  // namespace tarnwick::cli
