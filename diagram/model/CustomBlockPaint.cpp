// Painting a block on the legacy canvas: shadow, fill, gradient, pattern brush, pictures
// and outline in that order, the drag preview, clipping to the outline, and the frame of
// the handles. A block with an engine drawer paints through it (CustomBlockEngine.cpp).
#include <QPainter>
#include <QPolygon>
#include <QRegion>
#include <algorithm>

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

void TCustomDiagramBlock::DrawBlock(const TDiagramDrawInfo& AInfo, const TDiagramDrawBlockInfo& ABlockInfo) {
  if (AInfo.DgrDrawer) {
    DrawBlockOnEngine(AInfo, ABlockInfo);
    return;
  }
  TCanvas* canvas = AInfo.Canvas;
  TBlockDrawer* drawer = AInfo.Drawer;
  if (!canvas || !drawer) return;
  TCanvasToolsKeeper keep(canvas);
  const bool selected = GetSelected();

  if (FShadow->GetVisible()) {
    UsePen(canvas, psClear);
    UseSolidBrush(canvas, FShadow->GetColor());
    double dx = FShadow->GetHOffset(), dy = FShadow->GetVOffset();
    if (TDiagramHost* host = GetDiagramHost()) {
      // Offsets are diagram units; the drawer works in canvas pixels.
      const TDot o = host->ClientToCanvas(TDot{0, 0}), p = host->ClientToCanvas(TDot{dx, dy});
      dx = p.X - o.X;
      dy = p.Y - o.Y;
    }
    const TSquare r = drawer->GetCurRect();
    drawer->SetCurRect(OffsetSquare(r, dx, dy));
    DrawShape(AInfo, TDiagramDrawBlockInfo{drawer->GetCurRect(), ABlockInfo.Angle});
    drawer->SetCurRect(r);
  }
  if (!FTransparent) {
    UsePen(canvas, psClear);
    UseSolidBrush(canvas, selected ? FSelColor : FColor);
    DrawShape(AInfo, ABlockInfo);
  }
  if (FGradient->GetVisible()) PaintGradient(AInfo, ABlockInfo);
  TBrush* pattern = selected ? FSelBrush.get() : FBrush.get();
  if (pattern->GetStyle() != bsClear) {
    UsePen(canvas, psClear);
    canvas->SetBrush(pattern);
    DrawShape(AInfo, ABlockInfo);
  }
  PaintPictures(AInfo, ABlockInfo);
  canvas->SetPen(FPen.get());
  canvas->GetBrush()->SetStyle(bsClear);
  DrawShape(AInfo, ABlockInfo);
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
  const double L = o.Left, T = o.Top, R = o.Right, B = o.Bottom;
  switch (FShape) {
    case bsNoShape:
      break;
    case bsRectangle:
      d->AutoRotRect(L, T, R, B);
      break;
    case bsEllipse:
      d->AutoEllipse(L, T, R, B);
      break;
    case bsRoundRect:
      d->AutoRoundRect(L, T, R, B, (R - L) / 4, (B - T) / 4);
      break;
    case bsDiamond: {
      const double mx = (L + R) / 2, my = (T + B) / 2;
      d->DrawRotPoly({d->PP(L, my), d->PP(mx, T), d->PP(R, my), d->PP(mx, B), d->PP(L, my)});
      break;
    }
    case bsSquareRound:
      if (FCornerRadius > 0) {
        // The corner is diagram units; the drawer wants it in the original system.
        const double sx = FWidth != 0 ? (R - L) / FWidth : 1, sy = FHeight != 0 ? (B - T) / FHeight : 1;
        d->AutoRoundRect(L, T, R, B, FCornerRadius * sx, FCornerRadius * sy);
      } else {
        d->AutoRoundRect(L, T, R, B, (R - L) / 2, (B - T) / 2);
      }
      break;
  }
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

// ---- Gradient and pictures ----

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

void TCustomDiagramBlock::PaintGraphic(TCanvas* ACanvas, TGraphic* AGraphic, const TRect& D, int AMode) {
  const int gw = AGraphic->GetWidth(), gh = AGraphic->GetHeight();
  const int dw = D.Right - D.Left, dh = D.Bottom - D.Top;
  switch (AMode) {
    case pmStretch:
      ACanvas->StretchDraw(D, AGraphic);
      break;
    case pmCenter:
      ACanvas->Draw(D.Left + (dw - gw) / 2, D.Top + (dh - gh) / 2, AGraphic);
      break;
    case pmTile:
      if (gw <= 0 || gh <= 0) return;
      for (int y = D.Top; y < D.Bottom; y += gh)
        for (int x = D.Left; x < D.Right; x += gw) ACanvas->Draw(x, y, AGraphic);
      break;
    case pmStretchProportional: {
      if (gw <= 0 || gh <= 0) return;
      const double scale = std::min(static_cast<double>(dw) / gw, static_cast<double>(dh) / gh);
      const int w = Round(gw * scale), h = Round(gh * scale);
      const int l = D.Left + (dw - w) / 2, t = D.Top + (dh - h) / 2;
      ACanvas->StretchDraw(TRect{l, t, l + w, t + h}, AGraphic);
      break;
    }
  }
}

void TCustomDiagramBlock::PaintPictures(const TDiagramDrawInfo& AInfo, const TDiagramDrawBlockInfo& ABlockInfo) {
  const bool bitmap = FBitmap && !FBitmap->GetEmpty();
  const bool metafile = FMetafile && !FMetafile->GetEmpty();
  const bool picture = FPicture && !FPicture->GetEmpty();
  if (!bitmap && !metafile && !picture) return;
  // The legacy canvas cannot turn a raster: pictures fill the unturned block rectangle,
  // clipped to the turned outline.
  const TRect D = SquareToRect(ABlockInfo.Rect);
  ClipToBlock(AInfo);
  // Bitmap modes are the first three picture modes.
  if (bitmap) PaintGraphic(AInfo.Canvas, FBitmap.get(), D, FBitmapMode);
  if (metafile) PaintGraphic(AInfo.Canvas, FMetafile.get(), D, pmStretch);
  if (picture) PaintGraphic(AInfo.Canvas, FPicture->GetGraphic(), D, FPictureMode);
  UnclipBlock(AInfo);
}

// ---- Clipping ----

void TCustomDiagramBlock::ClipToBlock(const TDiagramDrawInfo& AInfo) {
  QPainter* painter = AInfo.Canvas ? AInfo.Canvas->GetPainter() : nullptr;
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
  QPainter* painter = AInfo.Canvas ? AInfo.Canvas->GetPainter() : nullptr;
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
