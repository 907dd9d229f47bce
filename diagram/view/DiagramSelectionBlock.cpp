// The selection block: the invisible group that stands for a group selection, how the
// diagram makes it and keeps it fitted around the selection, and the bounds of the
// selection it is fitted to.
#include <climits>
#include <cmath>
#include <numbers>

#include "diagram/lines/CustomLine.h"
#include "diagram/model/SelectionBlock.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramSelection.h"
#include "diagram/view/UpdateGuard.h"
#include "geometry/Squares.h"
#include "geometry/Vectors.h"

namespace tarnwick {

namespace {

// The diagram's own selection block: its rectangle is derived from the selection and is
// written without the setters, so nothing is scaled by it and nothing is reported.
class TDiagramSelBlock final : public TSelectionBlock {
 public:
  using TSelectionBlock::TSelectionBlock;
  void FitRect(const TSquare& R) { SetBoundsQuietly(R); }
};

void AddCorners(TDiagramControl* AControl, std::vector<TDot>& APoints) {
  const TSquare r = AControl->ControlRect();
  auto* block = dynamic_cast<TCustomDiagramBlock*>(AControl);
  const TDot centre = SquareCenter(block ? block->GetBoundsRect() : r);
  const double a = AControl->GetAngle();
  for (TDot p : {TDot{r.Left, r.Top}, TDot{r.Right, r.Bottom}, TDot{r.Right, r.Top}, TDot{r.Left, r.Bottom}})
    APoints.push_back(TurnDot(p, centre, a));
}

}  // namespace

void TDiagramSelection::CreateSelBlock() {
  if (FSelBlock) return;
  auto* block = Create<TDiagramSelBlock>(nullptr);
  // Known before it joins, so the diagram keeps it out of its control lists.
  FSelBlock = block;
  block->SetVisible(false);
  block->SetDiagram(&FDiagram);
  block->UpdateBlockHandles();
}

void TDiagramSelection::FreeSelBlock() {
  if (!FSelBlock) return;
  TSelectionBlock* block = FSelBlock;
  // Still known while it leaves, so its leaving is not taken for a control's.
  block->Free();
  FSelBlock = nullptr;
}

TSquare TDiagramSelection::Bounds(bool ABlocksOnly, double AAngle) const {
  std::vector<TDot> pts;
  for (TDiagramControl* c : FSelecteds) {
    if (c->AsMember()) continue;
    if (c->IsLine()) {
      if (ABlocksOnly) continue;
      if (auto* line = dynamic_cast<TCustomDiagramLine*>(c))
        pts.insert(pts.end(), line->GetPoints().begin(), line->GetPoints().end());
      else
        AddCorners(c, pts);
      continue;
    }
    AddCorners(c, pts);
  }
  // Nothing selected: a box inside out, which no search beyond it can miss.
  if (pts.empty()) return TSquare{double(INT_MAX), double(INT_MAX), 0, 0};
  // From the first point, so a selection at negative coordinates is enclosed too.
  return TurnedFrameBounds(std::move(pts), AAngle);
}

void TDiagramSelection::FitSelBlock() {
  if (!FSelBlock) return;
  // Fitting follows the selection; it is no change of the document.
  TDiagramUpdate quiet(FDiagram, ukInternal);
  // The one selected control not treated as a member, if there is just one; the walk
  // stops at a second, so selecting many controls one by one stays linear.
  TDiagramControl* single = nullptr;
  int tops = 0;
  for (TDiagramControl* c : FSelecteds)
    if (!c->AsMember()) {
      single = c;
      if (++tops > 1) break;
    }
  if (FSelecteds.Count() == 0) {
    FSelBlock->FAngle = 0;
    FSelBlock->SetRotationCenter(TDot{50, 50});
  } else if (tops == 1 && !single->IsLine()) {
    // The handles of a lone selected group or block start at its own angle.
    FSelBlock->FAngle = single->GetAngle();
  }
  if (SelBlockInUse()) static_cast<TDiagramSelBlock*>(FSelBlock)->FitRect(Bounds(false, FSelBlock->GetAngle()));
}

}  // namespace tarnwick
