#include "diagram/view/interaction/BrowseTool.h"

#include "diagram/view/DiagramViewport.h"

namespace tarnwick {

bool TBrowseTool::MouseWheel(TShiftState Shift, int WheelDelta, TPoint) {
  return Viewport().MouseWheel(Shift, WheelDelta);
}

}  // namespace tarnwick
