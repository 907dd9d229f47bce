#pragma once
// The browse tool: the mouse at rest. A press is classified by what lies under the
// pointer (a handle, a link point node, a link point to connect from, a control, empty
// space) and hands over to the tool of the operation it starts. It also follows the
// pointer over the controls for their enter, leave and move events, dispatches clicks,
// and scrolls with the wheel, or zooms with Ctrl, as the diagram's wheel properties say.
#include "diagram/view/interaction/DiagramTool.h"

namespace tarnwick {

class TDiagramControl;

class TBrowseTool : public TDiagramTool {
 public:
  using TDiagramTool::TDiagramTool;
  bool Serves(TMouseState AState) const override { return AState == msBrowsing || AState == msClickingNode; }
  void MouseDown(TMouseButton Button, TShiftState Shift, TPoint APos) override;
  void MouseMove(TShiftState Shift, TPoint APos) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, TPoint APos) override;
  bool MouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;

  // Runs in every state before the active tool sees a move: enter, leave and move events
  // of the control under the pointer, whose cursor the window takes unless the tool
  // shows another.
  void Hover(TShiftState Shift, TPoint APos);
  // The click of a release: the control pressed in this click hears the click, then the
  // control under the release hears the release.
  void ClickDispatch(TDiagramControl* AControl, TMouseButton Button, TShiftState Shift, TPoint APos);

 private:
  TDiagramControl* ControlAt(TDot Pos) const;
};

}  // namespace tarnwick
