// Painting, clipping and hit testing of a block through an engine drawer: the outline as an
// engine path in the block's source coordinates (or directly on its bounds for the shapes
// that keep round corners round), and the body painted in the same order as on the legacy
// canvas: shadow, fill, gradient, pattern, pictures, outline.
#include <QPainter>

#include "diagram/model/CustomBlock.h"
#include "diagram/model/DiagramHost.h"
#include "diagram/model/Gradient.h"
#include "diagram/model/GradientEngine.h"
#include "diagram/model/Shadow.h"
#include "geometry/Conversions.h"
#include "geometry/Squares.h"
#include "graphics/DgrBlockDrawer.h"
#include "graphics/DgrBrush.h"
#include "graphics/DgrPaintEngine.h"
#include "graphics/DgrPath.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Metafile.h"
#include "platform/gui/Pen.h"
#include "platform/gui/Picture.h"

namespace tarnwick {

namespace {

// Tiles of a picture smaller than this many per block are drawn one by one; beyond it a
// tiny picture in a huge block would cost millions of draws, so tiling stops there.
constexpr int MaxTiles = 4096;

// The affine map from diagram units to the canvas of the pass, read off three points.
QTransform ClientToCanvasTransform(const TDiagramHost& AHost) {
  const TDot o = AHost.ClientToCanvas(TDot{0, 0});
  const TDot x = AHost.ClientToCanvas(TDot{1, 0});
  const TDot y = AHost.ClientToCanvas(TDot{0, 1});
  return QTransform(x.X - o.X, x.Y - o.Y, y.X - o.X, y.Y - o.Y, o.X, o.Y);
}

// Draws under a block clip with the painter already anti-aliased as the engine draws.
// The raster painter rebuilds every clip in force when anti-aliasing changes, so a clip
// path made under the legacy canvas's setting would be made again by the engine's first
// drawing call inside it; made under the engine's setting it is made once, and the same.
class TEngineClipHints {
 public:
  TEngineClipHints(const TDiagramDrawInfo& AInfo, TDgrPaintEngine* AEngine)
      : FPainter(AInfo.Canvas && AEngine ? AInfo.Canvas->GetPainter() : nullptr) {
    if (!FPainter) return;
    FPainter->save();
    FPainter->setRenderHint(QPainter::Antialiasing, AEngine->Surface().GetAntialias());
  }
  ~TEngineClipHints() {
    if (FPainter) FPainter->restore();
  }
  TEngineClipHints(const TEngineClipHints&) = delete;
  TEngineClipHints& operator=(const TEngineClipHints&) = delete;

 private:
  QPainter* FPainter;
};

}  // namespace

// ---- Drawer and paths ----

void TCustomDiagramBlock::SetupDgrDrawer(TDgrBlockDrawer* ADrawer) {
  if (!ADrawer) return;
  const TSquare bounds = GetBoundsRect();
  ADrawer->SetRotationCenter(SquareCenter(bounds));
  ADrawer->SetAngle(GetAngle());
  ADrawer->SetDestRect(bounds);
  ADrawer->SetHorizontalFlip(FHorizontalFlip);
  ADrawer->SetVerticalFlip(FVerticalFlip);
}

void TCustomDiagramBlock::GetBlockPath(TDgrGraphicsPath* APath, TDgrBlockDrawer* ADrawer) {
  const TSquare s = ADrawer->GetSourceRect();
  const double w = s.Right - s.Left, h = s.Bottom - s.Top;
  switch (FShape) {
    case bsNoShape:
    case bsSquareRound:  // built on the bounds by BuildDrawPath
      break;
    case bsRectangle:
      APath->AddRectangle(s);
      break;
    case bsEllipse:
      APath->AddEllipse(s.Left, s.Top, w, h);
      break;
    case bsRoundRect:
      APath->StartFigure();
      APath->AddRoundRect(s.Left, s.Top, s.Right, s.Bottom, w / 4, h / 4);
      APath->CloseFigure(true);
      break;
    case bsDiamond: {
      const double mx = (s.Left + s.Right) / 2, my = (s.Top + s.Bottom) / 2;
      APath->AddPolygon({TDot{s.Left, my}, TDot{mx, s.Top}, TDot{s.Right, my}, TDot{mx, s.Bottom}});
      break;
    }
  }
}

void TCustomDiagramBlock::BuildDrawPath(TDgrGraphicsPath* APath, TDgrBlockDrawer* ADrawer) {
  if (FShape != bsSquareRound) {
    GetBlockPath(APath, ADrawer);
    ADrawer->TransformPath(APath);
    return;
  }
  // Round corners stay round whatever the block's proportions: the path is made on the
  // bounds in diagram units and only turned.
  const TSquare d = ADrawer->GetDestRect();
  const double w = d.Right - d.Left, h = d.Bottom - d.Top;
  const double corner = FCornerRadius > 0 && FCornerRadius < std::min(w, h) ? FCornerRadius : h / 2;
  ADrawer->GetCanvas()->AddRoundRectPath(APath, d.Left, d.Top, d.Right, d.Bottom, corner, corner);
  ADrawer->RotatePath(APath);
}

void TCustomDiagramBlock::BuildOutlinePath(TDgrGraphicsPath* APath, TDgrBlockDrawer* ADrawer) {
  BuildDrawPath(APath, ADrawer);
  if (APath->GetPointCount() > 0) return;
  APath->Reset();
  APath->AddRectangle(ADrawer->GetSourceRect());
  ADrawer->TransformPath(APath);
}

QPainterPath TCustomDiagramBlock::EngineOutlineOnCanvas() {
  TDgrBlockDrawer* drawer = GetDgrDrawer();
  TDgrGraphicsPath* path = GetTempPath();
  TDiagramHost* host = GetDiagramHost();
  if (!drawer || !path) return {};
  SetupDgrDrawer(drawer);
  path->Reset();
  BuildOutlinePath(path, drawer);
  const QPainterPath outline = path->Outline();
  return host ? ClientToCanvasTransform(*host).map(outline) : outline;
}

// ---- Painting ----

void TCustomDiagramBlock::DrawBlockOnEngine(const TDiagramDrawInfo& AInfo, const TDiagramDrawBlockInfo& ABlockInfo) {
  TDgrBlockDrawer* drawer = AInfo.DgrDrawer;
  TDgrCanvas* canvas = drawer->GetCanvas();
  TDgrPen* pen = canvas->GetPen();
  TDgrBrush* brush = canvas->GetBrush();
  const bool selected = GetSelected();

  if (FShadow->GetVisible()) {
    pen->SetTransparency(100);
    brush->SetBrushMode(bmSolid);
    brush->SetColor(FShadow->GetColor());
    brush->SetTransparency(ShadowPaintTransparency(FShadow->GetTransparency(), GetTransparency()));
    const TSquare r = drawer->GetDestRect();
    drawer->SetDestRect(OffsetSquare(r, FShadow->GetHOffset(), FShadow->GetVOffset()));
    DrawShape(AInfo, ABlockInfo);
    drawer->SetDestRect(r);
  }
  if (!FTransparent) {
    pen->SetTransparency(100);
    brush->SetBrushMode(bmSolid);
    brush->SetColor(selected ? FSelColor : FColor);
    brush->SetTransparency(GetTransparency());
    DrawShape(AInfo, ABlockInfo);
  }
  if (FGradient->GetVisible()) {
    brush->SetTransparency(GetTransparency());
    if (TDgrGraphicsPath* path = GetTempPath()) {
      // Laid out over the block's rectangle and painted through the block's outline: the
      // pixels of the rectangle clipped to the outline, without building a clip for every
      // block on every paint.
      pen->SetTransparency(100);
      brush->SetBrushMode(bmGradient);
      brush->SetGradientMode(static_cast<TDgrGradientMode>(FGradient->GetDirection()));
      brush->SetColor(FGradient->GetStartColor());
      brush->SetColor2(FGradient->GetEndColor());
      path->Reset();
      BuildOutlinePath(path, drawer);
      canvas->Path(path);
    } else {
      const TEngineClipHints hints(AInfo, GetPassEngine());
      ClipToBlock(AInfo);
      DrawGradientOnEngine(*FGradient, drawer, nullptr);
      UnclipBlock(AInfo);
    }
  }
  TBrush* pattern = selected ? FSelBrush.get() : FBrush.get();
  if (pattern->GetStyle() != bsClear) {
    pen->SetTransparency(100);
    brush->Assign(pattern);
    DrawShape(AInfo, ABlockInfo);
  }
  PaintPicturesOnEngine(AInfo);
  pen->Assign(FPen.get());
  // A clear platform pen has made the engine pen invisible; the block's transparency must
  // not bring it back.
  if (FPen->GetStyle() != psClear) pen->SetTransparency(GetTransparency());
  brush->SetBrushMode(bmClear);
  DrawShape(AInfo, ABlockInfo);
}

TDgrGraphic* TCustomDiagramBlock::EngineGraphic(int AIndex, TGraphic* ASource) {
  if (FDgrGraphicsStale) {
    for (auto& g : FDgrGraphics) g.reset();
    FDgrGraphicsStale = false;
  }
  TOwned<TDgrGraphic>& slot = FDgrGraphics[static_cast<size_t>(AIndex)];
  if (!slot) {
    slot.reset(GetDgrDrawer()->CreateGraphic());
    slot->Assign(ASource);
  }
  return slot.get();
}

void TCustomDiagramBlock::DrawGraphicOnEngine(TDgrCanvas* ACanvas, TDgrGraphic* AGraphic, const TSquare& D,
                                              int AMode) {
  const double gw = AGraphic->GetWidth(), gh = AGraphic->GetHeight();
  const double dw = D.Right - D.Left, dh = D.Bottom - D.Top;
  const bool keyed = AGraphic->GetTransparent();
  auto draw = [&](const TSquare& r) { ACanvas->StretchDraw(r, AGraphic, GetTransparency(), keyed); };
  switch (AMode) {
    case pmStretch:
      draw(D);
      break;
    case pmCenter: {
      const double l = D.Left + (dw - gw) / 2, t = D.Top + (dh - gh) / 2;
      draw(TSquare{l, t, l + gw, t + gh});
      break;
    }
    case pmTile: {
      if (gw <= 0 || gh <= 0) return;
      int tiles = 0;
      for (double y = D.Top; y < D.Bottom && tiles < MaxTiles; y += gh)
        for (double x = D.Left; x < D.Right && tiles < MaxTiles; x += gw, ++tiles) draw(TSquare{x, y, x + gw, y + gh});
      break;
    }
    case pmStretchProportional: {
      if (gw <= 0 || gh <= 0) return;
      const double scale = std::min(dw / gw, dh / gh);
      const double w = gw * scale, h = gh * scale;
      const double l = D.Left + (dw - w) / 2, t = D.Top + (dh - h) / 2;
      draw(TSquare{l, t, l + w, t + h});
      break;
    }
  }
}

void TCustomDiagramBlock::PaintPicturesOnEngine(const TDiagramDrawInfo& AInfo) {
  const bool bitmap = FBitmap && !FBitmap->GetEmpty();
  const bool metafile = FMetafile && !FMetafile->GetEmpty();
  const bool picture = FPicture && !FPicture->GetEmpty();
  if (!bitmap && !metafile && !picture) return;
  TDgrBlockDrawer* drawer = AInfo.DgrDrawer;
  TDgrCanvas* canvas = drawer->GetCanvas();
  const TSquare D = drawer->GetDestRect();
  const TEngineClipHints hints(AInfo, GetPassEngine());
  ClipToBlock(AInfo);
  // Pictures turn with the block: the canvas is turned about the block's centre for them.
  canvas->SaveDrawingState();
  if (GetAngle() != 0) canvas->RotateTransform(GetAngle(), drawer->GetRotationCenter());
  if (bitmap) DrawGraphicOnEngine(canvas, EngineGraphic(0, FBitmap.get()), D, FBitmapMode);
  if (metafile) DrawGraphicOnEngine(canvas, EngineGraphic(1, FMetafile.get()), D, pmStretch);
  if (picture) DrawGraphicOnEngine(canvas, EngineGraphic(2, FPicture->GetGraphic()), D, FPictureMode);
  canvas->RestoreDrawingState();
  UnclipBlock(AInfo);
}

}  // namespace tarnwick
