// Painting a block: the one paint sequence (shadow, fill, gradient, pattern brush, pictures,
// outline) and its legacy canvas back end, the outline drawn on the canvas, the drag
// preview, clipping to the outline, and the frame of the handles. A block with an engine
// drawer paints the same sequence through it (CustomBlockEngine.cpp).
#include <QPainter>
#include <QPolygon>
#include <QRegion>
#include <algorithm>

#include "diagram/model/BlockPaintSequence.h"
#include "diagram/model/CustomBlock.h"
#include "diagram/model/DiagramHost.h"
#include "diagram/model/Gradient.h"
#include "diagram/model/Shadow.h"
#include "diagram/model/TextCellPainter.h"
#include "graphics/DgrBlockDrawer.h"
#include "graphics/DgrPath.h"
#include "geometry/Conversions.h"
#include "geometry/Squares.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Metafile.h"
#include "platform/gui/Pen.h"
#include "platform/gui/Picture.h"

namespace tarnwick {

namespace {

// Restores a canvas's pen and brush when painting leaves, however it leaves.
class TCanvasToolsKeeper {
 public:
  explicit TCanvasToolsKeeper(TCanvas* ACanvas) : FCanvas(ACanvas) {
    FPen->Assign(ACanvas->GetPen());
    FBrush->Assign(ACanvas->GetBrush());
  }
  ~TCanvasToolsKeeper() {
    FCanvas->SetPen(FPen.get());
    FCanvas->SetBrush(FBrush.get());
  }
  TCanvasToolsKeeper(const TCanvasToolsKeeper&) = delete;
  TCanvasToolsKeeper& operator=(const TCanvasToolsKeeper&) = delete;

 private:
  TCanvas* FCanvas;
  TOwned<TPen> FPen = MakeOwned<TPen>();
  TOwned<TBrush> FBrush = MakeOwned<TBrush>();
};

void UsePen(TCanvas* C, TPenStyle AStyle) { C->GetPen()->SetStyle(AStyle); }

void UseSolidBrush(TCanvas* C, TColor AColor) {
  C->GetBrush()->SetColor(AColor);
  C->GetBrush()->SetStyle(bsSolid);
}

}  // namespace

// ---- The whole block ----

void TCustomDiagramBlock::Draw(const TDiagramDrawInfo& AInfo) {
  TDiagramHost* host = GetDiagramHost();
  if (!host || !AInfo.Canvas) return;
  TBlockDrawer* drawer = GetDrawer();
  drawer->SetCanvas(AInfo.Canvas);
  SetupDrawer(drawer);
  // The engine paints only inside a paint pass, which lends the drawer the pass's engine;
  // drawn directly onto a canvas, the block takes the legacy path.
  const bool engine = EngineDraws() && GetPassEngine();
  if (engine) SetupDgrDrawer(GetDgrDrawer());
  TDiagramDrawInfo info = AInfo;
  info.Drawer = drawer;
  info.DgrDrawer = engine ? GetDgrDrawer() : nullptr;
  const TDiagramDrawBlockInfo blockInfo{drawer->GetCurRect(), GetAngle()};
  if (!host->DoDrawBlock(this, info, blockInfo)) DrawBlock(info, blockInfo);
  if (GetTextCells()->Count() > 0) {
    const TDot centre = SquareCenter(GetBoundsRect());
    if (FClipText) ClipToBlock(info);
    DrawTextCells(AInfo.Canvas, this, &centre);
    if (FClipText) UnclipBlock(info);
  }
  host->DoAfterDrawBlock(this, info, blockInfo);
}

void TCustomDiagramBlock::DrawBlockInCanvas(TCanvas* Canvas, const TRect& ARect) {
  if (!Canvas) return;
  TBlockDrawer d;
  d.SetOriginalRect(GetOriginalRect());
  d.SetCurRect(RectToSquare(ARect));
  d.SetAngle(GetAngle());
  d.SetRotationType(rtCurRectCenter);
  d.SetHorizontalFlip(FHorizontalFlip);
  d.SetVerticalFlip(FVerticalFlip);
  d.SetCanvas(Canvas);
  TDiagramDrawInfo info;
  info.Canvas = Canvas;
  info.Drawer = &d;
  DrawBlock(info, TDiagramDrawBlockInfo{d.GetCurRect(), GetAngle()});
}

// The body on the legacy canvas: each step sets the canvas pen and brush and draws the
// outline through DrawShape; pictures are drawn turned about the block's centre.
class TCanvasBlockPainter final : public TBlockPaintBackEnd {
 public:
  TCanvasBlockPainter(TCustomDiagramBlock& ABlock, const TDiagramDrawInfo& AInfo,
                      const TDiagramDrawBlockInfo& ABlockInfo)
      : FBlock(ABlock), FInfo(AInfo), FBlockInfo(ABlockInfo), FCanvas(AInfo.Canvas), FDrawer(AInfo.Drawer) {}

  void Shadow(const TBlockShadow& AShadow) override {
    UsePen(FCanvas, psClear);
    UseSolidBrush(FCanvas, AShadow.GetColor());
    double dx = AShadow.GetHOffset(), dy = AShadow.GetVOffset();
    if (TDiagramHost* host = FBlock.GetDiagramHost()) {
      // Offsets are diagram units; the drawer works in canvas pixels.
      const TDot o = host->ClientToCanvas(TDot{0, 0}), p = host->ClientToCanvas(TDot{dx, dy});
      dx = p.X - o.X;
      dy = p.Y - o.Y;
    }
    const TSquare r = FDrawer->GetCurRect();
    FDrawer->SetCurRect(OffsetSquare(r, dx, dy));
    FBlock.DrawShape(FInfo, TDiagramDrawBlockInfo{FDrawer->GetCurRect(), FBlockInfo.Angle});
    FDrawer->SetCurRect(r);
  }
  void Fill(TColor AColor) override {
    UsePen(FCanvas, psClear);
    UseSolidBrush(FCanvas, AColor);
    FBlock.DrawShape(FInfo, FBlockInfo);
  }
  void Gradient(const TDiagramGradient&) override { FBlock.PaintGradient(FInfo, FBlockInfo); }
  void Pattern(TBrush* ABrush) override {
    UsePen(FCanvas, psClear);
    FCanvas->SetBrush(ABrush);
    FBlock.DrawShape(FInfo, FBlockInfo);
  }
  void BeginPictures() override {
    FBlock.ClipToBlock(FInfo);
    // The canvas draws rasters upright; turning the painter about the block's centre turns
    // them with the block, as the engines do.
    QPainter* painter = FCanvas->GetHandle();
    FTurned = painter && FBlockInfo.Angle != 0;
    if (!FTurned) return;
    const TDot c = SquareCenter(FBlockInfo.Rect);
    painter->save();
    painter->translate(c.X, c.Y);
    painter->rotate(FBlockInfo.Angle);
    painter->translate(-c.X, -c.Y);
  }
  void Picture(int, TGraphic* AGraphic, int AMode) override {
    const TRect r = SquareToRect(FBlockInfo.Rect);
    const TSquare D{double(r.Left), double(r.Top), double(r.Right), double(r.Bottom)};
    PlacePicture(AMode, D, AGraphic->GetWidth(), AGraphic->GetHeight(), true, [&](const TSquare& P) {
      FCanvas->StretchDraw(TRect{int(P.Left), int(P.Top), int(P.Right), int(P.Bottom)}, AGraphic);
    });
  }
  void EndPictures() override {
    if (FTurned) FCanvas->GetHandle()->restore();
    FBlock.UnclipBlock(FInfo);
  }
  void Outline(TPen* APen) override {
    FCanvas->SetPen(APen);
    FCanvas->GetBrush()->SetStyle(bsClear);
    FBlock.DrawShape(FInfo, FBlockInfo);
  }

 private:
  TCustomDiagramBlock& FBlock;
  const TDiagramDrawInfo& FInfo;
  const TDiagramDrawBlockInfo& FBlockInfo;
  TCanvas* FCanvas;
  TBlockDrawer* FDrawer;
  bool FTurned = false;
};

void TCustomDiagramBlock::PaintBody(TBlockPaintBackEnd& ABackEnd) {
  const bool selected = GetSelected();
  if (FShadow->GetVisible()) ABackEnd.Shadow(*FShadow);
  if (!FTransparent) ABackEnd.Fill(selected ? FSelColor : FColor);
  if (FGradient->GetVisible()) ABackEnd.Gradient(*FGradient);
  TBrush* pattern = selected ? GetSelBrush() : FBrush.get();
  if (pattern->GetStyle() != bsClear) ABackEnd.Pattern(pattern);
  const bool bitmap = FBitmap && !FBitmap->GetEmpty();
  const bool metafile = FMetafile && !FMetafile->GetEmpty();
  const bool picture = FPicture && !FPicture->GetEmpty();
  if (bitmap || metafile || picture) {
    ABackEnd.BeginPictures();
    // Bitmap modes are the first three picture modes; a metafile is always stretched.
    if (bitmap) ABackEnd.Picture(0, FBitmap.get(), FBitmapMode);
    if (metafile) ABackEnd.Picture(1, FMetafile.get(), pmStretch);
    if (picture) ABackEnd.Picture(2, FPicture->GetGraphic(), FPictureMode);
    ABackEnd.EndPictures();
  }
  ABackEnd.Outline(FPen.get());
}

void TCustomDiagramBlock::DrawBlock(const TDiagramDrawInfo& AInfo, const TDiagramDrawBlockInfo& ABlockInfo) {
  if (AInfo.DgrDrawer) {
    DrawBlockOnEngine(AInfo, ABlockInfo);
    return;
  }
  if (!AInfo.Canvas || !AInfo.Drawer) return;
  TCanvasToolsKeeper keep(AInfo.Canvas);
  TCanvasBlockPainter painter(*this, AInfo, ABlockInfo);
  PaintBody(painter);
}

void TCustomDiagramBlock::BuildOutline(TOutlineSink& AOutline) {
  BuildShapeOutline(FShape, AOutline, GetOriginalRect(), FCornerRadius);
}

void TCustomDiagramBlock::DrawShape(const TDiagramDrawInfo& AInfo, const TDiagramDrawBlockInfo& ABlockInfo) {
  if (TDiagramHost* host = GetDiagramHost())
    if (host->DoDrawShape(this, AInfo, ABlockInfo)) return;
  if (TDgrBlockDrawer* engine = AInfo.DgrDrawer) {
    TDgrGraphicsPath* path = GetTempPath();
    if (!path) return;
    path->Reset();
    BuildDrawPath(path, engine);
    engine->GetCanvas()->Path(path);
    return;
  }
  TBlockDrawer* d = AInfo.Drawer;
  if (!d || !d->GetCanvas()) return;
  const TSquare o = GetOriginalRect();
  // Fixed corners are diagram units; the drawer wants them in the original system.
  const double ux = FWidth != 0 ? (o.Right - o.Left) / FWidth : 1, uy = FHeight != 0 ? (o.Bottom - o.Top) / FHeight : 1;
  TCanvasOutline outline(*d, o, ux, uy, FHorizontalFlip, FVerticalFlip);
  BuildOutline(outline);
}

void TCustomDiagramBlock::DrawCursor(const TDiagramDrawInfo& AInfo, const TDiagramDrawBlockInfo& ABlockInfo) {
  TCanvas* canvas = AInfo.Canvas;
  TBlockDrawer* d = AInfo.Drawer ? AInfo.Drawer : GetDrawer();
  if (!canvas || !d) return;
  TCanvasToolsKeeper keep(canvas);
  canvas->GetBrush()->SetStyle(bsClear);
  canvas->GetPen()->SetMode(pmNot);
  canvas->GetPen()->SetStyle(psDot);
  d->PushState();
  d->SetCanvas(canvas);
  d->SetOriginalRect(GetOriginalRect());
  d->SetAngle(ABlockInfo.Angle);
  d->SetRotationType(rtCurRectCenter);
  d->SetCurRect(ABlockInfo.Rect);
  if (FShapeCursor) {
    TDiagramDrawInfo info = AInfo;
    info.Drawer = d;
    info.DgrDrawer = nullptr;  // the preview always takes the legacy path
    DrawShape(info, ABlockInfo);
  } else {
    const TSquare& r = ABlockInfo.Rect;
    d->DrawRotRect(r.Left, r.Top, r.Right, r.Bottom);
  }
  d->PopState();
}

// ---- Gradient ----

void TCustomDiagramBlock::PaintGradient(const TDiagramDrawInfo& AInfo, const TDiagramDrawBlockInfo& ABlockInfo) {
  TCanvas* canvas = AInfo.Canvas;
  TBlockDrawer* d = AInfo.Drawer;
  ClipToBlock(AInfo);
  const TSquare& rect = ABlockInfo.Rect;
  TGradientBands bands =
      TGradientBands::ForRect(FGradient->GetDirection(), rect, FGradient->GetStartColor(), FGradient->GetEndColor());
  UsePen(canvas, psClear);
  auto fill = [&](const TGradientRects& rs, TColor colour) {
    UseSolidBrush(canvas, colour);
    for (int i = 0; i < rs.Count; ++i) {
      const TRect c = TGradientBands::ToCanvas(rs.Rects[static_cast<size_t>(i)], rect);
      // Turned with the block about the block's centre.
      d->DrawRotRect(c.Left, c.Top, c.Right, c.Bottom);
    }
  };
  for (int band = 0; band < bands.Count(); ++band) fill(bands.BandRects(band), bands.BandColor(band));
  fill(bands.ClosingRects(), bands.LastColor());
  UnclipBlock(AInfo);
}

// ---- Clipping ----

void TCustomDiagramBlock::ClipToBlock(const TDiagramDrawInfo& AInfo) {
  QPainter* painter = AInfo.Canvas ? AInfo.Canvas->GetHandle() : nullptr;
  if (!painter) return;
  painter->save();
  if (AInfo.DgrDrawer) {
    painter->setClipPath(EngineOutlineOnCanvas(), Qt::IntersectClip);
    return;
  }
  TDotArray pts;
  GetSurroundPts(pts);
  if (pts.empty()) LegacySurroundPts(pts);
  // The outline is in diagram units about the bounds; it is carried onto the rectangle
  // being painted (the diagram's canvas, or any rectangle of DrawBlockInCanvas): turned
  // back about the bounds' centre, scaled, and turned again about the painted centre.
  const TSquare bounds = GetBoundsRect();
  TBlockDrawer from, to;
  from.SetCurRect(bounds);
  from.SetAngle(GetAngle());
  to.SetOriginalRect(bounds);
  to.SetCurRect(AInfo.Drawer ? AInfo.Drawer->GetCurRect() : bounds);
  to.SetAngle(GetAngle());
  QPolygon polygon;
  for (const TDot& p : pts) {
    const TDot c = to.RotX(to.PP(from.UnrotX(p)));
    polygon << QPoint(Round(c.X), Round(c.Y));
  }
  painter->setClipRegion(QRegion(polygon, Qt::OddEvenFill), Qt::IntersectClip);
}

void TCustomDiagramBlock::UnclipBlock(const TDiagramDrawInfo& AInfo) {
  QPainter* painter = AInfo.Canvas ? AInfo.Canvas->GetHandle() : nullptr;
  if (painter) painter->restore();
}

// ---- Handles ----

void TCustomDiagramBlock::DrawHandles(const TDiagramDrawInfo& AInfo) {
  TDiagramHost* host = GetDiagramHost();
  if (host && AInfo.Canvas && host->GetHandlesStyle() == hsVisio && GetSelected() && !AsMember()) {
    TCanvas* canvas = AInfo.Canvas;
    TCanvasToolsKeeper keep(canvas);
    const bool groupSelection = host->IsShowingGroupSelection();
    TPen* pen = canvas->GetPen();
    pen->SetWidth(1);
    pen->SetMode(pmCopy);
    if (groupSelection && host->GetSelBlockControl() != this) {
      pen->SetStyle(psSolid);
      pen->SetColor(0xFF00FF);
    } else {
      pen->SetStyle(psDot);
      pen->SetColor(0x00FF00);
    }
    canvas->GetBrush()->SetStyle(bsClear);
    TBlockDrawer d;
    d.SetCanvas(canvas);
    SetupDrawer(&d);
    const TSquare r = d.GetCurRect();
    d.DrawRotRect(r.Left, r.Top, r.Right, r.Bottom);
    if (CanRotate() && !groupSelection)
      if (TStretchHandle* rotate = GetHandles()->RotateHandle()) {
        const TPoint a = DotToPoint(host->ClientToCanvas(GetRotationCenterPoint()));
        const TPoint b = DotToPoint(host->ClientToCanvas(GetHandlePoint(rotate)));
        canvas->MoveTo(a.X, a.Y);
        canvas->LineTo(b.X, b.Y);
      }
  }
  TDiagramControl::DrawHandles(AInfo);
}

}  // namespace tarnwick
