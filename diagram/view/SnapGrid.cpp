#include "diagram/view/SnapGrid.h"

#include <algorithm>
#include <cmath>

#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramRuler.h"
#include "geometry/Dot.h"
#include "platform/core/Math.h"
#include "platform/core/Properties.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Pen.h"

namespace tarnwick {

const TEnumTypeInfo& GridStyleType() {
  static const TEnumTypeInfo t("TGridStyle", {"gsDots", "gsLines", "gsRuler"});
  return t;
}

const TClassInfo& TSnapGrid::StaticClassInfo() {
  // The sizes are written whenever they differ from the constructor's 8: a size of 0
  // (snapping off on that axis) left out of a document would read back as 8.
  auto sizeStored = [](double (TSnapGrid::*get)() const) {
    return [get](TPersistent& p) { return (static_cast<TSnapGrid&>(p).*get)() != DefaultSize; };
  };
  static const TClassInfo info("TSnapGrid", &TPersistent::StaticClassInfo(),
                               {BoolProp("Active", &TSnapGrid::GetActive, &TSnapGrid::SetActive),
                                BoolProp("Force", &TSnapGrid::GetForce, &TSnapGrid::SetForce),
                                BoolProp("Visible", &TSnapGrid::GetVisible, &TSnapGrid::SetVisible),
                                FloatProp("SizeX", ftDouble, &TSnapGrid::GetSizeX, &TSnapGrid::SetSizeX)
                                    .StoredIf(sizeStored(&TSnapGrid::GetSizeX)),
                                FloatProp("SizeY", ftDouble, &TSnapGrid::GetSizeY, &TSnapGrid::SetSizeY)
                                    .StoredIf(sizeStored(&TSnapGrid::GetSizeY)),
                                EnumProp("Style", GridStyleType(), &TSnapGrid::GetStyle, &TSnapGrid::SetStyle),
                                ObjectProp("Pen", TPen::StaticClassInfo(), &TSnapGrid::GetPen, &TSnapGrid::SetPen),
                                BoolProp("SnapToRuler", &TSnapGrid::GetSnapToRuler, &TSnapGrid::SetSnapToRuler)},
                               [](TComponent*) -> TPersistent* { return Create<TSnapGrid>(); });
  return info;
}

TSnapGrid::TSnapGrid(TdvDiagram* ADiagram) : FDiagram(ADiagram), FPen(Create<TPen>()) {
  FPen->OnChange = [this](TObject*) { RequestRedraw(); };
}

TSnapGrid::~TSnapGrid() = default;

void TSnapGrid::RequestRedraw() {
  if (FDiagram) FDiagram->RequestRedraw();
}

void TSnapGrid::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  RequestRedraw();
}

void TSnapGrid::SetSizeX(double Value) {
  if (!std::isfinite(Value) || FSizeX == Value) return;
  FSizeX = Value;
  RequestRedraw();
}

void TSnapGrid::SetSizeY(double Value) {
  if (!std::isfinite(Value) || FSizeY == Value) return;
  FSizeY = Value;
  RequestRedraw();
}

void TSnapGrid::SetStyle(TGridStyle Value) {
  if (Value < gsDots || Value > gsRuler || FStyle == Value) return;
  FStyle = Value;
  RequestRedraw();
}

void TSnapGrid::SetPen(TPen* Value) { FPen->Assign(Value); }

void TSnapGrid::SetSnapToRuler(bool Value) {
  if (FSnapToRuler != Value) {
    FSnapToRuler = Value;
    RequestRedraw();
  }
  UpdateFromRuler();
}

void TSnapGrid::SetRulers(TCustomRuler* ATop, TCustomRuler* ALeft) {
  FTopRuler = ATop;
  FLeftRuler = ALeft;
}

void TSnapGrid::UpdateFromRuler() {
  if (!FSnapToRuler || !FDiagram) return;
  const double ratio = FDiagram->GetScreenDPIRatio();
  // A screen without a resolution has no pixel size to follow.
  if (!(ratio > 0)) return;
  if (FTopRuler) SetSizeX(FTopRuler->TickSpacing().Step / ratio);
  if (FLeftRuler) SetSizeY(FLeftRuler->TickSpacing().Step / ratio);
}

void TSnapGrid::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TSnapGrid*>(Source);
  if (!src) {
    TPersistent::Assign(Source);
    return;
  }
  if (src == this) return;
  SetActive(src->FActive);
  SetVisible(src->FVisible);
  SetSizeX(src->FSizeX);
  SetSizeY(src->FSizeY);
  SetStyle(src->FStyle);
  SetPen(src->FPen.get());
}

double TSnapGrid::PixelStep(double Size, double ZoomRatio, double ScreenDPIRatio) noexcept {
  return ZoomRatio * Size * ScreenDPIRatio;
}

bool TSnapGrid::IsPaintedStep(double Step) noexcept { return std::isfinite(Step) && Step >= 2.0; }

namespace {

// The grid positions From + k * Step (k >= 0) below Hi, skipping those before Lo - Step:
// a drawing scrolled far from its origin does not walk every line it has scrolled past.
struct TGridAxis {
  double From = 0, Step = 1;
  int64_t First = 0, End = 0;  // k in [First, End)
  double At(int64_t k) const { return From + static_cast<double>(k) * Step; }
  int64_t Count() const { return End - First; }
};

TGridAxis GridAxis(double From, double Step, double Lo, double Hi) {
  TGridAxis a{From, Step};
  if (!(From < Hi) || !std::isfinite(From)) return a;
  const double first = std::max(0.0, std::floor((Lo - From) / Step) - 1);
  const double end = std::ceil((Hi - From) / Step);
  if (!(end < 1e12)) return a;
  a.First = static_cast<int64_t>(first);
  a.End = static_cast<int64_t>(end);
  while (a.End > a.First && !(a.At(a.End - 1) < Hi)) --a.End;
  while (a.At(a.End) < Hi) ++a.End;
  if (a.End < a.First) a.End = a.First;
  return a;
}

// A line start moved up to Lo by whole pen pattern periods (24 units fit every dash
// pattern), so a dashed line shows the same pattern as one drawn from its real start.
int ClampLineStart(int Start, double Lo, int PenWidth) {
  const int64_t period = 24 * int64_t{std::max(PenWidth, 1)};
  const double gap = std::floor(Lo) - 1 - Start;
  if (!(gap > 0)) return Start;
  const int64_t skip = static_cast<int64_t>(gap) / period * period;
  return static_cast<int>(Start + skip);
}

}  // namespace

void TSnapGrid::DrawGrid(TCanvas& Canvas) {
  if (!FDiagram || !(FSizeX > 0) || !(FSizeY > 0)) return;
  if (FStyle != gsDots && FStyle != gsLines) return;
  const double zoom = FDiagram->GetZoomRatio(), dpi = FDiagram->GetScreenDPIRatio();
  const double sx = PixelStep(FSizeX, zoom, dpi), sy = PixelStep(FSizeY, zoom, dpi);
  const TDot o = FDiagram->GetCanvasOrigin();
  const TSquare c = FDiagram->PaintClipSquare(Canvas);
  const bool paintX = IsPaintedStep(sx), paintY = IsPaintedStep(sy);
  const TGridAxis xs = paintX ? GridAxis(o.X, sx, c.Left, c.Right) : TGridAxis{};
  const TGridAxis ys = paintY ? GridAxis(o.Y, sy, c.Top, c.Bottom) : TGridAxis{};

  if (FStyle == gsDots) {
    if (!paintX || !paintY || xs.Count() == 0 || ys.Count() == 0) return;
    if (xs.Count() * ys.Count() > MaxGridDots) return;
    const TColor color = FPen->GetColor();
    for (int64_t j = ys.First; j < ys.End; ++j) {
      const int y = Round(ys.At(j));
      for (int64_t i = xs.First; i < xs.End; ++i) Canvas.SetPixels(Round(xs.At(i)), y, color);
    }
    return;
  }

  const TOwned<TPen> saved = MakeOwned<TPen>();
  saved->Assign(Canvas.GetPen());
  Canvas.SetPen(FPen.get());
  const int width = FPen->GetWidth();
  const int bottom = Round(c.Bottom), right = Round(c.Right);
  if (paintX && Round(o.Y) < bottom) {
    const int from = ClampLineStart(Round(o.Y), c.Top, width);
    for (int64_t i = xs.First; i < xs.End; ++i) {
      const int x = Round(xs.At(i));
      Canvas.MoveTo(x, from);
      Canvas.LineTo(x, bottom);
    }
  }
  if (paintY && Round(o.X) < right) {
    const int from = ClampLineStart(Round(o.X), c.Left, width);
    for (int64_t j = ys.First; j < ys.End; ++j) {
      const int y = Round(ys.At(j));
      Canvas.MoveTo(from, y);
      Canvas.LineTo(right, y);
    }
  }
  Canvas.SetPen(saved.get());
}

}  // namespace tarnwick
