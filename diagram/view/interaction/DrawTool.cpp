#include "diagram/view/interaction/DrawTool.h"

#include <cmath>
#include <optional>

#include "diagram/model/LinkPoints.h"
#include "diagram/model/PolygonBlock.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/UpdateGuard.h"
#include "diagram/view/interaction/DiagramTools.h"
#include "diagram/view/interaction/InsertTool.h"
#include "diagram/view/interaction/LineEnds.h"
#include "diagram/model/StretchHandles.h"
#include "geometry/BlockDrawer.h"
#include "platform/gui/Canvas.h"

namespace tarnwick {

namespace {
TDot ToDot(TPoint P) { return TDot{double(P.X), double(P.Y)}; }
bool NeedsConnections(TDiagramControl* C) { return C && C->IsLine() && C->GetRequiresConnections(); }
}  // namespace

TControlDrawInfo TDrawTool::FillDrawInfo(TControlDrawAction AAction, TPoint APos) {
  TdvDiagram& d = Diagram();
  TDiagramTools& t = Tools();
  TDiagramControl* pending = t.FInsertDControl;
  TControlDrawInfo& info = FControlDrawInfo;
  const TDot lastP2 = info.P2;
  info = TControlDrawInfo{};
  info.Diagram = &d;
  info.AnchorPoint1 = t.FLinkPoint;
  info.Action = AAction;
  info.P1 = d.CanvasToClient(t.FDragStart);
  const TDot pos = ClientPos(APos);
  info.AnchorPoint2 = d.LinkPointAtPos(pos, nullptr, true, false, false);
  info.DControl = d.DControlAtPos(
      pos, pending && pending->IsLine() && pending->GetLinkPointStyle() == ptImplicit ? csmIgnoreLines : csmAll,
      cfIgnoreGroups);
  // The erase step keeps the last previewed position.
  info.P2 = AAction == daEraseCursor ? lastP2 : d.CanvasToClient(d.SnapCanvasPoint(ToDot(APos)));
  if (AAction == daInserted && info.DControl && !info.DControl->IsLine() &&
      info.DControl->GetAutoCreateLinkPoints() && info.AnchorPoint1) {
    TLinkPoint* lp = info.DControl->GetLinkPoints()->Add();
    if (TBlockDrawer* drawer = info.DControl->GetDrawer()) {
      info.DControl->SetupDrawer(drawer);
      lp->SetOrPoint(drawer->UnPP(d.ClientToCanvas(info.P2)));
    }
    lp->SetAnchor(info.DControl);
    info.AnchorPoint1->SetAnchor(info.AnchorPoint1->GetDControl());
    info.AnchorPoint2 = lp;
  }
  return info;
}

void TDrawTool::MouseDown(TMouseButton, TShiftState Shift, TPoint APos) {
  TdvDiagram& d = Diagram();
  TDiagramTools& t = Tools();
  TDiagramControl* pending = t.FInsertDControl;
  if (!Shift.Contains(ssLeft)) return;
  if (State() == msToDraw) {
    d.UnselectAll();
    RepaintNow();
    t.FDragStart = d.SnapCanvasPoint(ToDot(APos));
    SetState(msDrawing);
    t.FOldDragPos = InvalidDot();
    FControlDrawInfo = TControlDrawInfo{};
    t.FLinkPoint = t.FInsert->StartLinkPoint(ClientPos(APos));
    if (!t.FLinkPoint && NeedsConnections(pending)) {
      SetState(msToDraw);
      return;
    }
    if (pending) {
      TControlDrawInfo info = FillDrawInfo(daStart, APos);
      pending->UpdateDraw(info);
    }
  } else if (State() == msDrawing && Shift.Contains(ssDouble)) {
    const bool cancel = NeedsConnections(pending) && !FControlDrawInfo.AnchorPoint2 &&
                        (!FControlDrawInfo.DControl || !FControlDrawInfo.DControl->GetAutoCreateLinkPoints());
    EndDraw(cancel, APos);
  }
}

void TDrawTool::DrawAddPoint(TPoint APos) {
  TdvDiagram& d = Diagram();
  TDiagramTools& t = Tools();
  TDiagramControl* pending = t.FInsertDControl;
  if (!pending) return;
  const TDot p2 = d.CanvasToClient(d.SnapCanvasPoint(ToDot(APos)));
  const TDot p1 = d.CanvasToClient(t.FDragStart);
  // A point too close to the previous one is no new point.
  if (std::fabs(p1.X - p2.X) <= 5 && std::fabs(p1.Y - p2.Y) <= 5) return;
  TControlDrawInfo info = FillDrawInfo(daStep, APos);
  pending->UpdateDraw(info);
  t.FOldDragPos = InvalidDot();
  t.FDragStart = d.SnapCanvasPoint(ToDot(APos));
  d.RequestRedraw();
}

void TDrawTool::EndDraw(bool ACancel, TPoint APos) {
  TdvDiagram& d = Diagram();
  TDiagramTools& t = Tools();
  std::optional<TDiagramUpdate> operation;
  if (TDiagramControl* pending = t.FInsertDControl) {
    if (ACancel) {
      t.FInsert->ReleasePendingInsert();
      t.FInsert->DropCreatedLinkPoint();
    } else {
      operation.emplace(d, QStringLiteral("insert"));
      TControlDrawInfo info = FillDrawInfo(daInserted, APos);
      pending->UpdateDraw(info);
      t.FInsertDControl = nullptr;
      pending->SetDiagram(&d);
      pending->SetSelected(true);
      t.FInsert->KeepCreatedLinkPoint();
    }
  }
  t.FOldDragPos = InvalidDot();
  t.FInsertDControl = nullptr;
  t.FLinkPoint = nullptr;
  SetState(msBrowsing);
  d.UpdateScrollRanges();
  d.RequestRedraw();
  operation.reset();
  d.SetCursor(t.FOldScreenCursor);
}

void TDrawTool::MouseMove(TShiftState, TPoint APos) {
  TdvDiagram& d = Diagram();
  TDiagramTools& t = Tools();
  if (State() == msDrawing && t.FInsertDControl) {
    FillDrawInfo(daDrawCursor, APos);
    t.FOldDragPos = ToDot(APos);
    d.RequestRedraw();
  }
  if (t.FInsert->LineCanAnchorAt(ClientPos(APos), State() == msDrawing)) d.SetCursor(d.GetLinkCursor());
}

void TDrawTool::MouseUp(TMouseButton, TShiftState, TPoint APos) {
  if (State() != msDrawing) return;
  DrawAddPoint(APos);
  TDiagramControl* pending = Tools().FInsertDControl;
  if (pending && pending->IsLine() && Tools().FInsert->LineCanAnchorAt(ClientPos(APos), true)) EndDraw(false, APos);
}

void TDrawTool::PaintOverlay(TCanvas& ACanvas) {
  TDiagramControl* pending = Tools().FInsertDControl;
  if (!pending || State() != msDrawing || IsInvalidDot(Tools().FOldDragPos)) return;
  // The points placed so far: the control is not on the diagram yet, so nothing else
  // paints them. A polygon's vertices get their handles only once it is inserted.
  if (auto* polygon = dynamic_cast<TCustomPolygonBlock*>(pending)) {
    polygon->DrawPlacedSegments(&ACanvas, &Diagram());
    TControlDrawInfo info = FControlDrawInfo;
    info.Canvas = &ACanvas;
    info.Action = daDrawCursor;
    pending->UpdateDraw(info);
    return;
  }
  TStretchHandles* handles = pending->GetHandles();
  const TPenStyle penStyle = ACanvas.GetPen()->GetStyle();
  ACanvas.GetPen()->SetStyle(psDot);
  for (int i = 0; handles && i < handles->Count(); ++i) {
    const TDot p = Diagram().ClientToCanvas(handles->GetItems(i)->GetOrPoint());
    const int x = int(std::lround(p.X)), y = int(std::lround(p.Y));
    if (i == 0)
      ACanvas.MoveTo(x, y);
    else
      ACanvas.LineTo(x, y);
  }
  ACanvas.GetPen()->SetStyle(penStyle);
  TControlDrawInfo info = FControlDrawInfo;
  info.Canvas = &ACanvas;
  info.Action = daDrawCursor;
  pending->UpdateDraw(info);
}

void TDrawTool::Cancel() {
  if (State() == msDrawing) EndDraw(true, TPoint{0, 0});
}

}  // namespace tarnwick
