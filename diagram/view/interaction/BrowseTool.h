#pragma once
// The browse tool: the mouse at rest. It serves every state no other tool claims; the
// wheel scrolls, or zooms with Ctrl, as the diagram's wheel properties say.
#include "diagram/view/interaction/DiagramTool.h"

namespace tarnwick {

class TBrowseTool : public TDiagramTool {
 public:
  using TDiagramTool::TDiagramTool;
  bool Serves(TMouseState AState) const override { return AState == msBrowsing; }
  bool MouseWheel(TShiftState Shift, int WheelDelta, TPoint APos) override;
};

}  // namespace tarnwick
