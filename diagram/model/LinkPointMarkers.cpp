#include "diagram/model/LinkPointMarkers.h"

#include "diagram/model/DiagramControl.h"
#include "diagram/model/DiagramHost.h"
#include "geometry/Conversions.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Pen.h"

namespace tarnwick {

namespace {

void Line(TCanvas* ACanvas, int X1, int Y1, int X2, int Y2) {
  ACanvas->MoveTo(X1, Y1);
  ACanvas->LineTo(X2, Y2);
}

}  // namespace

void DrawNodeMarker(TCanvas* ACanvas, int X, int Y, bool ACollapsed) {
  if (!ACanvas) return;
  TPen* pen = ACanvas->GetPen();
  TBrush* brush = ACanvas->GetBrush();
  pen->SetStyle(psSolid);
  pen->SetColor(TColor(0x808080));
  brush->SetStyle(bsSolid);
  brush->SetColor(clWhite);
  ACanvas->Rectangle(X - 4, Y - 4, X + 5, Y + 5);
  pen->SetColor(clBlack);
  Line(ACanvas, X - 2, Y, X + 3, Y);
  if (ACollapsed) Line(ACanvas, X, Y - 2, X, Y + 3);
}

void DrawStyleMarker(TCanvas* ACanvas, int X, int Y, TLinkPointStyle AStyle) {
  if (!ACanvas) return;
  // The canvas leaves out the right and bottom edges and the end pixel of lines, so the
  // far coordinates are one larger than the marker's last pixel.
  switch (AStyle) {
    case ptEllipse:
      ACanvas->Ellipse(X - 2, Y - 2, X + 3, Y + 3);
      break;
    case ptRectangle:
      ACanvas->Rectangle(X - 2, Y - 2, X + 3, Y + 3);
      break;
    case ptDiamond:
      ACanvas->Polygon({{X, Y - 3}, {X + 3, Y}, {X, Y + 3}, {X - 3, Y}});
      break;
    case ptCross:
      Line(ACanvas, X - 2, Y - 2, X + 3, Y + 3);
      Line(ACanvas, X + 2, Y - 2, X - 3, Y + 3);
      break;
    case ptNone:
    case ptImplicit:
      break;
  }
}

void DrawLinkPoint(TCanvas* ACanvas, TLinkPoint* ALinkPoint, const TLinkPointDrawHook& AHook) {
  if (!ACanvas || !ALinkPoint) return;
  TDiagramControl* control = ALinkPoint->GetDControl();
  TDiagramHost* host = control ? control->GetDiagramHost() : nullptr;
  const TDot dot = ALinkPoint->DiagramPoint();
  const TPoint p = DotToPoint(host ? host->ClientToCanvas(dot) : dot);
  if (AHook) {
    bool done = false;
    AHook(ACanvas, ALinkPoint, p, done);
    if (done) return;
  }
  if (!ALinkPoint->GetVisible()) return;
  if (ALinkPoint->IsNode()) {
    DrawNodeMarker(ACanvas, p.X, p.Y, ALinkPoint->GetCollapsed());
    return;
  }
  if (control) {
    ACanvas->SetPen(control->GetLinkPointPen());
    ACanvas->SetBrush(control->GetLinkPointBrush());
  }
  DrawStyleMarker(ACanvas, p.X, p.Y, ALinkPoint->GetStyle());
}

void DrawLinkPoints(TCanvas* ACanvas, TDiagramControl* AControl, const TLinkPointDrawHook& AHook) {
  if (!ACanvas || !AControl) return;
  TLinkPoints* points = AControl->GetLinkPoints();
  for (int i = 0; i < points->Count(); ++i) DrawLinkPoint(ACanvas, points->GetItems(i), AHook);
}

void DrawControlLinkPoints(TCanvas* ACanvas, TDiagramControl* AControl, bool AShowLinkPoints,
                           const TLinkPointDrawHook& AHook) {
  if (!ACanvas || !AControl || AControl->IsLine()) return;
  if (AShowLinkPoints) DrawLinkPoints(ACanvas, AControl, AHook);
  TLinkPoints* points = AControl->GetLinkPoints();
  for (int i = 0; i < points->Count(); ++i)
    if (points->GetItems(i)->IsNode()) DrawLinkPoint(ACanvas, points->GetItems(i), AHook);
}

}  // namespace tarnwick
