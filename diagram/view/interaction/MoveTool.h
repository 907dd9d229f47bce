#pragma once
// Moving the selection by dragging it. Every step computes one delta per selected control
// from the pointer travel (axis-locked with Ctrl, snapped to the grid) unless an end of a
// selected line comes within reach of an unselected link point: then the whole selection
// jumps so that the end lands on it, and the release anchors it there.
#include <vector>

#include "diagram/model/DiagramControlTypes.h"
#include "diagram/view/interaction/DiagramTool.h"

namespace tarnwick {

class TDiagramControl;

class TMoveTool : public TDiagramTool {
 public:
  using TDiagramTool::TDiagramTool;
  bool Serves(TMouseState AState) const override { return AState == msMoving; }
  void MouseMove(TShiftState Shift, TPoint APos) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, TPoint APos) override;
  void Cancel() override;
  void PaintOverlay(TCanvas& ACanvas) override;

  // Starts a move from the drag start the press stored.
  void Begin();
  // The pointer travel for AControl in diagram units, restricted and snapped.
  TDot MoveDelta(TDiagramControl* AControl, TPoint APos) const;
  const std::vector<TControlMoveInfo>& MoveInfos() const { return FControlMoveInfos; }

 private:
  // The controls that move, in selection order, and the selection block when in use.
  std::vector<TDiagramControl*> Movers() const;
  void FillMoveInfos(TControlMoveAction AAction, TPoint APos);
  bool MoveStep(TPoint APos);
  void EndMove(bool ACancel, TPoint APos);

  std::vector<TControlMoveInfo> FControlMoveInfos;
  std::vector<TDiagramControl*> FMovers;
  bool FCtrlDown = false;
};

}  // namespace tarnwick
