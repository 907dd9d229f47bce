#include "graphics/NativeObjectCounts.h"

namespace tarnwick {

TNativeObjectCounts& NativeObjectCounts() {
  static TNativeObjectCounts counts;
  return counts;
}

}  // namespace tarnwick
