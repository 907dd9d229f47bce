#include "diagram/model/DiagramPersistent.h"

#include "diagram/model/DiagramControl.h"

namespace tarnwick {

const TClassInfo& TDiagramPersistent::StaticClassInfo() {
  static const TClassInfo info("TDiagramPersistent", &TPersistent::StaticClassInfo(), {});
  return info;
}

void TDiagramPersistent::Changed() {
  if (FDControl) FDControl->Redraw();
}

}  // namespace tarnwick
