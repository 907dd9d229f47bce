// The steps of drawing a polygon vertex by vertex and of dragging it: moving the block,
// dragging a vertex, the size, rotate and rotation-centre handles, and the preview
// vertices the diagram swaps in while it paints a shape-style drag.
#include <cmath>

#include "diagram/model/DiagramHost.h"
#include "diagram/model/PolygonBlock.h"
#include "geometry/Predicates.h"
#include "geometry/Squares.h"
#include "platform/core/Math.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Pen.h"

namespace tarnwick {

namespace {

TDot Plus(TDot A, TDot B) { return TDot{A.X + B.X, A.Y + B.Y}; }

TPoint ToCanvas(TDiagramHost* AHost, TDot P) {
  const TDot c = AHost ? AHost->ClientToCanvas(P) : P;
  return TPoint{Round(c.X), Round(c.Y)};
}

// Restores the pen and brush of a canvas however drawing leaves.
class TCanvasToolsSaver {
 public:
  explicit TCanvasToolsSaver(TCanvas* ACanvas) : FCanvas(ACanvas) {
    FPen->Assign(ACanvas->GetPen());
    FBrush->Assign(ACanvas->GetBrush());
  }
  ~TCanvasToolsSaver() {
    FCanvas->SetPen(FPen.get());
    FCanvas->SetBrush(FBrush.get());
  }
  TCanvasToolsSaver(const TCanvasToolsSaver&) = delete;
  TCanvasToolsSaver& operator=(const TCanvasToolsSaver&) = delete;

 private:
  TCanvas* FCanvas;
  TOwned<TPen> FPen = MakeOwned<TPen>();
  TOwned<TBrush> FBrush = MakeOwned<TBrush>();
};

void UseDottedInverting(TCanvas* ACanvas) {
  ACanvas->GetBrush()->SetStyle(bsClear);
  ACanvas->GetPen()->SetMode(pmNot);
  ACanvas->GetPen()->SetStyle(psDot);
}

}  // namespace

// ---- Outlines of previews ----

void TCustomPolygonBlock::DrawPolygonOutline(TCanvas* ACanvas, const TDotArray& APoints) {
  if (!ACanvas || APoints.empty()) return;
  TCanvasToolsSaver keep(ACanvas);
  UseDottedInverting(ACanvas);
  TPointArray pts;
  for (const TDot& p : APoints) pts.push_back(ToCanvas(GetDiagramHost(), p));
  pts.push_back(pts.front());
  ACanvas->Polygon(pts);
}

TDotArray TCustomPolygonBlock::MovedVertex(int AIndex, TDot ADelta) const {
  TDotArray pts = FPolygon->Dots();
  const double angle = GetAngle();
  RotatePolygon(pts, angle);
  TDot& moved = pts[static_cast<size_t>(AIndex)];
  moved = Plus(moved, ADelta);
  if (angle == 0) return pts;
  // Turning back about the centre of the moved vertices' box would not do: the box of the
  // unturned vertices has another centre, and the block turns about that one, so every
  // vertex would jump when the drag ends. Unturned about the origin, the vertices have a
  // box centre M; placed so that their box centre sits at M turned forward, they show
  // exactly as dragged.
  const TDot origin{0, 0};
  for (TDot& p : pts) p = TurnDot(p, origin, -angle);
  const TDot m = SquareCenter(PolygonBounds(pts));
  const TDot c = TurnDot(m, origin, angle);
  for (TDot& p : pts) p = TDot{p.X + c.X - m.X, p.Y + c.Y - m.Y};
  return pts;
}

TDot TCustomPolygonBlock::RotCenterForPolygonHandle(TDot ADelta) {
  if (!CanMoveRotCenter()) return GetRotationCenter();
  const TSquare b = GetBoundsRect();
  const TDot p = TurnDot(Plus(GetRotationCenterPoint(), ADelta), SquareCenter(b), -GetAngle());
  return TDot{p.X - b.Left, p.Y - b.Top};
}

// ---- Moving ----

void TCustomPolygonBlock::UpdateMove(TControlMoveInfo& AInfo) {
  const TSquare moved = OffsetSquare(GetBoundsRect(), AInfo.Delta);
  TDotArray pts = FPolygon->Dots();
  MapPolygonToRect(pts, moved);
  switch (AInfo.Action) {
    case caEraseCursor:
    case caDrawCursor:
      RotatePolygon(pts, GetAngle());
      DrawPolygonOutline(AInfo.Canvas, pts);
      break;
    case caMoved:
      SetBoundsRect(moved);
      break;
    case caPositionCursor:
      FCursorPolygon->Clear();
      for (const TDot& p : pts) FCursorPolygon->Add(p.X, p.Y);
      SetCursorGeometry(moved, GetAngle(), GetRotationCenter());
      break;
  }
}

// ---- Handles ----

void TCustomPolygonBlock::UpdateHandleMove(THandleMoveInfo& AInfo) {
  TStretchHandle* handle = AInfo.AHandle;
  if (!handle) return;
  const auto setCursorPolygon = [this](const TDotArray& APoints) {
    FCursorPolygon->Clear();
    for (const TDot& p : APoints) FCursorPolygon->Add(p.X, p.Y);
  };
  if (AInfo.Action == haPositionCursor) {
    // Every preview starts from the real geometry.
    setCursorPolygon(FPolygon->Dots());
    SetCursorGeometry(GetBoundsRect(), GetAngle(), GetRotationCenter());
  }

  if (TPolygonPoint* vertex = IsVertexHandle(handle) ? FPolygon->PointOfHandle(handle) : nullptr) {
    const TDotArray pts = MovedVertex(vertex->GetIndex(), AInfo.Delta);
    switch (AInfo.Action) {
      case haEraseCursor:
      case haDrawCursor: {
        // The preview shows the vertices as turned, with the one dragged.
        TDotArray shown = FPolygon->Dots();
        RotatePolygon(shown, GetAngle());
        shown[static_cast<size_t>(vertex->GetIndex())] =
            Plus(shown[static_cast<size_t>(vertex->GetIndex())], AInfo.Delta);
        DrawPolygonOutline(AInfo.Canvas, shown);
        break;
      }
      case haMoved:
        FPolygon->SetDots(pts);
        FitBoundsToPolygon();
        break;
      case haPositionCursor: {
        setCursorPolygon(pts);
        const TSquare box = PolygonBounds(pts);
        SetCursorGeometry(box, GetAngle(), CarryRotationCenter(box));
        break;
      }
    }
    return;
  }

  switch (handle->GetStyle()) {
    case hsSize: {
      const TSquare r = ResizeRectForHandle(handle, AInfo.Delta);
      TDotArray pts = FPolygon->Dots();
      MapPolygonToRect(pts, r);
      if (AInfo.Action == haEraseCursor || AInfo.Action == haDrawCursor) {
        RotatePolygon(pts, GetAngle());
        DrawPolygonOutline(AInfo.Canvas, pts);
      } else if (AInfo.Action == haMoved) {
        SetBoundsRect(r);
      } else {
        setCursorPolygon(pts);
        const TSquare box = PolygonBounds(pts);
        SetCursorGeometry(box, GetAngle(), CarryRotationCenter(box));
      }
      break;
    }
    case hsRotate: {
      const TSquare r = RotatedBoundsForHandle(handle, AInfo.Delta);
      const double angle = AngleForHandle(handle, AInfo.Delta);
      TDotArray pts = FPolygon->Dots();
      MapPolygonToRect(pts, r);
      if (AInfo.Action == haEraseCursor || AInfo.Action == haDrawCursor) {
        RotatePolygon(pts, angle);
        DrawPolygonOutline(AInfo.Canvas, pts);
      } else if (AInfo.Action == haMoved) {
        SetBoundsRect(r);
        SetAngle(angle);
      } else {
        setCursorPolygon(pts);
        SetCursorGeometry(PolygonBounds(pts), angle, GetRotationCenter());
      }
      break;
    }
    case hsRotCenter:
      if (AInfo.Action == haMoved)
        SetRotationCenter(RotCenterForPolygonHandle(AInfo.Delta));
      else if (AInfo.Action == haPositionCursor)
        SetCursorGeometry(PolygonBounds(*FCursorPolygon), GetAngle(), RotCenterForPolygonHandle(AInfo.Delta));
      break;
    case hsCustom:
      break;
  }
}

// ---- Drawing a new polygon ----

void TCustomPolygonBlock::DrawRubberSegment(TCanvas* ACanvas, TDiagramHost* AHost) {
  if (!ACanvas || FPolygon->Count() == 0) return;
  TCanvasToolsSaver keep(ACanvas);
  UseDottedInverting(ACanvas);
  const TPoint a = ToCanvas(AHost, FPolygon->GetItems(FPolygon->Count() - 1)->GetP());
  const TPoint b = ToCanvas(AHost, TempPolygonPoint);
  ACanvas->MoveTo(a.X, a.Y);
  ACanvas->LineTo(b.X, b.Y);
}

void TCustomPolygonBlock::DrawPlacedSegments(TCanvas* ACanvas, TdvDiagram* ADiagram) {
  if (!ACanvas || FPolygon->Count() < 2) return;
  TDiagramHost* host = ADiagram ? DiagramHostOf(ADiagram) : nullptr;
  TCanvasToolsSaver keep(ACanvas);
  ACanvas->SetPen(GetPen());
  for (int i = 0; i < FPolygon->Count(); ++i) {
    const TPoint p = ToCanvas(host, FPolygon->GetItems(i)->GetP());
    if (i == 0)
      ACanvas->MoveTo(p.X, p.Y);
    else
      ACanvas->LineTo(p.X, p.Y);
  }
}

void TCustomPolygonBlock::UpdateDraw(TControlDrawInfo& AInfo) {
  TDiagramHost* host = AInfo.Diagram ? DiagramHostOf(AInfo.Diagram) : nullptr;
  switch (AInfo.Action) {
    case daStart:
      FPolygon->Clear();
      FPolygon->Add(AInfo.P1.X, AInfo.P1.Y);
      break;
    case daStep: {
      FPolygon->Add(AInfo.P2.X, AInfo.P2.Y);
      if (AInfo.Canvas) {
        TCanvasToolsSaver keep(AInfo.Canvas);
        AInfo.Canvas->SetPen(GetPen());
        const int n = FPolygon->Count();
        const TPoint a = ToCanvas(host, FPolygon->GetItems(n - 2)->GetP());
        const TPoint b = ToCanvas(host, FPolygon->GetItems(n - 1)->GetP());
        AInfo.Canvas->MoveTo(a.X, a.Y);
        AInfo.Canvas->LineTo(b.X, b.Y);
      }
      break;
    }
    case daDrawCursor:
      TempPolygonPoint = AInfo.P2;
      DrawRubberSegment(AInfo.Canvas, host);
      break;
    case daEraseCursor:
      DrawRubberSegment(AInfo.Canvas, host);
      break;
    case daInserted:
      FitBoundsToPolygon();
      break;
  }
}

// ---- Preview swap ----

void TCustomPolygonBlock::CopyPolygonKeepingHandles(TPolygonPoints* ATarget, TPolygonPoints* ASource,
                                                    TPolygonPoints* AHandles) {
  ATarget->Assign(ASource);
  for (int i = 0; i < ATarget->Count(); ++i)
    ATarget->GetItems(i)->SetHandle(i < AHandles->Count() ? AHandles->GetItems(i)->GetHandle() : nullptr);
}

void TCustomPolygonBlock::EnterCursorState() {
  if (FInPolygonCursorState) return;
  FInPolygonCursorState = true;
  // A group sets its members' preview rectangles alone: their preview vertices are then
  // their vertices carried onto that rectangle.
  const TSquare cursorRect = GetCursorRect();
  if (FCursorPolygon->Count() != FPolygon->Count() || !SameSquare(PolygonBounds(*FCursorPolygon), cursorRect)) {
    TDotArray pts = FPolygon->Dots();
    MapPolygonToRect(pts, cursorRect);
    FCursorPolygon->Clear();
    for (const TDot& p : pts) FCursorPolygon->Add(p.X, p.Y);
  }
  TCustomDiagramBlock::EnterCursorState();
  CopyPolygonKeepingHandles(FSavePolygon.get(), FPolygon.get(), FPolygon.get());
  CopyPolygonKeepingHandles(FPolygon.get(), FCursorPolygon.get(), FSavePolygon.get());
}

void TCustomPolygonBlock::LeaveCursorState() {
  if (!FInPolygonCursorState) return;
  FInPolygonCursorState = false;
  CopyPolygonKeepingHandles(FPolygon.get(), FSavePolygon.get(), FSavePolygon.get());
  FSavePolygon->Clear();
  // The next preview is positioned afresh (or carried from a group's rectangle).
  FCursorPolygon->Clear();
  TCustomDiagramBlock::LeaveCursorState();
}

}  // namespace tarnwick
