// Page lines on screen: where page boundaries fall at multiples of the page size from the
// diagram's origin, whatever the content.
#include "diagram/view/Diagram.h"
#include "platform/core/Math.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Pen.h"

namespace tarnwick {

void TdvDiagram::DrawPageLines(TCanvas& ACanvas) {
  TOwned<TPen> saved = MakeOwned<TPen>();
  saved->Assign(ACanvas.GetPen());
  ACanvas.SetPen(FPageLines->GetPen());
  const TPageGrid grid = CalcPageGrid(false);
  const double pw = grid.PageWidth / FZoomRatio, ph = grid.PageHeight / FZoomRatio;
  if (pw > 0 && ph > 0) {
    const TSquare clip = PaintClipSquare(ACanvas);
    const TDot origin = GetCanvasOrigin();
    const double scale = ClientToCanvas(TDot{1, 0}).X - origin.X;
    // The boundaries inside the clip only, computed directly: scrolled far from the origin
    // the count of pages before the view must not be walked.
    for (double x : PageBoundaries(pw, origin.X, scale, clip.Left, clip.Right)) {
      ACanvas.MoveTo(Round(x), FTopRuler->VisibleSize());
      ACanvas.LineTo(Round(x), Round(clip.Bottom));
    }
    for (double y : PageBoundaries(ph, origin.Y, scale, clip.Top, clip.Bottom)) {
      ACanvas.MoveTo(FLeftRuler->VisibleSize(), Round(y));
      ACanvas.LineTo(Round(clip.Right), Round(y));
    }
  }
  ACanvas.SetPen(saved.get());
}

}  // namespace tarnwick
