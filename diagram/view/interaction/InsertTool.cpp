#include "diagram/view/interaction/InsertTool.h"

#include <cmath>
#include <memory>
#include <optional>

#include "diagram/model/CustomBlock.h"
#include "diagram/model/LinkPoints.h"
#include "diagram/model/RegDControls.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/UpdateGuard.h"
#include "diagram/view/interaction/DiagramTools.h"
#include "diagram/view/interaction/LineEnds.h"
#include "geometry/BlockDrawer.h"

namespace tarnwick {

namespace {
TDot ToDot(TPoint P) { return TDot{double(P.X), double(P.Y)}; }

bool NeedsConnections(TDiagramControl* C) { return C && C->IsLine() && C->GetRequiresConnections(); }

// A new link point on ABlock at the canvas point, in the block's original coordinates.
TLinkPoint* AddLinkPointAt(TDiagramControl* ABlock, TDot ACanvasPoint) {
  TLinkPoint* lp = ABlock->GetLinkPoints()->Add();
  if (TBlockDrawer* drawer = ABlock->GetDrawer()) {
    ABlock->SetupDrawer(drawer);
    lp->SetOrX(drawer->UnPx(ACanvasPoint.X));
    lp->SetOrY(drawer->UnPY(ACanvasPoint.Y));
  }
  return lp;
}
}  // namespace

bool TInsertTool::CanLinkAt(TDot Pos) {
  TdvDiagram& d = Diagram();
  TLinkPoint* p = d.LinkPointAtPos(Pos, nullptr, true, false, false);
  const TClassInfo* lineClass = d.GetConnectionLineClass();
  if (!p || !lineClass) return false;
  TDiagramControl* line = d.CreateDControl(lineClass, d.GetConnectionLineId());
  if (!line) return false;
  std::unique_ptr<TDiagramControl, void (*)(TDiagramControl*)> freeLine(line, [](TDiagramControl* c) { c->Free(); });
  return d.AcceptAnchor(SourceLinkPointOf(line), p) && d.DoAcceptLink(line, p, nullptr);
}

void TInsertTool::ReleasePendingInsert() {
  TDiagramTools& t = Tools();
  TDiagramControl* pending = t.FInsertDControl;
  t.FInsertDControl = nullptr;
  if (!pending) return;
  // A pending group lets go of its members before it goes.
  for (int i = pending->GetMemberCount() - 1; i >= 0; --i)
    if (TDiagramControl* m = pending->GetMember(i)) m->Free();
  pending->Free();
}

void TInsertTool::StartLink(TDot Pos) {
  TdvDiagram& d = Diagram();
  TDiagramTools& t = Tools();
  ReleasePendingInsert();
  t.FInsertDControl = d.CreateDControl(d.GetConnectionLineClass(), d.GetConnectionLineId());
  if (t.FInsertDControl) t.FInsertDControl->FreeNotification(&d);
  t.FLinkPoint = d.LinkPointAtPos(Pos, nullptr, true, false, false);
  FCreatedLinkPoint = nullptr;
  d.UnselectAll();
  RepaintNow();
  t.FDragStart = d.ClientToCanvas(t.FLinkPoint->DiagramPoint());
  SetState(msInserting);
  t.FOldDragPos = InvalidDot();
}

TLinkPoint* TInsertTool::StartLinkPoint(TDot Pos) {
  TdvDiagram& d = Diagram();
  TDiagramControl* line = Tools().FInsertDControl;
  FCreatedLinkPoint = nullptr;
  if (!line || !line->IsLine()) return nullptr;
  TLinkPoint* lp = d.LinkPointAtPos(Pos, nullptr, true, false, false);
  if (!lp) {
    TDiagramControl* b = d.DControlAtPos(Pos, csmIgnoreLines, cfIgnoreGroups);
    if (b && !b->IsLine() && b->GetAutoCreateLinkPoints()) {
      lp = AddLinkPointAt(b, d.ClientToCanvas(Pos));
      FCreatedLinkPoint = lp;
    }
  }
  if (lp && !(d.AcceptAnchor(SourceLinkPointOf(line), lp) && d.DoAcceptLink(line, lp, nullptr))) lp = nullptr;
  // A point made for this start and then refused would stay on the block for nothing.
  if (!lp) DropCreatedLinkPoint();
  return lp;
}

void TInsertTool::DropCreatedLinkPoint() {
  TLinkPoint* lp = FCreatedLinkPoint;
  FCreatedLinkPoint = nullptr;
  if (lp && lp->AnchoredCount() == 0) lp->Free();
}

void TInsertTool::MouseDown(TMouseButton, TShiftState Shift, TPoint APos) {
  TdvDiagram& d = Diagram();
  TDiagramTools& t = Tools();
  if (State() != msToInsert || !Shift.Contains(ssLeft)) return;
  d.UnselectAll();
  RepaintNow();
  const TDot pos = ClientPos(APos);
  t.FLinkPoint = StartLinkPoint(pos);
  t.FDragStart = t.FLinkPoint ? d.ClientToCanvas(t.FLinkPoint->DiagramPoint()) : d.SnapCanvasPoint(ToDot(APos));
  SetState(msInserting);
  t.FOldDragPos = InvalidDot();
  // A line that must be connected can only start at a link point.
  if (!t.FLinkPoint && NeedsConnections(t.FInsertDControl)) SetState(msToInsert);
}

TControlInsertInfo TInsertTool::FillInsertInfo(TControlInsertAction AAction, TPoint APos) {
  TdvDiagram& d = Diagram();
  TDiagramTools& t = Tools();
  TDiagramControl* pending = t.FInsertDControl;
  TControlInsertInfo& info = FControlInsertInfo;
  info = TControlInsertInfo{};
  info.Diagram = &d;
  info.P1 = d.CanvasToClient(t.FDragStart);
  info.AnchorPoint1 = t.FLinkPoint;
  info.Action = AAction;
  const TDot pos = ClientPos(APos);
  info.AnchorPoint2 = d.LinkPointAtPos(pos, nullptr, true, false, false);
  info.DControl = d.DControlAtPos(pos, pending && pending->IsLine() && pending->GetLinkPointStyle() == ptImplicit ? csmIgnoreLines : csmAll, cfIgnoreGroups);
  if (info.AnchorPoint2 == t.FLinkPoint ||
      (pending && pending->IsLine() &&
       (!d.AcceptAnchor(TargetLinkPointOf(pending), info.AnchorPoint2) ||
        !d.DoAcceptLink(pending, info.AnchorPoint1, info.AnchorPoint2))))
    info.AnchorPoint2 = nullptr;
  if (AAction != iaEraseCursor) {
    if (info.AnchorPoint2) {
      info.P2 = info.AnchorPoint2->DiagramPoint();
    } else {
      info.P2 = d.CanvasToClient(d.SnapCanvasPoint(ToDot(APos)));
      if (AAction == iaInserted && info.DControl && info.DControl->GetAutoCreateLinkPoints() &&
          NeedsConnections(pending) && info.AnchorPoint1) {
        // Both ends are fixed to their blocks without registering a link.
        TLinkPoint* lp = AddLinkPointAt(info.DControl, d.ClientToCanvas(info.P2));
        lp->SetAnchor(info.DControl);
        info.AnchorPoint1->SetAnchor(info.AnchorPoint1->GetDControl());
        info.AnchorPoint2 = lp;
      }
    }
  }
  info.Clicked = std::fabs(info.P1.X - info.P2.X) <= 10 && std::fabs(info.P1.Y - info.P2.Y) <= 10;
  if (info.P2.X == info.P1.X) info.P2.X = info.P1.X + 1;
  if (info.P2.Y == info.P1.Y) info.P2.Y = info.P1.Y + 1;
  return info;
}

bool TInsertTool::InsertStep(TPoint APos) {
  TDiagramTools& t = Tools();
  TDiagramControl* pending = t.FInsertDControl;
  if (!pending) return false;
  const TControlInsertInfo info = FillInsertInfo(iaDrawCursor, APos);
  t.FOldDragPos = ToDot(APos);
  Diagram().RequestRedraw();
  return pending->IsLine() && (info.AnchorPoint2 || (info.DControl && info.DControl->GetAutoCreateLinkPoints()));
}

void TInsertTool::PaintOverlay(TCanvas& ACanvas) {
  TDiagramControl* pending = Tools().FInsertDControl;
  if (!pending || State() != msInserting || IsInvalidDot(Tools().FOldDragPos)) return;
  TControlInsertInfo info = FControlInsertInfo;
  info.Canvas = &ACanvas;
  info.Action = iaDrawCursor;
  pending->UpdateInsert(info);
}

void TInsertTool::EndInsert(TPoint APos, bool ACancel) {
  TdvDiagram& d = Diagram();
  TDiagramTools& t = Tools();
  QString id;
  const TClassInfo* cls = nullptr;
  std::optional<TDiagramUpdate> operation;
  if (TDiagramControl* pending = t.FInsertDControl) {
    id = pending->GetDControlID();
    cls = &pending->ClassInfo();
    if (ACancel) {
      ReleasePendingInsert();
      DropCreatedLinkPoint();
    } else {
      operation.emplace(d, QStringLiteral("insert"));
      TControlInsertInfo info = FillInsertInfo(iaInserted, APos);
      pending->UpdateInsert(info);
      t.FInsertDControl = nullptr;
      pending->SetDiagram(&d);
      pending->SetSelected(true);
      FCreatedLinkPoint = nullptr;
    }
  }
  t.FOldDragPos = InvalidDot();
  t.FInsertDControl = nullptr;
  t.FLinkPoint = nullptr;
  SetState(msBrowsing);
  d.KeepInBounds();
  d.UpdateScrollRanges();
  d.RequestRedraw();
  operation.reset();
  d.SetCursor(t.FOldScreenCursor);
  // The next control of the same kind is armed, but not after a cancelled insertion. It
  // comes by its identifier, as a library object is recreated from its stored text; a
  // class inserted without a registry entry is made again from the class, since by
  // identifier it would come back as a plain block.
  if (t.FKeepInserting && !ACancel && cls) {
    if (RegisteredDControls().FindByID(id))
      d.StartInsertingControl(id, true);
    else
      d.StartInsertingControl(d.CreateDControl(cls, id), true);
  }
}

void TInsertTool::MouseMove(TShiftState, TPoint APos) {
  TdvDiagram& d = Diagram();
  TDiagramTools& t = Tools();
  if (State() == msInserting) {
    if (InsertStep(APos)) d.SetCursor(d.GetLinkCursor());
    return;
  }
  (void)t;
  if (LineCanAnchorAt(ClientPos(APos), false)) d.SetCursor(d.GetLinkCursor());
}

bool TInsertTool::LineCanAnchorAt(TDot Pos, bool ATarget) {
  TdvDiagram& d = Diagram();
  TDiagramControl* line = Tools().FInsertDControl;
  if (!line || !line->IsLine()) return false;
  TLinkPoint* p = d.LinkPointAtPos(Pos, nullptr, true, false, false);
  TDiagramControl* b = d.DControlAtPos(Pos, csmIgnoreLines, cfIgnoreGroups);
  TLinkPoint* end = ATarget ? TargetLinkPointOf(line) : SourceLinkPointOf(line);
  return (p && d.AcceptAnchor(end, p) && d.DoAcceptLink(line, p, nullptr)) ||
         (b && b->GetAutoCreateLinkPoints() && line->GetRequiresConnections());
}

void TInsertTool::MouseUp(TMouseButton, TShiftState, TPoint APos) {
  if (State() != msInserting) return;
  TDiagramControl* pending = Tools().FInsertDControl;
  bool cancel = false;
  if (NeedsConnections(pending)) {
    const TControlInsertInfo info = FillInsertInfo(iaEraseCursor, APos);
    cancel = !info.AnchorPoint2 && (!info.DControl || !info.DControl->GetAutoCreateLinkPoints());
  }
  EndInsert(APos, cancel);
}

void TInsertTool::Cancel() {
  if (State() == msInserting) EndInsert(TPoint{0, 0}, true);
}

}  // namespace tarnwick
