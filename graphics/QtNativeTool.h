#pragma once
// TQtNativeTool: an engine pen or brush whose native Qt object is built on first use after a
// change and then kept, together with the last few it built, by the values it was built
// from. A change takes effect at the next drawing call, while a pen or brush that a control
// switches between a few states on every paint finds each one again and builds nothing.
#include <QColor>
#include <cstdint>
#include <utility>

#include "graphics/NativeCache.h"
#include "platform/core/Colors.h"

namespace tarnwick {

// The colour as a native pen or brush carries it, with the given alpha.
QColor WithAlpha(TColor AColor, int AAlpha);

template <class TBase, class TKey, class TNative>
class TQtNativeTool : public TBase {
 public:
  // Drops the native in use; the next drawing call finds or builds the one for the new values.
  void Changed() override {
    FCurrent = nullptr;
    TBase::Changed();
  }

 protected:
  // The native in use, or null after a change.
  const TNative* CurrentNative() const { return FCurrent; }
  // The native kept for AKey, or the one ABuild makes (counted in ABuilds); in use from now on.
  template <class TBuild>
  const TNative& UseNative(const TKey& AKey, TBuild&& ABuild, uint64_t& ABuilds) const {
    FCurrent = &FCache.Get(AKey, std::forward<TBuild>(ABuild), ABuilds);
    return *FCurrent;
  }

 private:
  mutable TNativeCache<TKey, TNative> FCache;
  mutable const TNative* FCurrent = nullptr;
};

}  // namespace tarnwick
