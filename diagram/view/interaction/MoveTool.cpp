#include "diagram/view/interaction/MoveTool.h"

#include <cmath>
#include <optional>

#include "diagram/model/LinkPoints.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramSelection.h"
#include "diagram/view/UpdateGuard.h"
#include "diagram/view/interaction/BrowseTool.h"
#include "diagram/view/interaction/DiagramTools.h"
#include "diagram/view/interaction/LineEnds.h"

namespace tarnwick {

namespace {
TDot Plus(TDot A, TDot B) { return TDot{A.X + B.X, A.Y + B.Y}; }
TDot Minus(TDot A, TDot B) { return TDot{A.X - B.X, A.Y - B.Y}; }
TDot ToDot(TPoint P) { return TDot{double(P.X), double(P.Y)}; }
}  // namespace

std::vector<TDiagramControl*> TMoveTool::Movers() const {
  std::vector<TDiagramControl*> result;
  for (TDiagramControl* c : Selection().FSelecteds) result.push_back(c);
  if (Selection().SelBlockInUse()) result.push_back(Selection().FSelBlock);
  return result;
}

void TMoveTool::Begin() {
  TdvDiagram& d = Diagram();
  SetState(msMoving);
  Tools().FOldDragPos = InvalidDot();
  FCtrlDown = false;
  FMovers = Movers();
  FControlMoveInfos.assign(FMovers.size(), TControlMoveInfo{});
  d.BuildCache();
  const bool shape = d.GetDragStyle() == dsShape;
  TDiagramControl* selBlock = Selection().SelBlockInUse() ? Selection().FSelBlock : nullptr;
  for (TDiagramControl* c : FMovers) {
    c->StartMove();
    if (shape) c->SetPaintMode(c == selBlock ? pmCursorOnly : pmNormalCursor);
  }
  if (d.OnBeforeMove) d.OnBeforeMove(&d);
}

TDot TMoveTool::MoveDelta(TDiagramControl* AControl, TPoint APos) const {
  TdvDiagram& d = Diagram();
  const bool selBlock = AControl == Selection().FSelBlock && AControl;
  if (!selBlock && (!AControl->GetSelected() || !AControl->CanMove())) return TDot{0, 0};
  const double k = d.GetZoomRatio() * d.GetScreenDPIRatio();
  const TDot start = Tools().FDragStart;
  TDot delta{(APos.X - start.X) / k, (APos.Y - start.Y) / k};
  if (FCtrlDown && d.GetRestrictMovementWithCtrl().Contains(mrBlocks)) {
    if (std::fabs(delta.Y) > std::fabs(delta.X))
      delta.X = 0;
    else
      delta.Y = 0;
  }
  return d.SnapDeltaPoint(delta);
}

void TMoveTool::FillMoveInfos(TControlMoveAction AAction, TPoint APos) {
  TdvDiagram& d = Diagram();
  TLinkPoint* p = nullptr;
  TLinkPoint* q = nullptr;
  if (AAction != caEraseCursor) {
    const TDot pos = ClientPos(APos);
    for (TDiagramControl* s : Selection().FSelecteds) {
      if (q) break;
      if (s->IsMember() || !s->CanMove()) continue;
      TLinkPoints* lps = s->GetLinkPoints();
      for (int i = 0; lps && i < lps->Count() && !q; ++i) {
        TLinkPoint* lp = lps->GetItems(i);
        if (!lp->GetCanAnchor() || !lp->GetCanAnchorInMove()) continue;
        if (lp->GetAnchor() && lp->GetAnchor()->GetSelected()) continue;
        const TDot delta = MoveDelta(s, APos);
        // The part of the travel the grid took away: ends follow the pointer itself.
        const TDot lost = Minus(pos, Plus(d.CanvasToClient(Tools().FDragStart), delta));
        TLinkPoint* cand = d.LinkPointAtPos(Plus(Plus(lp->DiagramPoint(), delta), lost), s, true, false, true);
        if (!cand) continue;
        if (s->IsLine()) {
          TLinkPoint* a1 = nullptr;
          TLinkPoint* a2 = nullptr;
          if (lp == SourceLinkPointOf(s)) {
            a1 = cand;
            a2 = UnselectedAnchorLink(TargetLinkPointOf(s));
          } else {
            a1 = UnselectedAnchorLink(SourceLinkPointOf(s));
            a2 = cand;
          }
          if (!d.DoAcceptLink(s, a1, a2)) continue;
        }
        if (!d.AcceptAnchor(lp, cand)) continue;
        p = lp;
        q = cand;
      }
    }
  }
  TDiagramControl* selBlock = Selection().SelBlockInUse() ? Selection().FSelBlock : nullptr;
  for (size_t i = 0; i < FMovers.size(); ++i) {
    TControlMoveInfo& info = FControlMoveInfos[i];
    info.Canvas = nullptr;
    info.Action = AAction;
    const bool isSelBlock = FMovers[i] == selBlock;
    info.LinkPoint = isSelBlock ? nullptr : p;
    info.AnchorPoint = isSelBlock ? nullptr : q;
    if (AAction == caEraseCursor) continue;
    info.Delta = q && !isSelBlock ? Minus(q->DiagramPoint(), p->DiagramPoint()) : MoveDelta(FMovers[i], APos);
  }
}

bool TMoveTool::MoveStep(TPoint APos) {
  TdvDiagram& d = Diagram();
  const bool shape = d.GetDragStyle() == dsShape;
  FillMoveInfos(shape ? caPositionCursor : caDrawCursor, APos);
  bool anchored = false;
  for (size_t i = 0; i < FMovers.size(); ++i) {
    anchored = anchored || FControlMoveInfos[i].AnchorPoint;
    // Outlines are drawn by the paint event from the stored records.
    if (shape) FMovers[i]->UpdateMove(FControlMoveInfos[i]);
  }
  if (d.OnMoving) d.OnMoving(&d, APos.X, APos.Y);
  Tools().FOldDragPos = ToDot(APos);
  d.RequestRedraw();
  return anchored;
}

void TMoveTool::PaintOverlay(TCanvas& ACanvas) {
  if (Diagram().GetDragStyle() != dsOutline || IsInvalidDot(Tools().FOldDragPos)) return;
  for (size_t i = 0; i < FMovers.size(); ++i) {
    TControlMoveInfo info = FControlMoveInfos[i];
    info.Canvas = &ACanvas;
    info.Action = caDrawCursor;
    FMovers[i]->UpdateMove(info);
  }
}

void TMoveTool::EndMove(bool ACancel, TPoint APos) {
  TdvDiagram& d = Diagram();
  TDiagramTools& t = Tools();
  const bool shape = d.GetDragStyle() == dsShape;
  // The operation bracket ends after the clean-up below, so its undo step sees the
  // finished state; a move that changes nothing reports nothing.
  std::optional<TDiagramUpdate> operation;
  if (!IsInvalidDot(t.FOldDragPos) && !ACancel) {
    FillMoveInfos(caMoved, APos);
    // Every entry counts: a first control that may not move has a zero delta while the
    // rest of the selection moves.
    bool any = false;
    for (const TControlMoveInfo& info : FControlMoveInfos) any = any || info.Delta.X != 0 || info.Delta.Y != 0;
    if (any) {
      operation.emplace(d, QStringLiteral("move"));
      TDiagramUpdate position(d, ukPosition);
      TDiagramControl* selBlock = Selection().SelBlockInUse() ? Selection().FSelBlock : nullptr;
      if (selBlock) {
        selBlock->UpdateMove(FControlMoveInfos.back());
      } else {
        for (size_t i = 0; i < FMovers.size(); ++i) {
          TDiagramControl* c = FMovers[i];
          if (c->AsMember()) continue;
          c->UpdateMove(FControlMoveInfos[i]);
          c->UnlinkFromUnselected();
        }
      }
      if (!FControlMoveInfos.empty()) {
        const TControlMoveInfo& first = FControlMoveInfos.front();
        TLinkPoint* p = first.LinkPoint;
        TLinkPoint* q = first.AnchorPoint;
        if (p && q && !(p->GetDControl()->IsLine() && p->GetDControl()->GetRequiresConnections())) {
          p->SetAnchor(q->GetDControl());
          p->SetAnchorIndex(q->GetIndex());
        }
      }
      for (TDiagramControl* c : Selection().FSelecteds) c->NotifyAnchoreds(acPosition);
      d.KeepInBounds();
    }
  }
  FControlMoveInfos.clear();
  if (shape) {
    for (TDiagramControl* c : FMovers) c->SetPaintMode(pmNormal);
  }
  FMovers.clear();
  d.DropCache();
  SetState(msBrowsing);
  d.UpdateScrollRanges();
  d.RequestRedraw();
  if (operation) {
    if (d.OnAfterMove) d.OnAfterMove(&d);
    d.Modified();
  }
  operation.reset();
  t.FOldDragPos = InvalidDot();
  d.SetCursor(t.FOldScreenCursor);
}

void TMoveTool::MouseMove(TShiftState Shift, TPoint APos) {
  FCtrlDown = Shift.Contains(ssCtrl);
  if (MoveStep(APos)) Diagram().SetCursor(Diagram().GetLinkCursor());
}

void TMoveTool::MouseUp(TMouseButton Button, TShiftState Shift, TPoint APos) {
  FCtrlDown = Shift.Contains(ssCtrl);
  EndMove(false, APos);
  Tools().FBrowse->ClickDispatch(Diagram().DControlAtPos(ClientPos(APos), csmAll, cfIgnoreGroups), Button, Shift,
                                 APos);
}

void TMoveTool::Cancel() { EndMove(true, TPoint{0, 0}); }

}  // namespace tarnwick
