// The steps the mouse drives while a line is inserted, moved or reshaped: each computes
// the new handles into the preview copy, shows them as an outline, and commits them
// when the operation completes.
#include "diagram/lines/CustomLine.h"
#include "diagram/model/DiagramHost.h"
#include "geometry/Conversions.h"
#include "geometry/Vectors.h"
#include "platform/core/ScopeGuard.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Pen.h"

namespace tarnwick {

namespace {

TLinkPoint* AnchorOf(TLinkPoint* AEnd) { return AEnd ? AEnd->GetAnchorLink() : nullptr; }

// An anchor only moves along when its control moves too, i.e. when it is selected.
TLinkPoint* MovingAnchorOf(TLinkPoint* AEnd) {
  TLinkPoint* anchor = AnchorOf(AEnd);
  if (!anchor) return nullptr;
  TDiagramControl* c = anchor->GetDControl();
  return c && c->GetSelected() ? anchor : nullptr;
}

}  // namespace

void TCustomDiagramLine::MoveBy(double ADeltaX, double ADeltaY) {
  TStretchHandles* h = GetHandles();
  const TUpdateScope update(h);
  for (int i = 0; i < h->Count(); ++i) {
    TStretchHandle* handle = h->GetItems(i);
    handle->SetOrPoint(TDot{handle->GetOrX() + ADeltaX, handle->GetOrY() + ADeltaY});
  }
}

void TCustomDiagramLine::StartMove() { FTempHandles->Assign(GetHandles()); }
void TCustomDiagramLine::StartResize() { FTempHandles->Assign(GetHandles()); }

void TCustomDiagramLine::CalcTempHandles(const TLineHandlesInfo& AInfo) {
  FTempHandles->Assign(GetHandles());
  CalcHandles(FTempHandles.get(), AInfo);
}

void TCustomDiagramLine::UpdateMove(TControlMoveInfo& AInfo) {
  if (AInfo.Action != caEraseCursor) {
    EnsureLinkPoints();
    EnsureHandles();
    TLineHandlesInfo info;
    info.LinkPoint1 = MovingAnchorOf(GetSourceLinkPoint());
    info.LinkPoint2 = MovingAnchorOf(GetTargetLinkPoint());
    info.P1 = AddDots(GetSourceHandle()->GetOrPoint(), AInfo.Delta);
    info.P2 = AddDots(GetTargetHandle()->GetOrPoint(), AInfo.Delta);
    // The move found a link point to snap one of the ends to.
    if (AInfo.AnchorPoint && AInfo.LinkPoint) {
      if (AInfo.LinkPoint == GetSourceLinkPoint()) {
        info.P1 = AInfo.AnchorPoint->DiagramPoint();
        info.LinkPoint1 = AInfo.AnchorPoint;
      } else if (AInfo.LinkPoint == GetTargetLinkPoint()) {
        info.P2 = AInfo.AnchorPoint->DiagramPoint();
        info.LinkPoint2 = AInfo.AnchorPoint;
      }
    }
    info.Mode = lhmMove;
    info.Delta = AInfo.Delta;
    CalcTempHandles(info);
  }
  switch (AInfo.Action) {
    case caEraseCursor:
    case caDrawCursor:
      DrawOutline(AInfo.Canvas, FTempHandles.get());
      break;
    case caMoved:
      GetHandles()->Assign(FTempHandles.get());
      if (FLineStyle == lsSideLine) RefreshOrientations();
      break;
    case caPositionCursor:
      break;
  }
}

void TCustomDiagramLine::UpdateInsert(TControlInsertInfo& AInfo) {
  TLineHandlesInfo info;
  info.P1 = AInfo.P1;
  info.P2 = AInfo.P2;
  info.LinkPoint1 = AInfo.AnchorPoint1;
  info.LinkPoint2 = AInfo.AnchorPoint2;
  info.Mode = lhmInsert;
  switch (AInfo.Action) {
    case iaDrawCursor:
      CalcTempHandles(info);
      // The line is not on the diagram yet, so the outline is put on the screen here.
      if (AInfo.Diagram) {
        TDiagramHost* host = DiagramHostOf(AInfo.Diagram);
        for (int i = 0; i < FTempHandles->Count(); ++i) {
          TStretchHandle* h = FTempHandles->GetItems(i);
          h->SetOrPoint(PointToDot(DotToPoint(host->ClientToCanvas(h->GetOrPoint()))));
        }
      }
      DrawOutline(AInfo.Canvas, FTempHandles.get());
      break;
    case iaEraseCursor:
      DrawOutline(AInfo.Canvas, FTempHandles.get());
      break;
    case iaInserted:
      // A click without travel makes a line of the default size.
      if (AInfo.Clicked) info.P2 = AddDots(info.P1, TDot{100, 50});
      CalcHandles(GetHandles(), info);
      EnsureLinkPoints();
      GetSourceLinkPoint()->SetAnchorLink(AInfo.AnchorPoint1);
      GetTargetLinkPoint()->SetAnchorLink(AInfo.AnchorPoint2);
      if (FLineStyle == lsSideLine) RefreshOrientations();
      break;
  }
}

void TCustomDiagramLine::UpdateHandleMove(THandleMoveInfo& AInfo) {
  const bool isSource = AInfo.AHandle && AInfo.AHandle == GetSourceHandle();
  const bool isTarget = AInfo.AHandle && !isSource && AInfo.AHandle == GetTargetHandle();
  if (AInfo.Action != haEraseCursor) {
    EnsureLinkPoints();
    EnsureHandles();
    TLineHandlesInfo info;
    info.LinkPoint1 = AnchorOf(GetSourceLinkPoint());
    info.LinkPoint2 = AnchorOf(GetTargetLinkPoint());
    info.P1 = GetSourceHandle()->GetOrPoint();
    info.P2 = GetTargetHandle()->GetOrPoint();
    if (isSource) {
      info.LinkPoint1 = AInfo.AnchorPoint;
      info.P1 = AInfo.AnchorPoint ? AInfo.AnchorPoint->DiagramPoint() : AddDots(info.P1, AInfo.Delta);
    } else if (isTarget) {
      info.LinkPoint2 = AInfo.AnchorPoint;
      info.P2 = AInfo.AnchorPoint ? AInfo.AnchorPoint->DiagramPoint() : AddDots(info.P2, AInfo.Delta);
    }
    info.Handle = AInfo.AHandle;
    info.Delta = AInfo.Delta;
    info.Mode = lhmHandle;
    CalcTempHandles(info);
  }
  switch (AInfo.Action) {
    case haEraseCursor:
    case haDrawCursor:
      DrawOutline(AInfo.Canvas, FTempHandles.get());
      break;
    case haMoved:
      GetHandles()->Assign(FTempHandles.get());
      // Dropping onto a control that creates link points is finished by the diagram.
      if ((isSource || isTarget) && (!AInfo.DControl || !AInfo.DControl->GetAutoCreateLinkPoints())) {
        TLinkPoint* end = isSource ? GetSourceLinkPoint() : GetTargetLinkPoint();
        end->SetAnchorLink(AInfo.AnchorPoint);
      }
      if (FLineStyle == lsSideLine) RefreshOrientations();
      break;
    case haPositionCursor:
      break;
  }
}

void TCustomDiagramLine::DrawOutline(TCanvas* ACanvas, TStretchHandles* AHandles) {
  if (!ACanvas || !AHandles) return;
  TPen savedPen;
  savedPen.Assign(ACanvas->GetPen());
  TBrush savedBrush;
  savedBrush.Assign(ACanvas->GetBrush());
  ACanvas->GetBrush()->SetStyle(bsClear);
  ACanvas->GetPen()->SetMode(pmNot);
  ACanvas->GetPen()->SetStyle(psDot);
  // Outlines always go to the canvas: inverting twice must give the picture back.
  TDiagramDrawInfo info;
  info.Canvas = ACanvas;
  TScopeExit restore([&] {
    ACanvas->SetPen(&savedPen);
    ACanvas->SetBrush(&savedBrush);
  });
  DrawLinePath(info, AHandles, false);
}

}  // namespace tarnwick
