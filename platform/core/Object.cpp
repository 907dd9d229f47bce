#include "platform/core/Object.h"

namespace tarnwick {

void TObject::Free() {
  if (FFreeing) return;
  FFreeing = true;
  BeforeDestruction();
  delete this;
}

}  // namespace tarnwick
