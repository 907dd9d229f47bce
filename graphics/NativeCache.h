#pragma once
// A few native objects (QPen, QBrush, ...) kept by the values they were built from. A block
// switches its pen and brush between a handful of states on every paint (shadow, fill,
// gradient, outline); keeping the last few natives means a repaint of an unchanged block
// finds each one again instead of building it anew, while a change still takes effect at
// the next drawing call because the key changes with it.
#include <array>
#include <cstdint>

namespace tarnwick {

template <class Key, class Native, int Slots = 6>
class TNativeCache {
 public:
  // The native built for AKey; ABuild makes it when no slot holds that key, replacing the
  // least recently used slot and counting one build in ABuilds.
  template <class Build>
  const Native& Get(const Key& AKey, Build&& ABuild, uint64_t& ABuilds) {
    TEntry* victim = &FEntries[0];
    for (TEntry& e : FEntries) {
      if (e.Used && e.K == AKey) {
        e.Stamp = ++FClock;
        return e.Value;
      }
      if (!e.Used || (victim->Used && e.Stamp < victim->Stamp)) victim = &e;
    }
    victim->K = AKey;
    victim->Value = ABuild();
    victim->Used = true;
    victim->Stamp = ++FClock;
    ++ABuilds;
    return victim->Value;
  }

  void Clear() {
    for (TEntry& e : FEntries) e = TEntry{};
  }

 private:
  struct TEntry {
    Key K{};
    Native Value{};
    uint64_t Stamp = 0;
    bool Used = false;
  };
  std::array<TEntry, Slots> FEntries{};
  uint64_t FClock = 0;
};

}  // namespace tarnwick
