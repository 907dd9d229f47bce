// The content extent: scroll ranges that cover the drawing, content kept in positive
// space, and scrolling a control into view.
#include <algorithm>
#include <cstdint>

#include "diagram/view/Diagram.h"
#include "geometry/Squares.h"
#include "platform/core/ScopeGuard.h"

namespace tarnwick {

namespace {
// Sums of positions, ruler sizes and rounded extents can leave the 32-bit range for
// absurd documents (a huge fixed page count, a position stored unclamped); they saturate.
int Saturated(int64_t AValue) { return static_cast<int>(std::clamp<int64_t>(AValue, INT32_MIN, INT32_MAX)); }
}  // namespace

TdvDiagram::TContentExtent TdvDiagram::CalcContentExtent() {
  TContentExtent e;
  const double s = ContentScale();
  for (TDiagramControl* c : FDControls) {
    if (!c->IsVisible() || c->IsGroup()) continue;
    const TSquare r = c->SurroundRect();
    e.MinL = std::min(e.MinL, r.Left * s);
    e.MinT = std::min(e.MinT, r.Top * s);
    e.MaxR = std::max(e.MaxR, r.Right * s + 1);
    e.MaxB = std::max(e.MaxB, r.Bottom * s + 1);
  }
  e.ExtW = std::max<double>(GetClientWidth() - FLeftRuler->VisibleSize(), e.MaxR);
  e.ExtH = std::max<double>(GetClientHeight() - FTopRuler->VisibleSize(), e.MaxB);
  return e;
}

void TdvDiagram::UpdateScrollRanges() {
  // A diagram without a window (an export, the command-line tool) works its ranges out
  // just as a shown one does, so every framing gives the same image either way.
  if (FUpdates->Inside(ukUpdate) || FUpdates->Inside(ukInternal) || IsDestroying()) return;
  TContentExtent e = CalcContentExtent();
  // A shown view brings content at negative coordinates into reach of its scroll bars by
  // moving it. Without a window nobody scrolls, and the controls keep the coordinates the
  // document or the program gave them.
  const bool shift = (e.MinL < 0 || e.MinT < 0) && HasParentWindow();
  if (shift) {
    // The extent is measured in canvas pixels; the content moves by the same distance in
    // diagram units, so it lands at the origin at any zoom and screen scale.
    const double s = ContentScale();
    const double dx = -e.MinL / s, dy = -e.MinT / s;
    ProgrammaticMove([&] {
      const std::vector<TDiagramControl*> controls = FDControls.Vector();
      for (TDiagramControl* c : controls)
        if (!c->IsMember()) c->MoveBy(dx, dy);
    });
  } else {
    e.MinL = e.MinT = 0;
  }
  const int leftRuler = FLeftRuler->VisibleSize(), topRuler = FTopRuler->VisibleSize();
  if (FAutoPage) {
    // Whole pages plus a twentieth of one, so the last page edge stays in view.
    const TPageGrid pages = CalcPageGrid(true);
    const double pw = pages.PageWidth, ph = pages.PageHeight;
    if (pw != 0) FHorzScrollBar->SetRange(Saturated(int64_t{leftRuler} + Round(pages.Cols * pw + pw * 0.05)));
    if (ph != 0) FVertScrollBar->SetRange(Saturated(int64_t{topRuler} + Round(pages.Rows * ph + ph * 0.05)));
  } else if (FAutoScroll) {
    FHorzScrollBar->SetRange(Round(leftRuler + e.ExtW - e.MinL));
    FVertScrollBar->SetRange(Round(topRuler + e.ExtH - e.MinT));
  }
  // The view keeps showing the same content after it was shifted.
  FHorzScrollBar->SetPosition(Saturated(int64_t{FHorzScrollBar->GetPosition()} - Round(e.MinL)));
  FVertScrollBar->SetPosition(Saturated(int64_t{FVertScrollBar->GetPosition()} - Round(e.MinT)));
  UpdateScrollBars();
}

void TdvDiagram::UpdateScrollBars() {
  if (FUpdatingScrollBars || IsDestroying()) return;
  {
    const TScopedValue<bool> busy(FUpdatingScrollBars, true);
    // The bar that is certainly shown is settled first, as it takes room from the other.
    const TScrollBarLayout layout =
        LayoutScrollBars(GetClientWidth(), GetClientHeight(), ScrollBarThickness(), FHorzScrollBar->GetRange(),
                         FHorzScrollBar->GetVisible(), FVertScrollBar->GetRange(), FVertScrollBar->GetVisible());
    if (layout.HorzFirst) {
      FHorzScrollBar->Update(layout.HorzExtent);
      FVertScrollBar->Update(layout.VertExtent);
    } else {
      FVertScrollBar->Update(layout.VertExtent);
      FHorzScrollBar->Update(layout.HorzExtent);
    }
  }
  SyncWindowScrollBars();
}

void TdvDiagram::KeepInBounds() {
  if (FCanMoveOutOfBounds || FUpdates->Inside(ukUpdate) || !HasParentWindow()) return;
  const TContentExtent e = CalcContentExtent();
  if (e.MinL >= 0 && e.MinT >= 0) return;
  const double s = ContentScale();
  const double dx = -e.MinL / s, dy = -e.MinT / s;
  ProgrammaticMove([&] {
    const std::vector<TDiagramControl*> selected = FSelecteds.Vector();
    for (TDiagramControl* c : selected)
      if (!c->AsMember()) c->MoveBy(dx, dy);
  });
}

void TdvDiagram::MakeControlVisible(TDiagramControl* AControl) {
  if (!AControl) return;
  const TDot centre = SquareCenter(AControl->ControlRect());
  const double s = ContentScale();
  FHorzScrollBar->SetPosition(Round(FLeftRuler->VisibleSize() / 2.0 + centre.X * s - GetClientWidth() / 2.0));
  FVertScrollBar->SetPosition(Round(FTopRuler->VisibleSize() / 2.0 + centre.Y * s - GetClientHeight() / 2.0));
  RequestRedraw();
}

}  // namespace tarnwick
