#pragma once
// Drawing a pending control point by point (poly lines, polygon blocks): each release
// adds a point unless it is within 5 units of the last one; a double press, a release on
// an acceptable end of a line, or Escape (cancelling) ends the drawing.
#include "diagram/model/DiagramControlTypes.h"
#include "diagram/view/interaction/DiagramTool.h"

namespace tarnwick {

class TDrawTool : public TDiagramTool {
 public:
  using TDiagramTool::TDiagramTool;
  bool Serves(TMouseState AState) const override { return AState == msToDraw || AState == msDrawing; }
  void MouseDown(TMouseButton Button, TShiftState Shift, TPoint APos) override;
  void MouseMove(TShiftState Shift, TPoint APos) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, TPoint APos) override;
  void Cancel() override;
  void PaintOverlay(TCanvas& ACanvas) override;

  TControlDrawInfo FillDrawInfo(TControlDrawAction AAction, TPoint APos);

 private:
  void DrawAddPoint(TPoint APos);
  void EndDraw(bool ACancel, TPoint APos);

  TControlDrawInfo FControlDrawInfo;
};

}  // namespace tarnwick
