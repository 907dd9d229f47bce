// Conversions between diagram units ("client" coordinates) and canvas pixels for every
// paint style, screen scaling, measurement units and grid snapping.
#include <QGuiApplication>
#include <QScreen>

#include "diagram/view/Diagram.h"
#include "geometry/Conversions.h"
#include "platform/core/Math.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Font.h"
#include "diagram/printing/PageSettings.h"
#include "diagram/view/DiagramScrollBar.h"
#include <algorithm>

namespace tarnwick {

namespace {
// The inverse of a scale factor that a pass may have left at 0: such an axis is left
// as it is instead of dividing by zero.
double Unscale(double AValue, double AFactor) { return AFactor != 0 ? AValue / AFactor : AValue; }
}  // namespace

// ---- Screen scaling ----

int TdvDiagram::PlatformScreenPPI() const {
  QScreen* screen = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                        ? QGuiApplication::primaryScreen()
                        : nullptr;
  if (!screen) return 96;
  const int ppi = Round(screen->logicalDotsPerInch());
  return ppi > 0 ? ppi : 96;
}

int TdvDiagram::GetScreenPPI() const { return FIgnoreScreenDPI ? 96 : PlatformScreenPPI(); }

double TdvDiagram::GetScreenDPIRatio() const { return GetScreenPPI() / 96.0; }

double TdvDiagram::GetZoomRatio() const {
  return FPaintStyle == psPreview || FPaintStyle == psPrint ? FPreviewZoom : FZoomRatio;
}

// ---- Conversions ----

TDot TdvDiagram::ClientToCanvas(TDot P) const {
  switch (FPaintStyle) {
    case psScreen: {
      const double s = ContentScale();
      return TDot{P.X * s - FHorzScrollBar->GetPosition() + FLeftRuler->VisibleSize(),
                  P.Y * s - FVertScrollBar->GetPosition() + FTopRuler->VisibleSize()};
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

TDot TdvDiagram::CanvasToClient(TDot P) const {
  switch (FPaintStyle) {
    case psScreen: {
      const TDot origin = GetCanvasOrigin();
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

void TdvDiagram::SetPaintPass(TPaintStyle AStyle, TDot AOffset, double APrintConvX, double APrintConvY) {
  FPaintStyle = AStyle;
  FPreviewOffset = AOffset;
  FPrintConvX = static_cast<float>(APrintConvX);
  FPrintConvY = static_cast<float>(APrintConvY);
}

TSquare TdvDiagram::PaintClipSquare(TCanvas& ACanvas) {
  const TRect clip = ACanvas.GetClipRect();
  switch (FPaintStyle) {
    case psPreview: {
      const TSquare r = FPageSettings->PrintableRect();
      return TSquare{0, 0, r.Right - r.Left, r.Bottom - r.Top};
    }
    case psPrint:
      return FPageSettings->PrintableRect();
    case psBitmap: {
      const int w = std::max({FHorzScrollBar->GetRange(), GetClientWidth(), clip.Right - clip.Left});
      const int h = std::max({FVertScrollBar->GetRange(), GetClientHeight(), clip.Bottom - clip.Top});
      // A banded export paints one band of the image at a time: exactly that band.
      if (FExportBand) return *FExportBand;
      return TSquare{0, 0, double(w), double(h)};
    }
    case psScreen:
    default:
      return RectToSquare(clip);
  }
}

bool TdvDiagram::IsRulerAt(TDot ACanvasPoint) const {
  return ACanvasPoint.Y <= FTopRuler->VisibleSize() || ACanvasPoint.X <= FLeftRuler->VisibleSize();
}

// ---- Units ----

double TdvDiagram::ClientToInches(double X) const { return X / GetScreenPPI(); }
double TdvDiagram::ClientToMilimeters(double X) const { return ClientToInches(X) * 25.4; }
double TdvDiagram::InchesToClient(double X) const { return GetScreenPPI() * X; }
double TdvDiagram::MilimetersToClient(double X) const { return InchesToClient(X / 25.4); }

double TdvDiagram::MeasUnitToMM(double AUnit) const {
  switch (GetMeasUnit()) {
    case duMili:
      return AUnit;
    case duCenti:
      return AUnit * 10;
    case duInch:
      return AUnit * 25.4;
  }
  return AUnit;
}

double TdvDiagram::MMToMeasUnit(double AMM) const {
  switch (GetMeasUnit()) {
    case duMili:
      return AMM;
    case duCenti:
      return AMM / 10;
    case duInch:
      return AMM / 25.4;
  }
  return AMM;
}

QString TdvDiagram::GetUnitSymbol() const {
  switch (GetMeasUnit()) {
    case duMili:
      return QStringLiteral("mm");
    case duCenti:
      return QStringLiteral("cm");
    case duInch:
      return QStringLiteral("in");
  }
  return QString();
}

void TdvDiagram::ScaleForPPI(int NewPPI) {
  if (NewPPI == 0) NewPPI = GetScreenPPI();
  if (NewPPI <= 0 || FCurrentPPI <= 0 || NewPPI == FCurrentPPI) return;
  auto scale = [&](TFont* f) {
    if (f) f->SetHeight(MulDiv(f->GetHeight(), NewPPI, FCurrentPPI));
  };
  scale(FTopRuler->GetFont());
  scale(FLeftRuler->GetFont());
  for (TDiagramControl* c : FDControls) {
    if (!c->GetDiagramFont()) scale(c->GetFont());
    TTextCells* cells = c->GetTextCells();
    for (int i = 0; i < cells->Count(); ++i)
      if (!cells->GetItems(i)->GetDControlFont()) scale(cells->GetItems(i)->GetFont());
  }
  // The diagram's own font, as the platform scales a control's font.
  const bool parentFont = FParentFont;
  scale(FFont.get());
  FParentFont = parentFont;
  FCurrentPPI = NewPPI;
}

// ---- Snapping ----

TDot TdvDiagram::SnapDeltaPoint(TDot APoint) const {
  if (!FSnapGrid->GetActive()) return APoint;
  return TDot{SnapCoordinate(APoint.X, FSnapGrid->GetSizeX()), SnapCoordinate(APoint.Y, FSnapGrid->GetSizeY())};
}

TDot TdvDiagram::SnapCanvasPoint(TDot APoint) const {
  if (!FSnapGrid->GetActive()) return APoint;
  return ClientToCanvas(SnapDeltaPoint(CanvasToClient(APoint)));
}

}  // namespace tarnwick
