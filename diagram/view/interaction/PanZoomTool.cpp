#include "diagram/view/interaction/PanZoomTool.h"

#include <algorithm>
#include <cmath>

#include "diagram/view/Diagram.h"
#include "diagram/view/interaction/DiagramTools.h"
#include "platform/gui/Canvas.h"

namespace tarnwick {

void TPanZoomTool::MouseDown(TMouseButton, TShiftState Shift, TPoint APos) {
  TdvDiagram& d = Diagram();
  TDiagramTools& t = Tools();
  if (!Shift.Contains(ssLeft)) return;
  if (State() == msToPan) {
    t.FDragStart = TDot{double(APos.X), double(APos.Y)};
    FOldPosition = TPoint{d.GetHorzScrollBar()->GetPosition(), d.GetVertScrollBar()->GetPosition()};
    SetState(msPanning);
  } else if (State() == msToZoom) {
    t.FDragStart = TDot{double(APos.X), double(APos.Y)};
    t.FOldDragPos = InvalidDot();
    SetState(msZooming);
  }
}

void TPanZoomTool::MouseMove(TShiftState, TPoint APos) {
  TdvDiagram& d = Diagram();
  TDiagramTools& t = Tools();
  switch (State()) {
    case msToPan:
      d.SetCursor(d.GetPanCursor());
      break;
    case msPanning:
      d.GetHorzScrollBar()->SetPosition(int(std::lround(FOldPosition.X - (APos.X - t.FDragStart.X))));
      d.GetVertScrollBar()->SetPosition(int(std::lround(FOldPosition.Y - (APos.Y - t.FDragStart.Y))));
      d.SetCursor(d.GetPanCursor());
      d.RequestRedraw();
      break;
    case msToZoom:
      d.SetCursor(d.GetZoomCursor());
      break;
    case msZooming:
      t.FOldDragPos = TDot{double(APos.X), double(APos.Y)};
      d.RequestRedraw();
      break;
    default:
      break;
  }
}

void TPanZoomTool::MouseUp(TMouseButton, TShiftState, TPoint APos) {
  TdvDiagram& d = Diagram();
  TDiagramTools& t = Tools();
  if (State() == msPanning) {
    SetState(msToPan);
    d.RequestRedraw();
  } else if (State() == msZooming) {
    const TDot a = d.CanvasToClient(t.FDragStart);
    const TDot b = d.CanvasToClient(TDot{double(APos.X), double(APos.Y)});
    const TSquare r{std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
    t.FOldDragPos = InvalidDot();
    if (t.FZoomingState == zsZoomOut)
      d.ZoomOut(r);
    else
      d.ZoomIn(r);
    RepaintNow();
    d.RequestRedraw();
    SetState(msToZoom);
  }
}

void TPanZoomTool::PaintOverlay(TCanvas& ACanvas) {
  const TDiagramTools& t = Tools();
  if (State() != msZooming || IsInvalidDot(t.FOldDragPos)) return;
  const int ax = int(std::lround(t.FDragStart.X)), ay = int(std::lround(t.FDragStart.Y));
  const int bx = int(std::lround(t.FOldDragPos.X)), by = int(std::lround(t.FOldDragPos.Y));
  const TBrushStyle brushStyle = ACanvas.GetBrush()->GetStyle();
  const TPenStyle penStyle = ACanvas.GetPen()->GetStyle();
  ACanvas.GetBrush()->SetStyle(bsClear);
  ACanvas.GetPen()->SetStyle(psDot);
  ACanvas.Rectangle(std::min(ax, bx), std::min(ay, by), std::max(ax, bx), std::max(ay, by));
  ACanvas.GetPen()->SetStyle(penStyle);
  ACanvas.GetBrush()->SetStyle(brushStyle);
}

}  // namespace tarnwick
