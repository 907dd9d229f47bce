// The viewport's zoom: the percentage property, the zoom steps of the zoom commands, fitting the content
// into the window, and the mouse wheel.
#include <algorithm>
#include <array>
#include <cstdint>

#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramViewport.h"
#include "diagram/view/DiagramWindow.h"
#include "geometry/Predicates.h"
#include "geometry/Squares.h"

namespace tarnwick {

namespace {

constexpr double MinZoomRatio = 0.01;
constexpr double MaxZoomRatio = 10.0;

constexpr std::array<double, 17> ZoomSteps{0.05, 0.0833, 0.125, 0.25, 0.3333, 0.5, 0.6667, 0.75, 1.0,
                                           1.25, 1.5,    2.0,   3.0,  4.0,    6.0, 8.0,    10.0};

double ClampRatio(double ARatio) {
  if (!(ARatio >= MinZoomRatio)) return MinZoomRatio;  // also catches NaN
  return std::min(ARatio, MaxZoomRatio);
}

// The integer percentage of a ratio. A ratio written as a percentage (0.57 for 57) is not
// exact in binary and may lie a hair below; the tiny allowance keeps such values from
// reading back one lower, so a read percentage written again changes nothing.
int PercentOf(double ARatio) { return Trunc(ARatio * 100 + 1e-6); }

}  // namespace

int TDiagramViewport::Zoom() const { return PercentOf(FZoomRatio); }

void TDiagramViewport::SetZoom(int Value) {
  if (Value == Zoom()) return;
  ApplyZoomRatio(ClampRatio(Value / 100.0));
  UpdateScrollRanges();
  FDiagram.RequestRedraw();
}

void TDiagramViewport::ApplyZoomRatio(double ARatio) {
  FZoomRatio = ARatio;
  const int rulerZoom = PercentOf(ZoomRatio());
  FDiagram.FTopRuler->SetZoom(rulerZoom);
  FDiagram.FLeftRuler->SetZoom(rulerZoom);
}

void TDiagramViewport::ZoomBy(const TSquare& ARect, bool AZoomIn) {
  const bool click = PointNearPoint(ARect.TopLeft(), ARect.BottomRight(), 10);
  TDiagramScrollBar& horz = *FDiagram.FHorzScrollBar;
  TDiagramScrollBar& vert = *FDiagram.FVertScrollBar;
  const double visW = FDiagram.GetClientWidth() - FDiagram.FLeftRuler->VisibleSize();
  const double visH = FDiagram.GetClientHeight() - FDiagram.FTopRuler->VisibleSize();
  double ratio = FZoomRatio;
  TDot clicked;
  double fx = 0, fy = 0;
  // Without a scroll range (no AutoScroll) there is no position to keep.
  const bool keepHorz = click && horz.GetRange() != 0;
  const bool keepVert = click && vert.GetRange() != 0;
  if (click) {
    clicked = ClientToCanvas(SquareCenter(ARect));
    if (keepHorz) fx = (horz.GetPosition() + clicked.X) / horz.GetRange();
    if (keepVert) fy = (vert.GetPosition() + clicked.Y) / vert.GetRange();
    if (AZoomIn) {
      ratio = MaxZoomRatio;
      for (double step : ZoomSteps)
        if (step > FZoomRatio) {
          ratio = step;
          break;
        }
    } else {
      ratio = ZoomSteps.front();
      for (double step : ZoomSteps)
        if (step < FZoomRatio) ratio = step;
    }
  } else {
    // An axis of zero extent does not limit the ratio; with no room to show anything the
    // ratio stays.
    const double w = std::abs(ARect.Right - ARect.Left);
    const double h = std::abs(ARect.Bottom - ARect.Top);
    if (AZoomIn) {
      if (visW > 0 && visH > 0) {
        double fit = MaxZoomRatio;
        if (w > 0) fit = std::min(fit, visW / w);
        if (h > 0) fit = std::min(fit, visH / h);
        ratio = fit;
      }
    } else {
      const double cw = FDiagram.GetClientWidth(), ch = FDiagram.GetClientHeight();
      if (cw > 0 && ch > 0) ratio = std::max(w * FZoomRatio / cw, h * FZoomRatio / ch);
    }
  }
  ApplyZoomRatio(ClampRatio(ratio));
  UpdateScrollRanges();
  if (click) {
    if (keepHorz) horz.SetPosition(Round(horz.GetRange() * fx - clicked.X));
    if (keepVert) vert.SetPosition(Round(vert.GetRange() * fy - clicked.Y));
  } else {
    const TSquare r = DotsToSquare(ARect.TopLeft(), ARect.BottomRight());
    horz.SetPosition(Round(Trunc((r.Left + r.Right) / 2 * FZoomRatio) - visW / 2));
    vert.SetPosition(Round(Trunc((r.Top + r.Bottom) / 2 * FZoomRatio) - visH / 2));
  }
  UpdateScrollBars();
  FDiagram.RequestRedraw();
}

void TDiagramViewport::ZoomMoveToFit(int AMargin) {
  const double dpi = FDiagram.GetScreenDPIRatio();
  const double areaLeft = Round(FDiagram.FLeftRuler->VisibleSize() / dpi);
  const double areaTop = Round(FDiagram.FTopRuler->VisibleSize() / dpi);
  // With AutoScroll the scroll bars may take room from the client area.
  const int visibleW = FDiagram.FAutoScroll ? FDiagram.FHorzScrollBar->GetVisibleExtent() : FDiagram.GetClientWidth();
  const int visibleH = FDiagram.FAutoScroll ? FDiagram.FVertScrollBar->GetVisibleExtent() : FDiagram.GetClientHeight();
  const double areaRight = Round(visibleW / dpi);
  const double areaBottom = Round(visibleH / dpi);
  const double w = areaRight - 2.0 * AMargin - areaLeft - 1;
  const double h = areaBottom - 2.0 * AMargin - areaTop - 1;
  // Nothing fits into a window without room; the view stays as it is.
  if (w <= 0 || h <= 0) return;
  const TSquare b = FDiagram.ContentBounds();
  const double bw = b.Right - b.Left, bh = b.Bottom - b.Top;
  double ratio = 1;
  TPoint offset;
  if (bw != 0 && bh != 0) {
    ratio = std::min(h / bh, w / bw);
    offset = TPoint{Round(b.Left - AMargin / ratio), Round(b.Top - AMargin / ratio)};
  }
  SetZoom(Round(ratio * 100));
  if (offset.X != 0 || offset.Y != 0)
    FDiagram.ProgrammaticMove([&] {
      const std::vector<TDiagramControl*> controls = FDiagram.FControls->FDControls.Vector();
      for (TDiagramControl* c : controls)
        if (!c->IsMember()) c->MoveBy(-offset.X, -offset.Y);
    });
  UpdateScrollRanges();
  FDiagram.RequestRedraw();
}

bool TDiagramViewport::MouseWheel(TShiftState Shift, int WheelDelta) {
  const bool down = WheelDelta < 0;
  if (!Shift.Contains(ssCtrl)) {
    if (FDiagram.FMouseWheelMode == mwOff) return false;
    TDiagramScrollBar& bar =
        FDiagram.FMouseWheelMode == mwHorizontal ? *FDiagram.FHorzScrollBar : *FDiagram.FVertScrollBar;
    const int64_t target = int64_t{bar.GetPosition()} + (down ? bar.GetIncrement() : -bar.GetIncrement());
    bar.SetPosition(static_cast<int>(std::clamp<int64_t>(target, INT32_MIN, INT32_MAX)));
    FDiagram.FWindow->SyncScrollBars();
    FDiagram.RequestRedraw();
    return true;
  }
  if (!FDiagram.FWheelZoom) return false;
  if (down)
    SetZoom(std::max(Zoom() - FDiagram.FWheelZoomIncrement, FDiagram.FWheelZoomMin));
  else
    SetZoom(std::min(Zoom() + FDiagram.FWheelZoomIncrement, FDiagram.FWheelZoomMax));
  return true;
}

}  // namespace tarnwick
