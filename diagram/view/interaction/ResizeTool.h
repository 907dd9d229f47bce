#pragma once
// Dragging a stretch handle: resizing and turning blocks, moving a rotation centre,
// moving line ends (which snap to acceptable link points) and line bends. The control
// turns the handle's travel into its new geometry; the tool measures the travel.
#include "diagram/model/DiagramControlTypes.h"
#include "diagram/view/interaction/DiagramTool.h"

namespace tarnwick {

class TStretchHandle;

class TResizeTool : public TDiagramTool {
 public:
  using TDiagramTool::TDiagramTool;
  bool Serves(TMouseState AState) const override { return AState == msResizing; }
  void MouseMove(TShiftState Shift, TPoint APos) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, TPoint APos) override;
  void Cancel() override;
  void PaintOverlay(TCanvas& ACanvas) override;

  void Begin(TStretchHandle* AHandle);
  THandleMoveInfo FillHandleMoveInfo(THandleMoveAction AAction, TPoint APos);

 private:
  void ResizeStep(TPoint APos);
  void EndResize(bool ACancel, TPoint APos);
  bool IsFirstHandle() const;

  THandleMoveInfo FHandleMoveInfo;
  bool FCtrlDown = false;
};

}  // namespace tarnwick
