#include "diagram/view/DiagramBackground.h"

#include <algorithm>
#include <cmath>

#include "diagram/model/Gradient.h"
#include "diagram/view/Diagram.h"
#include "geometry/Conversions.h"
#include "platform/core/Properties.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Pen.h"
#include "platform/gui/Picture.h"

namespace tarnwick {

const TEnumTypeInfo& BackImageStyleType() {
  static const TEnumTypeInfo t("TBackImageStyle", {"biTile", "biFixed"});
  return t;
}

const TClassInfo& TDiagramBackground::StaticClassInfo() {
  using B = TDiagramBackground;
  static const TClassInfo info(
      "TDiagramBackground", &TPersistent::StaticClassInfo(),
      {ObjectProp("Bitmap", TBitmap::StaticClassInfo(), &B::GetBitmap, &B::SetBitmap),
       ObjectProp("Picture", TPicture::StaticClassInfo(), &B::GetPicture, &B::SetPicture),
       BoolProp("Scroll", &B::GetScroll, &B::SetScroll),
       EnumProp("Style", BackImageStyleType(), &B::GetStyle, &B::SetStyle),
       BoolProp("Visible", &B::GetVisible, &B::SetVisible),
       ObjectProp("Gradient", TDiagramGradient::StaticClassInfo(), &B::GetGradient, &B::SetGradient),
       BoolProp("PrintGradient", &B::GetPrintGradient, &B::SetPrintGradient)},
      [](TComponent*) -> TPersistent* { return Create<TDiagramBackground>(); });
  return info;
}

TDiagramBackground::TDiagramBackground(TdvDiagram* ADiagram)
    : FPicture(Create<TPicture>()),
      FDiagram(ADiagram),
      FBitmap(Create<TBitmap>()),
      FGradient(Create<TDiagramGradient>(nullptr, ADiagram)) {
  FPicture->OnChange = [this](TObject*) { RequestRedraw(); };
  FBitmap->OnChange = [this](TObject*) { RequestRedraw(); };
}

TDiagramBackground::~TDiagramBackground() = default;

void TDiagramBackground::RequestRedraw() {
  if (FDiagram) FDiagram->RequestRedraw();
}

void TDiagramBackground::SetPicture(TPicture* Value) { FPicture->Assign(Value); }
void TDiagramBackground::SetBitmap(TBitmap* Value) { FBitmap->Assign(Value); }
void TDiagramBackground::SetGradient(TDiagramGradient* Value) { FGradient->Assign(Value); }

void TDiagramBackground::SetStyle(TBackImageStyle Value) {
  if (Value < biTile || Value > biFixed || FStyle == Value) return;
  FStyle = Value;
  RequestRedraw();
}

void TDiagramBackground::SetScroll(bool Value) {
  if (FScroll == Value) return;
  FScroll = Value;
  RequestRedraw();
}

void TDiagramBackground::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  RequestRedraw();
}

void TDiagramBackground::SetPrintGradient(bool Value) {
  if (FPrintGradient == Value) return;
  FPrintGradient = Value;
  RequestRedraw();
}

void TDiagramBackground::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TDiagramBackground*>(Source);
  if (!src) {
    TPersistent::Assign(Source);
    return;
  }
  if (src == this) return;
  FBitmap->Assign(src->FBitmap.get());
  FPicture->Assign(src->FPicture.get());
  FStyle = src->FStyle;
  FGradient->Assign(src->FGradient.get());
  RequestRedraw();
}

TGraphic* TDiagramBackground::Image() const {
  if (!FPicture->GetEmpty()) return FPicture->GetGraphic();
  if (!FBitmap->GetEmpty()) return FBitmap.get();
  return nullptr;
}

bool TDiagramBackground::PaintsGradient(TPaintStyle APass) const {
  return FGradient->GetVisible() && (APass == psScreen || APass == psBitmap || FPrintGradient);
}

void TDiagramBackground::Draw(TCanvas& Canvas) {
  if (!FDiagram) return;
  const TPaintStyle pass = FDiagram->GetPaintStyle();
  const TSquare clip = FDiagram->PaintClipSquare(Canvas);
  if (PaintsGradient(pass)) {
    const TOwned<TPen> pen = MakeOwned<TPen>();
    const TOwned<TBrush> brush = MakeOwned<TBrush>();
    pen->Assign(Canvas.GetPen());
    brush->Assign(Canvas.GetBrush());
    FGradient->DrawGradient(Canvas, clip, 0);
    Canvas.SetPen(pen.get());
    Canvas.SetBrush(brush.get());
  }
  TGraphic* image = Image();
  if (!image) return;
  TSquare s = FDiagram->ClientToCanvas(Square(0, 0, image->GetWidth(), image->GetHeight()));
  if (!FScroll && pass == psScreen) {
    const TDot origin = FDiagram->GetCanvasOrigin();
    const double dx = FDiagram->GetLeftRuler()->VisibleSize() - origin.X;
    const double dy = FDiagram->GetTopRuler()->VisibleSize() - origin.Y;
    s = Square(s.Left + dx, s.Top + dy, s.Right + dx, s.Bottom + dy);
  }
  if (FStyle == biFixed) {
    Canvas.StretchDraw(SquareToRect(s), image);
    return;
  }
  const TTileGrid tiles = LayTiles(s, clip);
  if (tiles.Empty()) return;
  if (int64_t{tiles.EndCol - tiles.FirstCol} * (tiles.EndRow - tiles.FirstRow) > MaxTiles) return;
  for (int row = tiles.FirstRow; row < tiles.EndRow; ++row)
    for (int col = tiles.FirstCol; col < tiles.EndCol; ++col)
      Canvas.StretchDraw(SquareToRect(tiles.Tile(col, row)), image);
}

TSquare TTileGrid::Tile(int Col, int Row) const {
  const double dx = Col * StepX, dy = Row * StepY;
  return Square(First.Left + dx, First.Top + dy, First.Right + dx, First.Bottom + dy);
}

TTileGrid LayTiles(const TSquare& Tile, const TSquare& Clip) noexcept {
  TTileGrid grid;
  grid.First = Tile;
  grid.StepX = Tile.Right - Tile.Left;
  grid.StepY = Tile.Bottom - Tile.Top;
  if (!(grid.StepX >= 1.0 && grid.StepY >= 1.0 && std::isfinite(grid.StepX) && std::isfinite(grid.StepY))) return grid;
  // Along one axis: copies k >= 0 start at From + k * Step; the first one kept is the first
  // reaching past the clip's low edge, the last one the last starting at or before its
  // high edge.
  auto axis = [](double from, double step, double lo, double hi, int& first, int& end) {
    if (!(from <= hi)) return;
    const double last = std::floor((hi - from) / step);
    const double skip = lo > from ? std::floor((lo - from) / step) : 0.0;
    if (!(last < double{INT32_MAX})) return;
    // A copy k ends at from + (k + 1) * step; it covers nothing when that is at or left of lo.
    first = static_cast<int>(skip);
    if (from + (first + 1) * step <= lo) ++first;
    end = static_cast<int>(last) + 1;
  };
  axis(Tile.Left, grid.StepX, Clip.Left, Clip.Right, grid.FirstCol, grid.EndCol);
  axis(Tile.Top, grid.StepY, Clip.Top, Clip.Bottom, grid.FirstRow, grid.EndRow);
  if (grid.Empty()) grid.FirstCol = grid.EndCol = grid.FirstRow = grid.EndRow = 0;
  return grid;
}

}  // namespace tarnwick
