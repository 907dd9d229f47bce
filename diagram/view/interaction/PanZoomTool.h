#pragma once
// Pan and zoom modes: in pan mode a drag scrolls the view with the pointer; in zoom mode
// a dragged rectangle is zoomed into (or out of), and a click steps the zoom.
#include "diagram/view/interaction/DiagramTool.h"

namespace tarnwick {

class TPanZoomTool : public TDiagramTool {
 public:
  using TDiagramTool::TDiagramTool;
  bool Serves(TMouseState AState) const override {
    return AState == msToPan || AState == msPanning || AState == msToZoom || AState == msZooming;
  }
  void MouseDown(TMouseButton Button, TShiftState Shift, TPoint APos) override;
  void MouseMove(TShiftState Shift, TPoint APos) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, TPoint APos) override;
  void PaintOverlay(TCanvas& ACanvas) override;

 private:
  TPoint FOldPosition{};
};

}  // namespace tarnwick
