#include "diagram/view/interaction/ResizeTool.h"

#include <cmath>
#include <optional>

#include "diagram/model/LinkPoints.h"
#include "diagram/model/StretchHandles.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramSelection.h"
#include "diagram/view/UpdateGuard.h"
#include "diagram/view/interaction/BrowseTool.h"
#include "diagram/view/interaction/DiagramTools.h"
#include "diagram/view/interaction/LineEnds.h"

namespace tarnwick {

namespace {
TDot ToDot(TPoint P) { return TDot{double(P.X), double(P.Y)}; }

// The control and, for a group, its members at any depth.
void WithMembers(TDiagramControl* C, TDControlPaintMode AMode) {
  C->SetPaintMode(AMode);
  for (int i = 0; i < C->GetMemberCount(); ++i)
    if (TDiagramControl* m = C->GetMember(i)) WithMembers(m, AMode);
}
}  // namespace

void TResizeTool::Begin(TStretchHandle* AHandle) {
  TdvDiagram& d = Diagram();
  TDiagramTools& t = Tools();
  SetState(msResizing);
  t.FHandle = AHandle;
  t.FDragStart = d.ClientToCanvas(AHandle->DiagramPoint());
  t.FOldDragPos = InvalidDot();
  FCtrlDown = false;
  TDiagramControl* c = AHandle->GetDControl();
  if (!c) return;
  c->StartResize();
  if (d.GetDragStyle() == dsShape) {
    // Controls in cursor-only mode stay out of the snapshot: the preview paints them.
    WithMembers(c, pmCursorOnly);
    if (Selection().SelBlockInUse()) {
      for (TDiagramControl* s : Selection().FSelecteds) s->SetPaintMode(pmCursorOnly);
      Selection().FSelBlock->SetPaintMode(pmCursorOnly);
    }
    d.BuildCache();
  }
  if (d.OnBeforeResize) d.OnBeforeResize(&d);
}

bool TResizeTool::IsFirstHandle() const {
  TStretchHandle* h = Tools().FHandle;
  return h && h->GetIndex() == 0;
}

THandleMoveInfo TResizeTool::FillHandleMoveInfo(THandleMoveAction AAction, TPoint APos) {
  TdvDiagram& d = Diagram();
  TDiagramTools& t = Tools();
  THandleMoveInfo& info = FHandleMoveInfo;
  info.AHandle = t.FHandle;
  info.Canvas = nullptr;
  info.Action = AAction;
  const TDot pos = ClientPos(APos);
  TDiagramControl* c = t.FHandle ? t.FHandle->GetDControl() : nullptr;
  info.AnchorPoint = d.LinkPointAtPos(pos, c, true, false, false);
  info.DControl = d.DControlAtPos(pos, csmIgnoreLines, cfIgnoreGroups);
  if (c && info.AnchorPoint) {
    bool keep = false;
    TLinkPoints* lps = c->GetLinkPoints();
    for (int i = 0; lps && i < lps->Count() && !keep; ++i) keep = lps->GetItems(i)->GetCanAnchor();
    TLinkPoint* lp = keep ? c->HandleLinkPoint(t.FHandle) : nullptr;
    keep = lp && lp->GetCanAnchor();
    if (keep && c->IsLine()) {
      const bool first = IsFirstHandle();
      TLinkPoint* source = SourceLinkPointOf(c);
      TLinkPoint* target = TargetLinkPointOf(c);
      TLinkPoint* a1 = first ? info.AnchorPoint : (source ? source->GetAnchorLink() : nullptr);
      TLinkPoint* a2 = first ? (target ? target->GetAnchorLink() : nullptr) : info.AnchorPoint;
      keep = d.DoAcceptLink(c, a1, a2);
    }
    if (!keep || !d.AcceptAnchor(lp, info.AnchorPoint)) info.AnchorPoint = nullptr;
  }
  if (!info.AnchorPoint && c && c->IsLine() && c->GetRequiresConnections()) {
    // The ends of a line that must stay connected stay on their link points.
    TLinkPoint* source = SourceLinkPointOf(c);
    if (source && source->GetAnchor() && !source->GetAnchor()->GetAutoCreateLinkPoints()) {
      TLinkPoint* end = IsFirstHandle() ? source : TargetLinkPointOf(c);
      info.AnchorPoint = end ? end->GetAnchorLink() : nullptr;
    }
  }
  if (AAction == haEraseCursor) return info;
  const double k = d.GetZoomRatio() * d.GetScreenDPIRatio();
  if (info.AnchorPoint) {
    const TDot a = d.ClientToCanvas(info.AnchorPoint->DiagramPoint());
    info.Delta = TDot{(a.X - t.FDragStart.X) / k, (a.Y - t.FDragStart.Y) / k};
    return info;
  }
  TDot delta{(APos.X - t.FDragStart.X) / k, (APos.Y - t.FDragStart.Y) / k};
  delta = d.SnapDeltaPoint(delta);
  TStretchHandles* handles = c ? c->GetHandles() : nullptr;
  if (FCtrlDown && d.GetRestrictMovementWithCtrl().Contains(mrLineHandles) && c && c->IsLine() && handles &&
      handles->Count() > 1) {
    // The line becomes exactly vertical or horizontal, whichever the dragged end is
    // closer to: the component across that direction is taken from the other end.
    const bool first = IsFirstHandle();
    const TDot moved = c->GetHandlePoint(t.FHandle);
    const TDot other = c->GetHandlePoint(handles->GetItems(first ? handles->Count() - 1 : 0));
    const TDot v{other.X - moved.X, other.Y - moved.Y};
    const TDot end{moved.X + delta.X, moved.Y + delta.Y};
    if (std::fabs(other.Y - end.Y) > std::fabs(other.X - end.X))
      delta.X = v.X;
    else
      delta.Y = v.Y;
  }
  info.Delta = delta;
  return info;
}

void TResizeTool::ResizeStep(TPoint APos) {
  TdvDiagram& d = Diagram();
  TDiagramTools& t = Tools();
  TDiagramControl* c = t.FHandle ? t.FHandle->GetDControl() : nullptr;
  if (!c) return;
  const bool shape = d.GetDragStyle() == dsShape;
  THandleMoveInfo info = FillHandleMoveInfo(shape ? haPositionCursor : haDrawCursor, APos);
  if (shape) c->UpdateHandleMove(info);
  if (d.OnDControlResizing) d.OnDControlResizing(&d, APos.X, APos.Y);
  t.FOldDragPos = ToDot(APos);
  d.RequestRedraw();
}

void TResizeTool::PaintOverlay(TCanvas& ACanvas) {
  TDiagramTools& t = Tools();
  TDiagramControl* c = t.FHandle ? t.FHandle->GetDControl() : nullptr;
  if (!c || Diagram().GetDragStyle() != dsOutline || IsInvalidDot(t.FOldDragPos)) return;
  THandleMoveInfo info = FHandleMoveInfo;
  info.Canvas = &ACanvas;
  info.Action = haDrawCursor;
  c->UpdateHandleMove(info);
}

void TResizeTool::EndResize(bool ACancel, TPoint APos) {
  TdvDiagram& d = Diagram();
  TDiagramTools& t = Tools();
  TDiagramControl* c = t.FHandle ? t.FHandle->GetDControl() : nullptr;
  std::optional<TDiagramUpdate> operation;
  // A handle drag that had a step counts as done even when it ends where it started.
  if (c && !IsInvalidDot(t.FOldDragPos) && !ACancel) {
    operation.emplace(d, QStringLiteral("resize"));
    THandleMoveInfo info = FillHandleMoveInfo(haMoved, APos);
    c->UpdateHandleMove(info);
  }
  if (c && d.GetDragStyle() == dsShape) {
    if (Selection().FSelBlock) Selection().FSelBlock->SetPaintMode(pmNormal);
    for (int i = 0; i < d.DControlCount(); ++i) d.GetDControls(i)->SetPaintMode(pmNormal);
  }
  d.DropCache();
  t.FOldDragPos = InvalidDot();
  t.FHandle = nullptr;
  SetState(msBrowsing);
  d.KeepInBounds();
  d.UpdateScrollRanges();
  d.RequestRedraw();
  if (operation) {
    if (d.OnAfterResize) d.OnAfterResize(&d);
    d.Modified();
  }
  operation.reset();
  d.SetCursor(t.FOldScreenCursor);
}

void TResizeTool::MouseMove(TShiftState Shift, TPoint APos) {
  TdvDiagram& d = Diagram();
  TDiagramTools& t = Tools();
  FCtrlDown = Shift.Contains(ssCtrl);
  ResizeStep(APos);
  if (!t.FHandle) return;
  const THandleMoveInfo info = FillHandleMoveInfo(haEraseCursor, APos);
  const bool link = info.AHandle && info.AHandle->GetDControl() &&
                    (info.AnchorPoint || (info.DControl && info.DControl->GetAutoCreateLinkPoints()));
  d.SetCursor(link ? d.GetLinkCursor() : t.FHandle->GetCursor());
}

void TResizeTool::MouseUp(TMouseButton Button, TShiftState Shift, TPoint APos) {
  FCtrlDown = Shift.Contains(ssCtrl);
  TDiagramControl* c = Tools().FHandle ? Tools().FHandle->GetDControl() : nullptr;
  EndResize(false, APos);
  Tools().FBrowse->ClickDispatch(c, Button, Shift, APos);
}

void TResizeTool::Cancel() { EndResize(true, TPoint{0, 0}); }

}  // namespace tarnwick
