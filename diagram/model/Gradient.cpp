#include "diagram/model/Gradient.h"

#include <algorithm>
#include <cmath>

#include "diagram/model/DiagramHost.h"
#include "geometry/BlockDrawer.h"
#include "platform/core/Math.h"
#include "platform/core/Properties.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/ColorUtils.h"

namespace tarnwick {

const TEnumTypeInfo& GradientDirectionType() {
  static const TEnumTypeInfo t(
      "TGradientDirection",
      {"grTopBottom", "grBottomTop", "grLeftRight", "grRightLeft", "grLeftTop", "grRightTop", "grLeftBottom",
       "grRightBottom", "grInOut", "grOutIn", "grHorzInOut", "grHorzOutIn", "grVertInOut", "grVertOutIn"});
  return t;
}

const TClassInfo& TDiagramGradient::StaticClassInfo() {
  // Every value is written, whatever it is: documents spell a gradient out in full.
  static const TClassInfo info(
      "TDiagramGradient", &TDiagramPersistent::StaticClassInfo(),
      {EnumProp("Direction", GradientDirectionType(), &TDiagramGradient::GetDirection, &TDiagramGradient::SetDirection),
       ColorProp("StartColor", &TDiagramGradient::GetStartColor, &TDiagramGradient::SetStartColor),
       ColorProp("EndColor", &TDiagramGradient::GetEndColor, &TDiagramGradient::SetEndColor),
       BoolProp("Visible", &TDiagramGradient::GetVisible, &TDiagramGradient::SetVisible)},
      [](TComponent*) -> TPersistent* { return Create<TDiagramGradient>(); });
  return info;
}

TDiagramGradient::TDiagramGradient(TDiagramControl* ADControl, TdvDiagram* ADiagram)
    : TDiagramPersistent(ADControl), FDiagram(ADiagram) {}

TDiagramGradient::~TDiagramGradient() = default;

TBlockDrawer* TDiagramGradient::GetDrawer() const {
  if (!FDrawer) {
    FDrawer = MakeOwned<TBlockDrawer>();
    FDrawer->SetOriginalRect(Square(0, 0, 100, 100));
  }
  return FDrawer.get();
}

template <class T>
void TDiagramGradient::Store(T& Field, T Value) {
  if (Field == Value) return;
  Field = Value;
  Changed();
}

void TDiagramGradient::SetDirection(TGradientDirection Value) {
  // A value outside the type (a hostile stream) would index past every layout table.
  if (Value < grTopBottom || Value > grVertOutIn) return;
  Store(FDirection, Value);
}
void TDiagramGradient::SetStartColor(TColor Value) { Store(FStartColor, Value); }
void TDiagramGradient::SetEndColor(TColor Value) { Store(FEndColor, Value); }
void TDiagramGradient::SetVisible(bool Value) { Store(FVisible, Value); }

void TDiagramGradient::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TDiagramGradient*>(Source);
  if (!src) return;
  SetStartColor(src->FStartColor);
  SetEndColor(src->FEndColor);
  SetDirection(src->FDirection);
  SetVisible(src->FVisible);
}

void TDiagramGradient::Changed() {
  if (FDiagram) {
    if (TDiagramHost* host = DiagramHostOf(FDiagram)) host->RequestRedraw();
    return;
  }
  TDiagramPersistent::Changed();
}

// ---- Band layout ----

bool GradientBandsReversed(TGradientDirection Direction) noexcept {
  switch (Direction) {
    case grBottomTop:
    case grRightLeft:
    case grInOut:
    case grHorzInOut:
    case grVertInOut:
      return true;
    default:
      return false;
  }
}

TGradientBands::TGradientBands(TGradientDirection Direction, int Width, int Height, TColor StartColor, TColor EndColor)
    : FDirection(Direction), FW(Width), FH(Height), FN(std::max(Width / 2, Height / 2)) {
  // System colours are palette indexes, not RGB values: interpolating their low bytes
  // would paint unrelated dark colours, so both ends are resolved first.
  TColor start = ColorToRGB(StartColor);
  TColor end = ColorToRGB(EndColor);
  bool reversed = GradientBandsReversed(Direction);
  FFirst = reversed ? end : start;
  FLast = reversed ? start : end;
  if (FN <= 0) {
    FN = 0;
    return;
  }
  const double w = FW, h = FH, n = FN;
  FColStep = w / (n + 1);
  FRowStep = h / (n + 1);
  switch (Direction) {
    case grTopBottom:
    case grBottomTop:
      FRowStep = h / n;
      break;
    case grLeftRight:
    case grRightLeft:
      FColStep = w / n;
      break;
    case grLeftTop:
    case grRightTop:
    case grLeftBottom:
    case grRightBottom:
      FColStep = w / n;
      FRowStep = h / n;
      break;
    case grInOut:
    case grOutIn:
      FColStep = w / (2 * n);
      FRowStep = h / (2 * n);
      break;
    case grHorzInOut:
    case grHorzOutIn:
      FRowStep = h / (2 * n);
      break;
    case grVertInOut:
    case grVertOutIn:
      FColStep = w / (2 * n);
      break;
  }
}

TGradientBands TGradientBands::ForRect(TGradientDirection Direction, const TSquare& ARect, TColor StartColor,
                                       TColor EndColor) {
  return TGradientBands(Direction, Round(ARect.Right - ARect.Left), Round(ARect.Bottom - ARect.Top), StartColor,
                        EndColor);
}

TColor TGradientBands::BandColor(int Band) const {
  if (FN < 2) return FFirst;
  auto channel = [&](int f, int l) { return f + MulDiv(Band, l - f, FN - 1); };
  return RGB(channel(GetRValue(FFirst), GetRValue(FLast)), channel(GetGValue(FFirst), GetGValue(FLast)),
             channel(GetBValue(FFirst), GetBValue(FLast)));
}

TGradientRects TGradientBands::BandRects(int Band) const {
  TGradientRects out;
  if (Band < 0 || Band >= FN) return out;
  const double n = Band;
  const int x0 = Trunc(n * FColStep), x1 = Trunc((n + 1) * FColStep);
  const int y0 = Trunc(n * FRowStep), y1 = Trunc((n + 1) * FRowStep);
  const int xr0 = FW - x0, xr1 = FW - Trunc((n + 1) * FColStep - 1) - 1;
  const int yb0 = FH - y0, yb1 = FH - Trunc((n + 1) * FRowStep - 1) - 1;
  auto add = [&](int l, int t, int r, int b) { out.Rects[static_cast<size_t>(out.Count++)] = Rect(l, t, r, b); };
  switch (FDirection) {
    case grTopBottom:
    case grBottomTop:
      add(0, y0, FW, y1);
      break;
    case grLeftRight:
    case grRightLeft:
      add(x0, 0, x1, FH);
      break;
    case grLeftTop:
      add(0, y0, FW, y1);
      add(x0, 0, x1, FH);
      break;
    case grRightTop:
      add(0, y0, FW, y1);
      add(xr1, 0, xr0, FH);
      break;
    case grLeftBottom:
      add(0, yb1, FW, yb0);
      add(x0, 0, x1, FH);
      break;
    case grRightBottom:
      add(0, yb1, FW, yb0);
      add(xr1, 0, xr0, FH);
      break;
    case grInOut:
    case grOutIn:
      add(x0, y0, xr1, y1);
      add(x0, yb1, xr1, yb0);
      add(x0, y0, x1, yb0);
      add(xr1, y0, xr0, yb0);
      break;
    case grHorzInOut:
    case grHorzOutIn:
      add(0, y0, FW, y1);
      add(0, yb1, FW, yb0);
      break;
    case grVertInOut:
    case grVertOutIn:
      add(x0, 0, x1, FH);
      add(xr1, 0, xr0, FH);
      break;
  }
  return out;
}

TGradientRects TGradientBands::ClosingRects() const {
  TGradientRects out;
  if (FN == 0) return out;
  auto add = [&](int l, int t, int r, int b) { out.Rects[static_cast<size_t>(out.Count++)] = Rect(l, t, r, b); };
  const int W = FW, H = FH;
  switch (FDirection) {
    case grTopBottom:
    case grBottomTop:
      add(0, H - 1, W, H);
      break;
    case grLeftRight:
    case grRightLeft:
      add(W - 1, 0, W, H);
      break;
    case grLeftTop:
      add(W - 1, 0, W, H);
      add(0, H - 1, W, H);
      break;
    case grRightTop:
      add(0, 0, 1, H);
      add(0, H - 1, W, H);
      break;
    case grLeftBottom:
      add(W - 1, 0, W, H);
      add(0, 0, W, 1);
      break;
    case grRightBottom:
      add(0, 0, W, 1);
      add(0, 0, 1, H);
      break;
    case grInOut:
    case grOutIn:
      add(W / 2 - 1, H / 2 - 1, W / 2 + 1, H / 2 + 1);
      break;
    case grHorzInOut:
    case grHorzOutIn:
      add(0, H / 2 - 1, W, H / 2 + 1);
      break;
    case grVertInOut:
    case grVertOutIn:
      add(W / 2 - 1, 0, W / 2 + 1, H);
      break;
  }
  return out;
}

void TDiagramGradient::DrawGradient(TCanvas& Canvas, const TSquare& ARect, double AAngle) {
  GetDrawer()->SetCanvas(&Canvas);
  FDrawer->SetOriginalRect(ARect);
  FDrawer->SetCurRect(ARect);
  FDrawer->SetAngle(std::isfinite(AAngle) ? AAngle : 0.0);
  FDrawer->SetRotationType(rtCurRectCenter);
  const int w = Round(ARect.Right - ARect.Left), h = Round(ARect.Bottom - ARect.Top);
  // A huge rectangle is laid out k times smaller and every band stretched by k.
  const int full = std::max(w / 2, h / 2);
  const int k = full > MaxGradientBands ? full / MaxGradientBands + 1 : 1;
  const int lw = w / k, lh = h / k;
  TGradientBands bands(FDirection, lw, lh, FStartColor, FEndColor);
  if (bands.Count() == 0) return;
  const double fx = lw != 0 ? double(w) / lw : 1.0, fy = lh != 0 ? double(h) / lh : 1.0;
  auto scaled = [&](const TRect& R) {
    if (k == 1) return R;
    return Rect(Round(R.Left * fx), Round(R.Top * fy), Round(R.Right * fx), Round(R.Bottom * fy));
  };
  Canvas.GetPen()->SetStyle(psClear);
  Canvas.GetBrush()->SetStyle(bsSolid);
  const bool turned = FDrawer->GetAngle() != 0.0;
  auto paint = [&](const TGradientRects& rects) {
    for (int i = 0; i < rects.Count; ++i) {
      const TRect r = TGradientBands::ToCanvas(scaled(rects.Rects[static_cast<size_t>(i)]), ARect);
      if (turned) {
        FDrawer->DrawRotRect(r.Left, r.Top, r.Right, r.Bottom);
      } else {
        // The band rectangles are one unit larger for a pen-less rectangle that leaves out
        // its right and bottom edge; this canvas fills those edges, so the unit comes off
        // again and a band covers exactly its own pixels.
        Canvas.Rectangle(r.Left, r.Top, r.Right - 1, r.Bottom - 1);
      }
    }
  };
  for (int n = 0; n < bands.Count(); ++n) {
    Canvas.GetBrush()->SetColor(bands.BandColor(n));
    paint(bands.BandRects(n));
  }
  Canvas.GetBrush()->SetColor(bands.LastColor());
  paint(bands.ClosingRects());
}

TRect TGradientBands::ToCanvas(const TRect& R, const TSquare& ARect) {
  return Rect(Round(ARect.Left + R.Left), Round(ARect.Top + R.Top), Round(ARect.Left + R.Right + 1.0),
              Round(ARect.Top + R.Bottom + 1.0));
}

}  // namespace tarnwick
