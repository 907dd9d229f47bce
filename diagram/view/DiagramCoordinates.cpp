// The diagram's coordinates, units, zoom, extent and pages, handed to its viewport.
#include <QGuiApplication>
#include <QScreen>

#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramViewport.h"
#include "geometry/Conversions.h"
#include "platform/core/Math.h"

namespace tarnwick {

// ---- Screen scaling ----

int TdvDiagram::PlatformScreenPPI() const {
  QScreen* screen =
      qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen() : nullptr;
  if (!screen) return 96;
  const int ppi = Round(screen->logicalDotsPerInch());
  return ppi > 0 ? ppi : 96;
}

int TdvDiagram::GetScreenPPI() const { return FViewport->ScreenPPI(); }
double TdvDiagram::GetScreenDPIRatio() const { return GetScreenPPI() / 96.0; }
int TdvDiagram::GetOriginalPPI() const { return FViewport->FOriginalPPI; }
void TdvDiagram::ScaleForPPI(int NewPPI) { FViewport->ScaleForPPI(NewPPI); }

// ---- Conversions ----

TDot TdvDiagram::ClientToCanvas(TDot APoint) const { return FViewport->ClientToCanvas(APoint); }
TDot TdvDiagram::CanvasToClient(TDot APoint) const { return FViewport->CanvasToClient(APoint); }
TPoint TdvDiagram::ClientToCanvas(TPoint APoint) const { return DotToPoint(ClientToCanvas(PointToDot(APoint))); }
TPoint TdvDiagram::CanvasToClient(TPoint APoint) const { return DotToPoint(CanvasToClient(PointToDot(APoint))); }

TRect TdvDiagram::ClientToCanvas(const TRect& ARect) const {
  const TPoint tl = ClientToCanvas(TPoint{ARect.Left, ARect.Top});
  const TPoint br = ClientToCanvas(TPoint{ARect.Right, ARect.Bottom});
  return TRect{tl.X, tl.Y, br.X, br.Y};
}

TSquare TdvDiagram::ClientToCanvas(const TSquare& ARect) const {
  const TDot tl = ClientToCanvas(ARect.TopLeft());
  const TDot br = ClientToCanvas(ARect.BottomRight());
  return TSquare{tl.X, tl.Y, br.X, br.Y};
}

TSquare TdvDiagram::CanvasToClient(const TSquare& ARect) const {
  const TDot tl = CanvasToClient(ARect.TopLeft());
  const TDot br = CanvasToClient(ARect.BottomRight());
  return TSquare{tl.X, tl.Y, br.X, br.Y};
}

// ---- The paint pass's mapping ----

TPaintStyle TdvDiagram::GetPaintStyle() const { return FViewport->FPaintStyle; }

void TdvDiagram::SetPaintPass(TPaintStyle AStyle, TDot AOffset, double APrintConvX, double APrintConvY) {
  FViewport->SetPaintPass(AStyle, AOffset, APrintConvX, APrintConvY);
}

void TdvDiagram::SetPreviewZoom(double Value) { FViewport->FPreviewZoom = Value; }

void TdvDiagram::SetAdjustRatio(double AX, double AY) {
  FViewport->FAdjustRatioX = AX;
  FViewport->FAdjustRatioY = AY;
}

// ---- Units ----

double TdvDiagram::ClientToInches(double X) const { return X / GetScreenPPI(); }
double TdvDiagram::ClientToMilimeters(double X) const { return ClientToInches(X) * 25.4; }
double TdvDiagram::InchesToClient(double X) const { return GetScreenPPI() * X; }
double TdvDiagram::MilimetersToClient(double X) const { return InchesToClient(X / 25.4); }
double TdvDiagram::MeasUnitToMM(double AUnit) const { return FViewport->MeasUnitToMM(AUnit); }
double TdvDiagram::MMToMeasUnit(double AMM) const { return FViewport->MMToMeasUnit(AMM); }
QString TdvDiagram::GetUnitSymbol() const { return FViewport->UnitSymbol(); }

// ---- Snapping ----

TDot TdvDiagram::SnapDeltaPoint(TDot APoint) const { return FViewport->SnapDeltaPoint(APoint); }

TDot TdvDiagram::SnapCanvasPoint(TDot APoint) const {
  if (!FSnapGrid->GetActive()) return APoint;
  return ClientToCanvas(SnapDeltaPoint(CanvasToClient(APoint)));
}

// ---- Zoom ----

int TdvDiagram::GetZoom() const { return FViewport->Zoom(); }
void TdvDiagram::SetZoom(int Value) { FViewport->SetZoom(Value); }
double TdvDiagram::GetZoomRatio() const { return FViewport->ZoomRatio(); }
void TdvDiagram::ZoomIn(const TSquare& ARect) { FViewport->ZoomBy(ARect, true); }
void TdvDiagram::ZoomOut(const TSquare& ARect) { FViewport->ZoomBy(ARect, false); }
void TdvDiagram::ZoomMoveToFit(int AMargin) { FViewport->ZoomMoveToFit(AMargin); }

// ---- Extent and scrolling ----

void TdvDiagram::UpdateScrollRanges() { FViewport->UpdateScrollRanges(); }
void TdvDiagram::UpdateScrollBars() { FViewport->UpdateScrollBars(); }
void TdvDiagram::MakeControlVisible(TDiagramControl* AControl) { FViewport->MakeControlVisible(AControl); }
void TdvDiagram::KeepInBounds() { FViewport->KeepInBounds(); }

// ---- Pages ----

TPageGrid TdvDiagram::CalcPageGrid(bool WithContent) { return FViewport->CalcPageGrid(WithContent); }
int TdvDiagram::GetPageColCount() { return FViewport->PageColCount(); }
int TdvDiagram::GetPageRowCount() { return FViewport->PageRowCount(); }
int TdvDiagram::GetPageCount() { return PageCountOf(GetPageColCount(), GetPageRowCount()); }

}  // namespace tarnwick
