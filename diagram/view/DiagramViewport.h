#pragma once
// The diagram's viewport: how diagram units ("client" coordinates) fall onto the target
// of a paint pass. On screen that is the zoom, the screen density, the scroll positions and
// the rulers; a preview, print or export pass sets its own mapping for its length. The
// viewport also keeps the scroll ranges covering the content, zooms, converts units, snaps
// to the grid and cuts the drawing into pages.
#include <QString>

#include "diagram/model/DiagramControlTypes.h"
#include "diagram/printing/Pagination.h"
#include "diagram/view/DiagramTypes.h"
#include "geometry/Dot.h"
#include "platform/core/ShiftState.h"

namespace tarnwick {

class TCanvas;
class TDiagramControl;
class TdvDiagram;

class TDiagramViewport {
 public:
  explicit TDiagramViewport(TdvDiagram& ADiagram) : FDiagram(ADiagram) {}
  TDiagramViewport(const TDiagramViewport&) = delete;
  TDiagramViewport& operator=(const TDiagramViewport&) = delete;

  // ---- Mapping ----
  TDot ClientToCanvas(TDot P) const;
  TDot CanvasToClient(TDot P) const;
  // Canvas pixels per diagram unit on screen.
  double ContentScale() const;
  double ZoomRatio() const;
  int ScreenPPI() const;
  void SetPaintPass(TPaintStyle AStyle, TDot AOffset, double APrintConvX, double APrintConvY);
  // A ruler strip covers the canvas point (its edge row and column included).
  bool IsRulerAt(TDot ACanvasPoint) const;

  // ---- Units ----
  double MeasUnitToMM(double AUnit) const;
  double MMToMeasUnit(double AMM) const;
  QString UnitSymbol() const;
  void ScaleForPPI(int NewPPI);
  TDot SnapDeltaPoint(TDot APoint) const;

  // ---- Zoom ----
  int Zoom() const;
  void SetZoom(int Value);
  void ApplyZoomRatio(double ARatio);
  void ZoomBy(const TSquare& ARect, bool AZoomIn);
  void ZoomMoveToFit(int AMargin);
  // The wheel without the application's handler: scrolls or (with Ctrl) zooms as set.
  bool MouseWheel(TShiftState Shift, int WheelDelta);

  // ---- Extent and scrolling ----
  struct TContentExtent {
    double MinL = 0, MinT = 0, MaxR = 0, MaxB = 0, ExtW = 0, ExtH = 0;
  };
  TContentExtent CalcContentExtent() const;
  void UpdateScrollRanges();
  // The ranges worked out last already reach over this control, so adding it would leave
  // them as they are. Adding controls one by one then measures the drawing only when one
  // lands outside it, instead of at every control.
  bool RangesCover(TDiagramControl* AControl) const;
  void UpdateScrollBars();
  void KeepInBounds();
  void MakeControlVisible(TDiagramControl* AControl);

  // ---- Pages ----
  // Printer pixels per diagram pixel, from the current printer (or the fallback
  // resolution the printable rectangle uses without one).
  TPrintConv PrintConv() const;
  TPageGrid CalcPageGrid(bool WithContent) const;
  int PageColCount() const;
  int PageRowCount() const;

  // The zoom, and the mapping of the paint pass in progress (psScreen between passes).
  double FZoomRatio = 1.0;
  TPaintStyle FPaintStyle = psScreen;
  double FPreviewZoom = 1.0;
  TDot FPreviewOffset;
  float FPrintConvX = 1.0f;
  float FPrintConvY = 1.0f;
  double FAdjustRatioX = 1.0;
  double FAdjustRatioY = 1.0;
  int FOriginalPPI = 96;
  int FCurrentPPI = 0;

 private:
  TdvDiagram& FDiagram;
  bool FUpdatingScrollBars = false;
  // The extent the ranges were last worked out from, and the scale it was measured at;
  // not valid after content was shifted into positive space (it moved since).
  TContentExtent FSettled;
  double FSettledScale = 0;
  bool FSettledValid = false;
};

}  // namespace tarnwick
