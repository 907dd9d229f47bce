// The viewport's content extent: scroll ranges that cover the drawing, content kept in positive
// space, and scrolling a control into view.
#include <algorithm>
#include <cstdint>

#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramSelection.h"
#include "diagram/view/DiagramViewport.h"
#include "diagram/view/DiagramWindow.h"
#include "geometry/Squares.h"
#include "platform/core/ScopeGuard.h"

namespace tarnwick {

namespace {
// Sums of positions, ruler sizes and rounded extents can leave the 32-bit range for
// absurd documents (a huge fixed page count, a position stored unclamped); they saturate.
int Saturated(int64_t AValue) { return static_cast<int>(std::clamp<int64_t>(AValue, INT32_MIN, INT32_MAX)); }
}  // namespace

TDiagramViewport::TContentExtent TDiagramViewport::CalcContentExtent() const {
  TContentExtent e;
  const double s = ContentScale();
  for (TDiagramControl* c : FDiagram.FControls->FDControls) {
    if (!c->IsVisible() || c->IsGroup()) continue;
    const TSquare r = c->SurroundRect();
    e.MinL = std::min(e.MinL, r.Left * s);
    e.MinT = std::min(e.MinT, r.Top * s);
    e.MaxR = std::max(e.MaxR, r.Right * s + 1);
    e.MaxB = std::max(e.MaxB, r.Bottom * s + 1);
  }
  e.ExtW = std::max<double>(FDiagram.GetClientWidth() - FDiagram.FLeftRuler->VisibleSize(), e.MaxR);
  e.ExtH = std::max<double>(FDiagram.GetClientHeight() - FDiagram.FTopRuler->VisibleSize(), e.MaxB);
  return e;
}

void TDiagramViewport::UpdateScrollRanges() {
  // A diagram without a window (an export, the command-line tool) works its ranges out
  // just as a shown one does, so every framing gives the same image either way.
  // Inside a bulk move the closing bracket settles the ranges once: measuring after every
  // control would make adding n controls cost n times the whole drawing.
  if (FDiagram.FUpdates->Inside(ukUpdate) || FDiagram.FUpdates->Inside(ukInternal) ||
      FDiagram.FUpdates->Inside(ukPosition) || FDiagram.IsDestroying())
    return;
  TContentExtent e = CalcContentExtent();
  // A shown view brings content at negative coordinates into reach of its scroll bars by
  // moving it. Without a window nobody scrolls, and the controls keep the coordinates the
  // document or the program gave them.
  const bool shift = (e.MinL < 0 || e.MinT < 0) && FDiagram.HasParentWindow();
  FSettled = e;
  FSettledScale = ContentScale();
  FSettledValid = !shift;
  if (shift) {
    // The extent is measured in canvas pixels; the content moves by the same distance in
    // diagram units, so it lands at the origin at any zoom and screen scale.
    const double s = ContentScale();
    const double dx = -e.MinL / s, dy = -e.MinT / s;
    FDiagram.ProgrammaticMove([&] {
      const std::vector<TDiagramControl*> controls = FDiagram.FControls->FDControls.Vector();
      for (TDiagramControl* c : controls)
        if (!c->IsMember()) c->MoveBy(dx, dy);
    }, false);
  } else {
    e.MinL = e.MinT = 0;
  }
  const int leftRuler = FDiagram.FLeftRuler->VisibleSize(), topRuler = FDiagram.FTopRuler->VisibleSize();
  if (FDiagram.FAutoPage) {
    // Whole pages plus a twentieth of one, so the last page edge stays in view.
    const TPageGrid pages = CalcPageGrid(true);
    const double pw = pages.PageWidth, ph = pages.PageHeight;
    if (pw != 0) FDiagram.FHorzScrollBar->SetRange(Saturated(int64_t{leftRuler} + Round(pages.Cols * pw + pw * 0.05)));
    if (ph != 0) FDiagram.FVertScrollBar->SetRange(Saturated(int64_t{topRuler} + Round(pages.Rows * ph + ph * 0.05)));
  } else if (FDiagram.FAutoScroll) {
    FDiagram.FHorzScrollBar->SetRange(Round(leftRuler + e.ExtW - e.MinL));
    FDiagram.FVertScrollBar->SetRange(Round(topRuler + e.ExtH - e.MinT));
  }
  // The view keeps showing the same content after it was shifted.
  FDiagram.FHorzScrollBar->SetPosition(Saturated(int64_t{FDiagram.FHorzScrollBar->GetPosition()} - Round(e.MinL)));
  FDiagram.FVertScrollBar->SetPosition(Saturated(int64_t{FDiagram.FVertScrollBar->GetPosition()} - Round(e.MinT)));
  UpdateScrollBars();
}

bool TDiagramViewport::RangesCover(TDiagramControl* AControl) const {
  const double s = ContentScale();
  if (!FSettledValid || FSettledScale != s) return false;
  if (!AControl->IsVisible() || AControl->IsGroup()) return true;
  const TSquare r = AControl->SurroundRect();
  // Without a window nothing is shifted, so how far left or up the content starts does not
  // count; with one, a control at negative coordinates moves everything.
  const bool inPositiveSpace = (r.Left * s >= 0 && r.Top * s >= 0) || !FDiagram.HasParentWindow();
  return inPositiveSpace && r.Right * s + 1 <= FSettled.MaxR && r.Bottom * s + 1 <= FSettled.MaxB;
}

void TDiagramViewport::UpdateScrollBars() {
  if (FUpdatingScrollBars || FDiagram.IsDestroying()) return;
  {
    const TScopedValue<bool> busy(FUpdatingScrollBars, true);
    // The bar that is certainly shown is settled first, as it takes room from the other.
    const TScrollBarLayout layout =
        LayoutScrollBars(FDiagram.GetClientWidth(), FDiagram.GetClientHeight(), FDiagram.ScrollBarThickness(),
                         FDiagram.FHorzScrollBar->GetRange(), FDiagram.FHorzScrollBar->GetVisible(),
                         FDiagram.FVertScrollBar->GetRange(), FDiagram.FVertScrollBar->GetVisible());
    if (layout.HorzFirst) {
      FDiagram.FHorzScrollBar->Update(layout.HorzExtent);
      FDiagram.FVertScrollBar->Update(layout.VertExtent);
    } else {
      FDiagram.FVertScrollBar->Update(layout.VertExtent);
      FDiagram.FHorzScrollBar->Update(layout.HorzExtent);
    }
  }
  FDiagram.FWindow->SyncScrollBars();
}

void TDiagramViewport::KeepInBounds() {
  if (FDiagram.FCanMoveOutOfBounds || FDiagram.FUpdates->Inside(ukUpdate) || !FDiagram.HasParentWindow()) return;
  const TContentExtent e = CalcContentExtent();
  if (e.MinL >= 0 && e.MinT >= 0) return;
  const double s = ContentScale();
  const double dx = -e.MinL / s, dy = -e.MinT / s;
  FDiagram.ProgrammaticMove([&] {
    const std::vector<TDiagramControl*> selected = FDiagram.FSelection->FSelecteds.Vector();
    for (TDiagramControl* c : selected)
      if (!c->AsMember()) c->MoveBy(dx, dy);
  });
}

void TDiagramViewport::MakeControlVisible(TDiagramControl* AControl) {
  if (!AControl) return;
  const TDot centre = SquareCenter(AControl->ControlRect());
  const double s = ContentScale();
  FDiagram.FHorzScrollBar->SetPosition(
      Round(FDiagram.FLeftRuler->VisibleSize() / 2.0 + centre.X * s - FDiagram.GetClientWidth() / 2.0));
  FDiagram.FVertScrollBar->SetPosition(
      Round(FDiagram.FTopRuler->VisibleSize() / 2.0 + centre.Y * s - FDiagram.GetClientHeight() / 2.0));
  FDiagram.RequestRedraw();
}

}  // namespace tarnwick
