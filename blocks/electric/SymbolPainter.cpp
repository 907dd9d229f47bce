// Painting a symbol's figures: as engine paths (strokes, then the filled parts) or on the
// integer canvas through the block's drawing frame.
#include "blocks/electric/SymbolPainter.h"

#include <QPainter>
#include <cmath>
#include <numbers>
#include <vector>

#include "geometry/BlockDrawer.h"
#include "geometry/Conversions.h"
#include "geometry/Curves.h"
#include "graphics/DgrBlockDrawer.h"
#include "graphics/DgrBrush.h"
#include "graphics/DgrCanvas.h"
#include "graphics/DgrPath.h"
#include "graphics/DgrPen.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Pen.h"

namespace tarnwick {

namespace {

// Points of an arc of the ellipse inscribed in ABox, both ends included; fine enough that
// the small humps of a coil stay round on a large block.
void FlattenArc(const TSquare& ABox, double AStart, double ASweep, TDotArray& APts) {
  const double cx = (ABox.Left + ABox.Right) / 2, cy = (ABox.Top + ABox.Bottom) / 2;
  const double rx = (ABox.Right - ABox.Left) / 2, ry = (ABox.Bottom - ABox.Top) / 2;
  const int steps = std::max(2, static_cast<int>(std::ceil(std::fabs(ASweep) / 10)));
  for (int i = 0; i <= steps; ++i) {
    const double t = (AStart + ASweep * i / steps) * std::numbers::pi / 180;
    APts.push_back(TDot{cx + rx * std::cos(t), cy + ry * std::sin(t)});
  }
}

// The engines: strokes go into the path as they come; filled parts are kept and drawn
// after the strokes, each filled and outlined.
class TEngineSymbolSink final : public TSymbolSink {
 public:
  explicit TEngineSymbolSink(TDgrGraphicsPath& APath) : FPath(APath) {}
  void NewFigure() override { FPath.StartFigure(); }
  void Lines(std::span<const TDot> APoints) override {
    FPts.assign(APoints.begin(), APoints.end());
    FPath.AddLines(FPts);
  }
  void Arc(const TSquare& B, double AStart, double ASweep) override {
    FPath.AddArc(B.Left, B.Top, B.Right - B.Left, B.Bottom - B.Top, AStart, ASweep);
  }
  void Circle(const TSquare& B) override {
    FPath.StartFigure();
    FPath.AddEllipse(B.Left, B.Top, B.Right - B.Left, B.Bottom - B.Top);
    FPath.StartFigure();
  }
  void Filled(std::span<const TDot> APoints) override { FFilled.emplace_back(APoints.begin(), APoints.end()); }
  bool Legacy() const override { return false; }
  void LegacyPenWidth(int) override {}

  const std::vector<TDotArray>& FilledFigures() const { return FFilled; }

 private:
  TDgrGraphicsPath& FPath;
  TDotArray FPts;
  std::vector<TDotArray> FFilled;
};

// The integer canvas: each figure is collected in source coordinates (mirrored inside the
// source rectangle when the block is flipped), mapped onto the block, turned, rounded and
// drawn as a polyline.
class TCanvasSymbolSink final : public TSymbolSink {
 public:
  TCanvasSymbolSink(TBlockDrawer& ADrawer, TCanvas& ACanvas, TPen* ABlockPen, const TSquare& ASource, bool AFlipH,
                    bool AFlipV)
      : FDrawer(ADrawer), FCanvas(ACanvas), FBlockPen(ABlockPen), FSource(ASource), FFlipH(AFlipH), FFlipV(AFlipV) {}
  ~TCanvasSymbolSink() override { Flush(); }
  TCanvasSymbolSink(const TCanvasSymbolSink&) = delete;
  TCanvasSymbolSink& operator=(const TCanvasSymbolSink&) = delete;

  void NewFigure() override { Flush(); }
  void Lines(std::span<const TDot> APoints) override {
    for (TDot p : APoints) FFigure.push_back(Map(p));
  }
  void Arc(const TSquare& B, double AStart, double ASweep) override {
    FArc.clear();
    FlattenArc(B, AStart, ASweep, FArc);
    for (TDot p : FArc) FFigure.push_back(Map(p));
  }
  void Circle(const TSquare& B) override {
    Flush();
    const TDot a = Map(TDot{B.Left, B.Top}), b = Map(TDot{B.Right, B.Bottom});
    FArc.clear();
    EllipseArcPoints(0, 360, true, std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y),
                     FArc);
    FCanvas.Polyline(Rotated(FArc));
  }
  void Filled(std::span<const TDot> APoints) override {
    Flush();
    FArc.clear();
    for (TDot p : APoints) FArc.push_back(Map(p));
    TBrush* brush = FCanvas.GetBrush();
    // Filled in the pen's colour, as the engines fill them: a symbol drawn in red keeps a
    // red arrow head.
    brush->SetColor(FBlockPen->GetColor());
    brush->SetStyle(bsSolid);
    FCanvas.Polygon(Rotated(FArc));
    brush->SetStyle(bsClear);
  }
  bool Legacy() const override { return true; }
  void LegacyPenWidth(int AWidth) override {
    Flush();
    FCanvas.GetPen()->SetWidth(AWidth > 0 ? AWidth : FBlockPen->GetWidth());
  }

 private:
  TDot Map(TDot P) const {
    if (FFlipH) P.X = FSource.Left + FSource.Right - P.X;
    if (FFlipV) P.Y = FSource.Top + FSource.Bottom - P.Y;
    return FDrawer.PP(P);
  }
  TPointArray Rotated(const TDotArray& APts) const {
    TPointArray out;
    out.reserve(APts.size());
    for (TDot p : APts) out.push_back(DotToPoint(FDrawer.RotX(p)));
    return out;
  }
  void Flush() {
    if (FFigure.size() >= 2) FCanvas.Polyline(Rotated(FFigure));
    FFigure.clear();
  }

  TBlockDrawer& FDrawer;
  TCanvas& FCanvas;
  TPen* FBlockPen;
  TSquare FSource;
  bool FFlipH, FFlipV;
  TDotArray FFigure;
  TDotArray FArc;
};

}  // namespace

TDgrGraphicsPath* TSymbolPathCache::For(TDgrBlockDrawer& ADrawer, TDgrGraphicLib ALib) {
  if (!FPath || FLib != ALib) {
    FPath.reset(ADrawer.CreatePath());
    FLib = ALib;
  }
  return FPath.get();
}

void PaintSymbol(TCustomDiagramBlock& ABlock, const TDiagramDrawInfo& AInfo, TDgrGraphicsPath* APath,
                 const std::function<void(TSymbolSink&)>& AFigures) {
  TPen* blockPen = ABlock.GetPen();
  if (TDgrBlockDrawer* engine = AInfo.DgrDrawer) {
    if (!APath) return;
    TDgrCanvas* canvas = engine->GetCanvas();
    TDgrPen* pen = canvas->GetPen();
    pen->Assign(blockPen);
    // The engine pen has no clear style: a clear block pen leaves the symbol unseen.
    const int transparency = blockPen->GetStyle() == psClear ? 100 : ABlock.GetTransparency();
    pen->SetTransparency(transparency);
    APath->Reset();
    TEngineSymbolSink sink(*APath);
    AFigures(sink);
    if (APath->GetPointCount() > 0) {
      engine->TransformPath(APath);
      canvas->DrawPath(APath);
    }
    if (sink.FilledFigures().empty()) return;
    APath->Reset();
    for (const TDotArray& figure : sink.FilledFigures()) APath->AddPolygon(figure);
    TDgrBrush* brush = canvas->GetBrush();
    brush->SetBrushMode(bmSolid);
    brush->SetColor(blockPen->GetColor());
    brush->SetTransparency(transparency);
    engine->TransformPath(APath);
    canvas->Path(APath);
    return;
  }
  TBlockDrawer* d = AInfo.Drawer;
  TCanvas* canvas = AInfo.Canvas;
  if (!d || !canvas) return;
  d->SetCanvas(canvas);
  d->SetAngle(ABlock.GetAngle());
  auto keptPen = MakeOwned<TPen>();
  auto keptBrush = MakeOwned<TBrush>();
  keptPen->Assign(canvas->GetPen());
  keptBrush->Assign(canvas->GetBrush());
  canvas->SetPen(blockPen);
  canvas->GetBrush()->SetStyle(bsClear);
  {
    TCanvasSymbolSink sink(*d, *canvas, blockPen, ABlock.GetOriginalRect(), ABlock.GetHorizontalFlip(),
                           ABlock.GetVerticalFlip());
    AFigures(sink);
  }
  canvas->SetPen(keptPen.get());
  canvas->SetBrush(keptBrush.get());
}

}  // namespace tarnwick
