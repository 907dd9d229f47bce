// The painting pipeline: one routine paints the diagram onto the window, a preview or
// print page, or an exported image. The paint style chooses what is drawn and how diagram
// units map onto the target; the layer order is fixed.
#include <QPainter>

#include "diagram/model/DiagramControl.h"
#include "diagram/view/Diagram.h"
#include "geometry/Conversions.h"
#include "geometry/Predicates.h"
#include "geometry/Squares.h"
#include "graphics/DgrPaintEngine.h"
#include "graphics/EngineFactory.h"
#include "platform/core/Math.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Canvas.h"
#include "platform/core/ScopeGuard.h"

namespace tarnwick {

namespace {

bool InCursorState(const TDiagramControl* C) {
  return C->GetIntPaintMode() == pmNormalCursor || C->GetIntPaintMode() == pmCursorOnly;
}

}  // namespace

void TdvDiagram::PaintAs(TCanvas& ACanvas, TPaintStyle AStyle, TDot AOffset) {
  TPrintConv conv;
  if (AStyle == psPreview || AStyle == psPrint) conv = PrintConv();
  SetPaintPass(AStyle, AOffset, conv.X, conv.Y);
  TScopeExit backToScreen([this] { FPaintStyle = psScreen; });
  DrawDiagram(ACanvas);
}

TRect TdvDiagram::PaintEngineRect(TCanvas& ACanvas) {
  switch (FPaintStyle) {
    case psPreview:
    case psPrint: {
      double w = FPageSettings->GetPaperWidth(), h = FPageSettings->GetPaperHeight();
      if (FPageSettings->GetOrientation() == dpoLandscape) std::swap(w, h);
      return TRect{0, 0, Round(MilimetersToClient(w)), Round(MilimetersToClient(h))};
    }
    case psBitmap:
      return ACanvas.GetClipRect();
    case psScreen:
    default:
      return TRect{0, 0, GetClientWidth(), GetClientHeight()};
  }
}

void TdvDiagram::SetupEngineTransform(TDgrPaintEngine& AEngine) {
  switch (FPaintStyle) {
    case psScreen: {
      const double s = ContentScale();
      AEngine.ScaleTransform(s, s);
      AEngine.TranslateTransform(-FHorzScrollBar->GetPosition(), -FVertScrollBar->GetPosition());
      AEngine.TranslateTransform(FLeftRuler->VisibleSize(), FTopRuler->VisibleSize());
      break;
    }
    case psPreview:
    case psPrint:
      AEngine.SetPageUnit(dpuPixel);
      AEngine.ScaleTransform(FPrintConvX, FPrintConvY);
      AEngine.TranslateTransform(FPreviewOffset.X, FPreviewOffset.Y);
      AEngine.ScaleTransform(FAdjustRatioX, FAdjustRatioY);
      AEngine.ScaleTransform(FZoomRatio, FZoomRatio);
      break;
    case psBitmap:
      AEngine.TranslateTransform(FPreviewOffset.X, FPreviewOffset.Y);
      AEngine.ScaleTransform(FZoomRatio, FZoomRatio);
      break;
  }
}

void TdvDiagram::DrawDiagram(TCanvas& ACanvas) {
  const TScopedValue<bool> painting(FPainting, true);
  TOwned<TDgrPaintEngine> engine;
  if (FGraphicLib != dglGDI) {
    // A diagram stored with an engine this platform lacks paints with GDI+.
    const TDgrGraphicLib lib = FGraphicLib == dglDirect2D && !IsDirect2DSupported() ? dglGDIPlus : FGraphicLib;
    engine.reset(CreateDgrPaintEngine(lib, &ACanvas, PaintEngineRect(ACanvas)));
    if (engine) {
      engine->SetSmoothMode(FSmoothMode);
      engine->SetTextRenderingMode(FTextRenderingMode);
    }
  }
  TBrush* brush = ACanvas.GetBrush();
  if (FUseCache) {
    ACanvas.Draw(0, 0, FCacheImage.get());
  } else {
    brush->SetStyle(bsSolid);
    if (FPaintStyle == psBitmap) {
      brush->SetColor(FExportBackgroundColor);
      ACanvas.FillRect(ACanvas.GetClipRect());
    } else if (FPaintStyle == psScreen) {
      brush->SetColor(GetColor());
      ACanvas.FillRect(SquareToRect(PaintClipSquare(ACanvas)));
    }
    if (OnBeforePaint) OnBeforePaint(this, &ACanvas);
    if (FBackground->GetVisible()) FBackground->Draw(ACanvas);
    if (FPaintStyle == psScreen) {
      const bool rulerGrid = FSnapGrid->GetVisible() && FSnapGrid->GetStyle() == gsRuler;
      RulersPass(ACanvas, rulerGrid);
      if (FSnapGrid->GetVisible() && !rulerGrid) FSnapGrid->DrawGrid(ACanvas);
      if (FPageLines->GetVisible()) DrawPageLines(ACanvas);
    }
  }
  if (engine) {
    engine->BeginDraw();
    engine->ResetTransform();
    SetupEngineTransform(*engine);
    if (FPaintStyle == psBitmap && !FUseCache) {
      ACanvas.FillRect(ACanvas.GetClipRect());
      if (FBackground->GetVisible()) FBackground->Draw(ACanvas);
    }
  }
  PaintControlPasses(ACanvas, engine.get());
  if (engine) engine->EndDraw();
  if (FPaintStyle == psScreen) {
    for (TDiagramControl* c : FDControls)
      if (!c->IsMember() && c->IsVisible() && (c->GetSelected() || c->IsGroup())) DrawHandleTree(ACanvas, c);
    if (SelBlockInUse() && !FDoingCache) DrawSelBlockHandles(ACanvas);
  }
  for (TDiagramControl* c : FDControls)
    if (InCursorState(c)) c->LeaveCursorState();
  if (!FUseCache && FPaintStyle == psScreen) {
    RulersPass(ACanvas, false);
    if (OnAfterPaint) OnAfterPaint(this, &ACanvas);
    if (InternalAfterPaint) InternalAfterPaint(this, &ACanvas);
  }
}

void TdvDiagram::PaintControlPasses(TCanvas& ACanvas, TDgrPaintEngine* AEngine) {
  const TScopedValue<TSquare> passClip(FPassClip, PaintClipSquare(ACanvas));
  const TScopedValue<const TCanvas*> passCanvas(FPassClipCanvas, &ACanvas);
  // An export band paints only the controls that reach into it, in z-order.
  const TList<TDiagramControl*>& controls = FPaintList ? *FPaintList : FDControls;
  if (!FUseCache) {
    for (TDiagramControl* c : controls)
      if (!c->IsMember() && c->GetIsBackgroundControl()) PaintTree(ACanvas, c, false, AEngine);
    if (FPaintLinesFirst) {
      for (TDiagramControl* c : controls)
        if (!c->IsMember() && !c->GetIsBackgroundControl() && c->IsLine()) PaintTree(ACanvas, c, false, AEngine);
      for (TDiagramControl* c : controls)
        if (!c->IsMember() && !c->GetIsBackgroundControl() && !c->IsLine()) PaintTree(ACanvas, c, false, AEngine);
    } else {
      for (TDiagramControl* c : controls)
        if (!c->IsMember() && !c->GetIsBackgroundControl()) PaintTree(ACanvas, c, false, AEngine);
    }
  }
  // The preview pass: controls being dragged in shape style, at their preview place.
  bool anyPreview = false;
  for (TDiagramControl* c : FDControls)
    if (InCursorState(c)) {
      c->EnterCursorState();
      anyPreview = true;
    }
  if (anyPreview)
    for (TDiagramControl* c : FDControls)
      if (!c->IsMember()) PaintTree(ACanvas, c, true, AEngine);
}

void TdvDiagram::PaintTree(TCanvas& ACanvas, TDiagramControl* AControl, bool APreviewMask, TDgrPaintEngine* AEngine) {
  if (AControl->IsGroup()) {
    // A group is never painted itself: its members appear at its place in the z-order.
    for (int i = 0; i < AControl->GetMemberCount(); ++i)
      if (TDiagramControl* m = AControl->GetMember(i)) PaintTree(ACanvas, m, APreviewMask, AEngine);
    return;
  }
  const TDControlPaintMode mode = AControl->GetIntPaintMode();
  const bool inMask = APreviewMask ? mode != pmNormal : mode != pmCursorOnly;
  if (!inMask || !AControl->IsVisible()) return;
  AControl->CalcSize(&ACanvas);
  const TSquare r = ClientToCanvas(AControl->GetAngle() != 0 ? AControl->SurroundRect() : AControl->ControlRect());
  if (!SquaresIntersect(FPassClipCanvas == &ACanvas ? FPassClip : PaintClipSquare(ACanvas), r)) return;
  AControl->Paint(&ACanvas, AEngine, FPaintStyle == psScreen, FShowLinkPoints);
}

void TdvDiagram::DrawHandleTree(TCanvas& ACanvas, TDiagramControl* AControl) {
  if (!AControl->IsVisible()) return;
  TDiagramDrawInfo info;
  info.Canvas = &ACanvas;
  info.Drawer = AControl->GetDrawer();
  info.DgrDrawer = AControl->GetDgrDrawer();
  AControl->GetDrawer()->SetCanvas(&ACanvas);
  AControl->DrawHandles(info);
  if (AControl->IsGroup())
    for (int i = 0; i < AControl->GetMemberCount(); ++i)
      if (TDiagramControl* m = AControl->GetMember(i)) DrawHandleTree(ACanvas, m);
}

void TdvDiagram::DrawSelBlockHandles(TCanvas& ACanvas) {
  if (!FSelBlock) return;
  const bool cursor = InCursorState(FSelBlock);
  if (cursor) FSelBlock->EnterCursorState();
  TDiagramDrawInfo info;
  info.Canvas = &ACanvas;
  info.Drawer = FSelBlock->GetDrawer();
  info.DgrDrawer = FSelBlock->GetDgrDrawer();
  FSelBlock->GetDrawer()->SetCanvas(&ACanvas);
  FSelBlock->DrawHandles(info);
  if (cursor) FSelBlock->LeaveCursorState();
}

void TdvDiagram::RulersPass(TCanvas& ACanvas, bool ADrawGrid) {
  FTopRuler->SetGridColor(FSnapGrid->GetPen()->GetColor());
  FLeftRuler->SetGridColor(FSnapGrid->GetPen()->GetColor());
  if (FTopRuler->GetSize() == 0) FTopRuler->SetSize(0);
  if (FLeftRuler->GetSize() == 0) FLeftRuler->SetSize(0);
  const int w = GetClientWidth(), h = GetClientHeight();
  if (FTopRuler->GetVisible())
    FTopRuler->Draw(ACanvas, TRect{FLeftRuler->VisibleSize(), 0, w, FTopRuler->VisibleSize()},
                    FHorzScrollBar->GetPosition(), h, std::max(FHorzScrollBar->GetRange(), w), ADrawGrid);
  if (FLeftRuler->GetVisible())
    FLeftRuler->Draw(ACanvas, TRect{0, FTopRuler->VisibleSize(), FLeftRuler->VisibleSize(), h},
                     FVertScrollBar->GetPosition(), w, std::max(FVertScrollBar->GetRange(), h), ADrawGrid);
  if (FTopRuler->GetVisible() && FLeftRuler->GetVisible()) {
    TBrush* brush = ACanvas.GetBrush();
    brush->SetStyle(bsSolid);
    brush->SetColor(FTopRuler->GetColor());
    const int lw = FLeftRuler->GetSize(), th = FTopRuler->GetSize();
    ACanvas.FillRect(TRect{0, 0, lw, th});
    TPen* pen = ACanvas.GetPen();
    pen->SetStyle(psSolid);
    pen->SetMode(pmCopy);
    pen->SetWidth(1);
    pen->SetColor(FTopRuler->GetTickColor());
    ACanvas.MoveTo(lw, 0);
    ACanvas.LineTo(lw, th);
    pen->SetColor(FLeftRuler->GetTickColor());
    ACanvas.LineTo(-1, th);
  }
}

void TdvDiagram::BuildCache() {
  if (!FCacheImage) FCacheImage = MakeOwned<TBitmap>();
  const int w = GetClientWidth(), h = GetClientHeight();
  if (FCacheImage->GetWidth() != w || FCacheImage->GetHeight() != h) FCacheImage->SetSize(w, h);
  {
    const TScopedValue<bool> doing(FDoingCache, true);
    PaintAs(*FCacheImage->GetCanvas(), psScreen, TDot{0, 0});
  }
  FUseCache = true;
}

void TdvDiagram::PaintWindow(QPainter& Painter, const TRect& UpdateRect) {
  TCanvas canvas(&Painter);
  Painter.save();
  TScopeExit restore([&Painter] { Painter.restore(); });
  Painter.setClipRect(UpdateRect.Left, UpdateRect.Top, UpdateRect.Width(), UpdateRect.Height());
  PaintAs(canvas, psScreen, TDot{0, 0});
  PaintBorder(canvas);
}

void TdvDiagram::PaintBorder(TCanvas& ACanvas) {
  // The flat frame of a single border: one pixel in BorderColor around the whole window.
  // A 3-D border is the platform's to draw, and Qt draws none.
  if (BorderWidth() == 0) return;
  TPen* pen = ACanvas.GetPen();
  pen->SetStyle(psSolid);
  pen->SetMode(pmCopy);
  pen->SetWidth(1);
  pen->SetColor(FBorderColor);
  ACanvas.GetBrush()->SetStyle(bsClear);
  ACanvas.Rectangle(0, 0, GetWidth(), GetHeight());
}

// ---- Drawing hooks: each copies what it is given and asks the application ----

bool TdvDiagram::DoDrawBlock(TDiagramControl* ABlock, const TDiagramDrawInfo& AInfo,
                             const TDiagramDrawBlockInfo& ABlockInfo) {
  bool painted = false;
  if (OnDrawBlock) OnDrawBlock(this, ABlock, AInfo, ABlockInfo, painted);
  return painted;
}

bool TdvDiagram::DoDrawShape(TDiagramControl* ABlock, const TDiagramDrawInfo& AInfo,
                             const TDiagramDrawBlockInfo& ABlockInfo) {
  bool painted = false;
  if (OnDrawShape) OnDrawShape(this, ABlock, AInfo, ABlockInfo, painted);
  return painted;
}

void TdvDiagram::DoAfterDrawBlock(TDiagramControl* ABlock, const TDiagramDrawInfo& AInfo,
                                  const TDiagramDrawBlockInfo& ABlockInfo) {
  bool painted = true;
  if (OnAfterDrawBlock) OnAfterDrawBlock(this, ABlock, AInfo, ABlockInfo, painted);
}

void TdvDiagram::DoDrawLinkPoint(TCanvas* ACanvas, TLinkPoint* ALinkPoint, const TPoint& APoint, bool& ADone) {
  if (OnDrawLinkPoint) OnDrawLinkPoint(this, ACanvas, ALinkPoint, APoint, ADone);
}

}  // namespace tarnwick
