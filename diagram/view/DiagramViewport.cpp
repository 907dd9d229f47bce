// The viewport: how diagram units map onto the target of a paint pass, screen density,
// measurement units, grid snapping and pages. Zoom is in DiagramViewportZoom.cpp, the extent
// and scrolling in DiagramViewportExtent.cpp.
#include "diagram/view/DiagramViewport.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "diagram/printing/PageDevice.h"
#include "diagram/printing/PageSettings.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramScrollBar.h"
#include "geometry/Conversions.h"
#include "platform/core/Math.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Font.h"

namespace tarnwick {

namespace {
// The inverse of a scale factor that a pass may have left at 0: such an axis is left
// as it is instead of dividing by zero.
double Unscale(double AValue, double AFactor) { return AFactor != 0 ? AValue / AFactor : AValue; }
}  // namespace

int TDiagramViewport::ScreenPPI() const { return FDiagram.FIgnoreScreenDPI ? 96 : FDiagram.PlatformScreenPPI(); }

double TDiagramViewport::ContentScale() const { return FDiagram.GetScreenDPIRatio() * FZoomRatio; }

double TDiagramViewport::ZoomRatio() const {
  return FPaintStyle == psPreview || FPaintStyle == psPrint ? FPreviewZoom : FZoomRatio;
}

TDot TDiagramViewport::ClientToCanvas(TDot P) const {
  switch (FPaintStyle) {
    case psScreen: {
      const double s = ContentScale();
      return TDot{P.X * s - FDiagram.FHorzScrollBar->GetPosition() + FDiagram.FLeftRuler->VisibleSize(),
                  P.Y * s - FDiagram.FVertScrollBar->GetPosition() + FDiagram.FTopRuler->VisibleSize()};
    }
    case psPreview:
    case psPrint: {
      double x = (P.X * FPrintConvX + FPreviewOffset.X) * FAdjustRatioX;
      double y = (P.Y * FPrintConvY + FPreviewOffset.Y) * FAdjustRatioY;
      if (FPreviewZoom != 1) {
        x *= FPreviewZoom;
        y *= FPreviewZoom;
      }
      return TDot{x, y};
    }
    case psBitmap: {
      double x = P.X + FPreviewOffset.X;
      double y = P.Y + FPreviewOffset.Y;
      if (FZoomRatio != 1) {
        x *= FZoomRatio;
        y *= FZoomRatio;
      }
      return TDot{x, y};
    }
  }
  return P;
}

TDot TDiagramViewport::CanvasToClient(TDot P) const {
  switch (FPaintStyle) {
    case psScreen: {
      const TDot origin = ClientToCanvas(TDot{0, 0});
      const double s = ContentScale();
      return TDot{Unscale(P.X - origin.X, s), Unscale(P.Y - origin.Y, s)};
    }
    case psPreview:
    case psPrint: {
      double x = P.X, y = P.Y;
      if (FPreviewZoom != 1) {
        x = Unscale(x, FPreviewZoom);
        y = Unscale(y, FPreviewZoom);
      }
      x = Unscale(x, FAdjustRatioX) - FPreviewOffset.X;
      y = Unscale(y, FAdjustRatioY) - FPreviewOffset.Y;
      return TDot{Unscale(x, FPrintConvX), Unscale(y, FPrintConvY)};
    }
    case psBitmap: {
      double x = P.X, y = P.Y;
      if (FZoomRatio != 1) {
        x = Unscale(x, FZoomRatio);
        y = Unscale(y, FZoomRatio);
      }
      return TDot{x - FPreviewOffset.X, y - FPreviewOffset.Y};
    }
  }
  return P;
}

void TDiagramViewport::SetPaintPass(TPaintStyle AStyle, TDot AOffset, double APrintConvX, double APrintConvY) {
  FPaintStyle = AStyle;
  FPreviewOffset = AOffset;
  FPrintConvX = static_cast<float>(APrintConvX);
  FPrintConvY = static_cast<float>(APrintConvY);
}

bool TDiagramViewport::IsRulerAt(TDot ACanvasPoint) const {
  return ACanvasPoint.Y <= FDiagram.FTopRuler->VisibleSize() || ACanvasPoint.X <= FDiagram.FLeftRuler->VisibleSize();
}

double TDiagramViewport::MeasUnitToMM(double AUnit) const {
  switch (FDiagram.GetMeasUnit()) {
    case duMili:
      return AUnit;
    case duCenti:
      return AUnit * 10;
    case duInch:
      return AUnit * 25.4;
  }
  return AUnit;
}

double TDiagramViewport::MMToMeasUnit(double AMM) const {
  switch (FDiagram.GetMeasUnit()) {
    case duMili:
      return AMM;
    case duCenti:
      return AMM / 10;
    case duInch:
      return AMM / 25.4;
  }
  return AMM;
}

QString TDiagramViewport::UnitSymbol() const {
  switch (FDiagram.GetMeasUnit()) {
    case duMili:
      return QStringLiteral("mm");
    case duCenti:
      return QStringLiteral("cm");
    case duInch:
      return QStringLiteral("in");
  }
  return QString();
}

void TDiagramViewport::ScaleForPPI(int NewPPI) {
  if (NewPPI == 0) NewPPI = ScreenPPI();
  if (NewPPI <= 0 || FCurrentPPI <= 0 || NewPPI == FCurrentPPI) return;
  auto scale = [&](TFont* f) {
    if (f) f->SetHeight(MulDiv(f->GetHeight(), NewPPI, FCurrentPPI));
  };
  scale(FDiagram.FTopRuler->GetFont());
  scale(FDiagram.FLeftRuler->GetFont());
  for (TDiagramControl* c : FDiagram.FControls->FDControls) {
    if (!c->GetDiagramFont()) scale(c->GetFont());
    TTextCells* cells = c->GetTextCells();
    for (int i = 0; i < cells->Count(); ++i)
      if (!cells->GetItems(i)->GetDControlFont()) scale(cells->GetItems(i)->GetFont());
  }
  // The diagram's own font, as the platform scales a control's font.
  const bool parentFont = FDiagram.FParentFont;
  scale(FDiagram.FFont.get());
  FDiagram.FParentFont = parentFont;
  FCurrentPPI = NewPPI;
}

TDot TDiagramViewport::SnapDeltaPoint(TDot APoint) const {
  if (!FDiagram.FSnapGrid->GetActive()) return APoint;
  return TDot{SnapCoordinate(APoint.X, FDiagram.FSnapGrid->GetSizeX()),
              SnapCoordinate(APoint.Y, FDiagram.FSnapGrid->GetSizeY())};
}

TPrintConv TDiagramViewport::PrintConv() const {
  // The printable rectangle is measured at the fallback resolution when there is no
  // printer; converting it back at 1:1 would make every page 300/96 times the paper.
  return PrintConvFor(EffectiveDPI(FDiagram.FPageSettings->CurrentDevice()));
}

TPageGrid TDiagramViewport::CalcPageGrid(bool WithContent) const {
  TPageGridInput in;
  in.Printable = FDiagram.FPageSettings->PrintableRect();
  in.Conv = PrintConv();
  in.FixedPageWidth = FDiagram.FFixedPageWidth;
  in.FixedPageHeight = FDiagram.FFixedPageHeight;
  in.FixedPageCols = FDiagram.FFixedPageCols;
  in.FixedPageRows = FDiagram.FFixedPageRows;
  in.ZoomRatio = ZoomRatio();
  if (WithContent) {
    const TContentExtent e = CalcContentExtent();
    in.ContentRight = e.MaxR;
    in.ContentBottom = e.MaxB;
  }
  return tarnwick::CalcPageGrid(in);
}

int TDiagramViewport::PageColCount() const {
  const TSquare printable = FDiagram.FPageSettings->PrintableRect();
  return PageCountAlong(FDiagram.GetDiagramWidth(), PrintConv().X, printable.Right - printable.Left);
}

int TDiagramViewport::PageRowCount() const {
  const TSquare printable = FDiagram.FPageSettings->PrintableRect();
  return PageCountAlong(FDiagram.GetDiagramHeight(), PrintConv().Y, printable.Bottom - printable.Top);
}

}  // namespace tarnwick
