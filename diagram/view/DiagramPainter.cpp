// The painting pipeline: one routine paints the diagram onto the window, a preview or
// print page, or an exported image. The paint style chooses what is drawn and how diagram
// units map onto the target; the layer order is fixed.
#include "diagram/view/DiagramPainter.h"

#include <QPainter>
#include <algorithm>

#include "diagram/model/DiagramControl.h"
#include "diagram/printing/PageLines.h"
#include "diagram/printing/PageSettings.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramSelection.h"
#include "diagram/view/DiagramViewport.h"
#include "geometry/Conversions.h"
#include "geometry/Predicates.h"
#include "geometry/Squares.h"
#include "graphics/DgrPaintEngine.h"
#include "graphics/EngineFactory.h"
#include "platform/core/Math.h"
#include "platform/core/ScopeGuard.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Pen.h"
#include "platform/gui/Progress.h"

namespace tarnwick {

namespace {

bool InCursorState(const TDiagramControl* C) {
  return C->GetIntPaintMode() == pmNormalCursor || C->GetIntPaintMode() == pmCursorOnly;
}

}  // namespace

TDiagramPainter::TDiagramPainter(TdvDiagram& ADiagram) : FDiagram(ADiagram) {}

TDiagramPainter::~TDiagramPainter() = default;

void TDiagramPainter::PaintAs(TCanvas& ACanvas, TPaintStyle AStyle, TDot AOffset) {
  TPrintConv conv;
  if (AStyle == psPreview || AStyle == psPrint) conv = FDiagram.FViewport->PrintConv();
  FDiagram.FViewport->SetPaintPass(AStyle, AOffset, conv.X, conv.Y);
  TScopeExit backToScreen([this] { FDiagram.FViewport->FPaintStyle = psScreen; });
  // Through the diagram: a subclass may paint its own way.
  FDiagram.DrawDiagram(ACanvas);
}

TRect TDiagramPainter::PaintEngineRect(TCanvas& ACanvas) {
  switch (FDiagram.FViewport->FPaintStyle) {
    case psPreview:
    case psPrint: {
      double w = FDiagram.FPageSettings->GetPaperWidth(), h = FDiagram.FPageSettings->GetPaperHeight();
      if (FDiagram.FPageSettings->GetOrientation() == dpoLandscape) std::swap(w, h);
      return TRect{0, 0, Round(FDiagram.MilimetersToClient(w)), Round(FDiagram.MilimetersToClient(h))};
    }
    case psBitmap:
      return ACanvas.GetClipRect();
    case psScreen:
    default:
      return TRect{0, 0, FDiagram.GetClientWidth(), FDiagram.GetClientHeight()};
  }
}

void TDiagramPainter::SetupEngineTransform(TDgrPaintEngine& AEngine) {
  switch (FDiagram.FViewport->FPaintStyle) {
    case psScreen: {
      const double s = FDiagram.FViewport->ContentScale();
      AEngine.ScaleTransform(s, s);
      AEngine.TranslateTransform(-FDiagram.FHorzScrollBar->GetPosition(), -FDiagram.FVertScrollBar->GetPosition());
      AEngine.TranslateTransform(FDiagram.FLeftRuler->VisibleSize(), FDiagram.FTopRuler->VisibleSize());
      break;
    }
    case psPreview:
    case psPrint:
      AEngine.SetPageUnit(dpuPixel);
      AEngine.ScaleTransform(FDiagram.FViewport->FPrintConvX, FDiagram.FViewport->FPrintConvY);
      AEngine.TranslateTransform(FDiagram.FViewport->FPreviewOffset.X, FDiagram.FViewport->FPreviewOffset.Y);
      AEngine.ScaleTransform(FDiagram.FViewport->FAdjustRatioX, FDiagram.FViewport->FAdjustRatioY);
      AEngine.ScaleTransform(FDiagram.FViewport->FZoomRatio, FDiagram.FViewport->FZoomRatio);
      break;
    case psBitmap:
      AEngine.TranslateTransform(FDiagram.FViewport->FPreviewOffset.X, FDiagram.FViewport->FPreviewOffset.Y);
      AEngine.ScaleTransform(FDiagram.FViewport->FZoomRatio, FDiagram.FViewport->FZoomRatio);
      break;
  }
}

void TDiagramPainter::DrawDiagram(TCanvas& ACanvas) {
  const TScopedValue<bool> painting(FPainting, true);
  TOwned<TDgrPaintEngine> engine;
  if (FDiagram.FGraphicLib != dglGDI) {
    // A diagram stored with an engine this platform lacks paints with GDI+.
    const TDgrGraphicLib lib =
        FDiagram.FGraphicLib == dglDirect2D && !IsDirect2DSupported() ? dglGDIPlus : FDiagram.FGraphicLib;
    engine.reset(CreateDgrPaintEngine(lib, &ACanvas, PaintEngineRect(ACanvas)));
    if (engine) {
      engine->SetSmoothMode(FDiagram.FSmoothMode);
      engine->SetTextRenderingMode(FDiagram.FTextRenderingMode);
    }
  }
  TBrush* brush = ACanvas.GetBrush();
  if (FUseCache) {
    ACanvas.Draw(0, 0, FCacheImage.get());
  } else {
    brush->SetStyle(bsSolid);
    if (FDiagram.FViewport->FPaintStyle == psBitmap) {
      brush->SetColor(FDiagram.FExportBackgroundColor);
      ACanvas.FillRect(ACanvas.GetClipRect());
    } else if (FDiagram.FViewport->FPaintStyle == psScreen) {
      brush->SetColor(FDiagram.GetColor());
      ACanvas.FillRect(SquareToRect(PaintClipSquare(ACanvas)));
    }
    if (FDiagram.OnBeforePaint) FDiagram.OnBeforePaint(&FDiagram, &ACanvas);
    if (FDiagram.FBackground->GetVisible()) FDiagram.FBackground->Draw(ACanvas);
    if (FDiagram.FViewport->FPaintStyle == psScreen) {
      const bool rulerGrid = FDiagram.FSnapGrid->GetVisible() && FDiagram.FSnapGrid->GetStyle() == gsRuler;
      RulersPass(ACanvas, rulerGrid);
      if (FDiagram.FSnapGrid->GetVisible() && !rulerGrid) FDiagram.FSnapGrid->DrawGrid(ACanvas);
      if (FDiagram.FPageLines->GetVisible()) DrawPageLines(ACanvas);
    }
  }
  if (engine) {
    engine->BeginDraw();
    engine->ResetTransform();
    SetupEngineTransform(*engine);
    if (FDiagram.FViewport->FPaintStyle == psBitmap && !FUseCache) {
      ACanvas.FillRect(ACanvas.GetClipRect());
      if (FDiagram.FBackground->GetVisible()) FDiagram.FBackground->Draw(ACanvas);
    }
  }
  PaintControlPasses(ACanvas, engine.get());
  if (engine) engine->EndDraw();
  if (FDiagram.FViewport->FPaintStyle == psScreen) {
    for (TDiagramControl* c : FDiagram.FControls->FDControls)
      if (!c->IsMember() && c->IsVisible() && (c->GetSelected() || c->IsGroup())) DrawHandleTree(ACanvas, c);
    if (FDiagram.FSelection->SelBlockInUse() && !FDoingCache) DrawSelBlockHandles(ACanvas);
  }
  for (TDiagramControl* c : CursorCandidates())
    if (InCursorState(c)) c->LeaveCursorState();
  if (FDiagram.FViewport->FPaintStyle == psScreen && !FDoingCache) FDiagram.PaintToolOverlay(ACanvas);
  if (!FUseCache && FDiagram.FViewport->FPaintStyle == psScreen) {
    RulersPass(ACanvas, false);
    if (FDiagram.OnAfterPaint) FDiagram.OnAfterPaint(&FDiagram, &ACanvas);
    if (FDiagram.InternalAfterPaint) FDiagram.InternalAfterPaint(&FDiagram, &ACanvas);
  }
}

void TDiagramPainter::BeginBands() {
  FCursorCandidates.clear();
  for (TDiagramControl* c : FDiagram.FControls->FDControls)
    if (InCursorState(c)) FCursorCandidates.push_back(c);
  FCursorCandidatesKnown = true;
}

void TDiagramPainter::EndBands() {
  FCursorCandidatesKnown = false;
  FCursorCandidates.clear();
}

const std::vector<TDiagramControl*>& TDiagramPainter::CursorCandidates() const {
  return FCursorCandidatesKnown ? FCursorCandidates : FDiagram.FControls->FDControls.Vector();
}

void TDiagramPainter::PaintControlPasses(TCanvas& ACanvas, TDgrPaintEngine* AEngine) {
  const TScopedValue<TSquare> passClip(FPassClip, PaintClipSquare(ACanvas));
  const TScopedValue<const TCanvas*> passCanvas(FPassClipCanvas, &ACanvas);
  // An export band paints only the controls that reach into it, in z-order.
  const TList<TDiagramControl*>& controls = FPaintList ? *FPaintList : FDiagram.FControls->FDControls;
  if (!FUseCache) {
    // An export counts each top-level control as one step of its progress (a vector
    // export has no bands to count); a step outside an export's count does nothing.
    const bool counting = FDiagram.FViewport->FPaintStyle == psBitmap;
    const auto paint = [&](TDiagramControl* c) {
      PaintTree(ACanvas, c, false, AEngine);
      if (counting) ProgressStep();
    };
    for (TDiagramControl* c : controls)
      if (!c->IsMember() && c->GetIsBackgroundControl()) paint(c);
    if (FDiagram.FPaintLinesFirst) {
      for (TDiagramControl* c : controls)
        if (!c->IsMember() && !c->GetIsBackgroundControl() && c->IsLine()) paint(c);
      for (TDiagramControl* c : controls)
        if (!c->IsMember() && !c->GetIsBackgroundControl() && !c->IsLine()) paint(c);
    } else {
      for (TDiagramControl* c : controls)
        if (!c->IsMember() && !c->GetIsBackgroundControl()) paint(c);
    }
  }
  // The preview pass: controls being dragged in shape style, at their preview place.
  bool anyPreview = false;
  for (TDiagramControl* c : CursorCandidates())
    if (InCursorState(c)) {
      c->EnterCursorState();
      anyPreview = true;
    }
  if (anyPreview)
    for (TDiagramControl* c : FDiagram.FControls->FDControls)
      if (!c->IsMember()) PaintTree(ACanvas, c, true, AEngine);
}

void TDiagramPainter::PaintTree(TCanvas& ACanvas, TDiagramControl* AControl, bool APreviewMask,
                                TDgrPaintEngine* AEngine) {
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
  const TSquare r =
      FDiagram.ClientToCanvas(AControl->GetAngle() != 0 ? AControl->SurroundRect() : AControl->ControlRect());
  if (!SquaresIntersect(FPassClipCanvas == &ACanvas ? FPassClip : PaintClipSquare(ACanvas), r)) return;
  AControl->Paint(&ACanvas, AEngine, FDiagram.FViewport->FPaintStyle == psScreen, FDiagram.FShowLinkPoints);
}

void TDiagramPainter::DrawHandleTree(TCanvas& ACanvas, TDiagramControl* AControl) {
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

void TDiagramPainter::DrawSelBlockHandles(TCanvas& ACanvas) {
  TDiagramControl* selBlock = FDiagram.FSelection->FSelBlock;
  if (!selBlock) return;
  const bool cursor = InCursorState(selBlock);
  if (cursor) selBlock->EnterCursorState();
  TDiagramDrawInfo info;
  info.Canvas = &ACanvas;
  info.Drawer = selBlock->GetDrawer();
  info.DgrDrawer = selBlock->GetDgrDrawer();
  selBlock->GetDrawer()->SetCanvas(&ACanvas);
  selBlock->DrawHandles(info);
  if (cursor) selBlock->LeaveCursorState();
}

void TDiagramPainter::RulersPass(TCanvas& ACanvas, bool ADrawGrid) {
  FDiagram.FTopRuler->SetGridColor(FDiagram.FSnapGrid->GetPen()->GetColor());
  FDiagram.FLeftRuler->SetGridColor(FDiagram.FSnapGrid->GetPen()->GetColor());
  if (FDiagram.FTopRuler->GetSize() == 0) FDiagram.FTopRuler->SetSize(0);
  if (FDiagram.FLeftRuler->GetSize() == 0) FDiagram.FLeftRuler->SetSize(0);
  const int w = FDiagram.GetClientWidth(), h = FDiagram.GetClientHeight();
  if (FDiagram.FTopRuler->GetVisible())
    FDiagram.FTopRuler->Draw(
        ACanvas, TRect{FDiagram.FLeftRuler->VisibleSize(), 0, w, FDiagram.FTopRuler->VisibleSize()},
        FDiagram.FHorzScrollBar->GetPosition(), h, std::max(FDiagram.FHorzScrollBar->GetRange(), w), ADrawGrid);
  if (FDiagram.FLeftRuler->GetVisible())
    FDiagram.FLeftRuler->Draw(
        ACanvas, TRect{0, FDiagram.FTopRuler->VisibleSize(), FDiagram.FLeftRuler->VisibleSize(), h},
        FDiagram.FVertScrollBar->GetPosition(), w, std::max(FDiagram.FVertScrollBar->GetRange(), h), ADrawGrid);
  if (FDiagram.FTopRuler->GetVisible() && FDiagram.FLeftRuler->GetVisible()) {
    TBrush* brush = ACanvas.GetBrush();
    brush->SetStyle(bsSolid);
    brush->SetColor(FDiagram.FTopRuler->GetColor());
    const int lw = FDiagram.FLeftRuler->GetSize(), th = FDiagram.FTopRuler->GetSize();
    ACanvas.FillRect(TRect{0, 0, lw, th});
    TPen* pen = ACanvas.GetPen();
    pen->SetStyle(psSolid);
    pen->SetMode(pmCopy);
    pen->SetWidth(1);
    pen->SetColor(FDiagram.FTopRuler->GetTickColor());
    ACanvas.MoveTo(lw, 0);
    ACanvas.LineTo(lw, th);
    pen->SetColor(FDiagram.FLeftRuler->GetTickColor());
    ACanvas.LineTo(-1, th);
  }
}

void TDiagramPainter::BuildCache() {
  if (!FCacheImage) FCacheImage = MakeOwned<TBitmap>();
  const int w = FDiagram.GetClientWidth(), h = FDiagram.GetClientHeight();
  if (FCacheImage->GetWidth() != w || FCacheImage->GetHeight() != h) FCacheImage->SetSize(w, h);
  // A snapshot taken again (after the view scrolled) is painted from the controls, not
  // from the snapshot it replaces.
  FUseCache = false;
  {
    const TScopedValue<bool> doing(FDoingCache, true);
    PaintAs(*FCacheImage->GetCanvas(), psScreen, TDot{0, 0});
  }
  FUseCache = true;
}

void TDiagramPainter::PaintBorder(TCanvas& ACanvas) {
  // The flat frame of a single border: one pixel in BorderColor around the whole window.
  // A 3-D border is the platform's to draw, and Qt draws none.
  if (FDiagram.BorderWidth() == 0) return;
  TPen* pen = ACanvas.GetPen();
  pen->SetStyle(psSolid);
  pen->SetMode(pmCopy);
  pen->SetWidth(1);
  pen->SetColor(FDiagram.FBorderColor);
  ACanvas.GetBrush()->SetStyle(bsClear);
  ACanvas.Rectangle(0, 0, FDiagram.GetWidth(), FDiagram.GetHeight());
}

TSquare TDiagramPainter::PaintClipSquare(TCanvas& ACanvas) const {
  const TRect clip = ACanvas.GetClipRect();
  switch (FDiagram.FViewport->FPaintStyle) {
    case psPreview: {
      // The printable part's size in printer pixels, and at least the printable part as
      // the preview scales it: a preview drawn larger than the printer's pixels (a zoomed
      // page at a low resolution) would otherwise lose the controls of its lower right.
      const TSquare r = FDiagram.FPageSettings->PrintableRect();
      const TDiagramViewport& v = *FDiagram.FViewport;
      const double sx = v.FAdjustRatioX * v.FPreviewZoom, sy = v.FAdjustRatioY * v.FPreviewZoom;
      return TSquare{0, 0, std::max(r.Right - r.Left, r.Right * sx), std::max(r.Bottom - r.Top, r.Bottom * sy)};
    }
    case psPrint:
      return FDiagram.FPageSettings->PrintableRect();
    case psBitmap: {
      const int w = std::max({FDiagram.FHorzScrollBar->GetRange(), FDiagram.GetClientWidth(), clip.Right - clip.Left});
      const int h = std::max({FDiagram.FVertScrollBar->GetRange(), FDiagram.GetClientHeight(), clip.Bottom - clip.Top});
      // A banded export paints one band of the image at a time: exactly that band.
      if (FExportBand) return *FExportBand;
      return TSquare{0, 0, double(w), double(h)};
    }
    case psScreen:
    default:
      return RectToSquare(clip);
  }
}

void TDiagramPainter::DrawPageLines(TCanvas& ACanvas) {
  TOwned<TPen> saved = MakeOwned<TPen>();
  saved->Assign(ACanvas.GetPen());
  ACanvas.SetPen(FDiagram.FPageLines->GetPen());
  const TPageGrid grid = FDiagram.FViewport->CalcPageGrid(false);
  const double pw = grid.PageWidth / FDiagram.FViewport->FZoomRatio,
               ph = grid.PageHeight / FDiagram.FViewport->FZoomRatio;
  if (pw > 0 && ph > 0) {
    const TSquare clip = PaintClipSquare(ACanvas);
    const TDot origin = FDiagram.GetCanvasOrigin();
    const double scale = FDiagram.ClientToCanvas(TDot{1, 0}).X - origin.X;
    // The boundaries inside the clip only, computed directly: scrolled far from the origin
    // the count of pages before the view must not be walked.
    for (double x : PageBoundaries(pw, origin.X, scale, clip.Left, clip.Right)) {
      ACanvas.MoveTo(Round(x), FDiagram.FTopRuler->VisibleSize());
      ACanvas.LineTo(Round(x), Round(clip.Bottom));
    }
    for (double y : PageBoundaries(ph, origin.Y, scale, clip.Top, clip.Bottom)) {
      ACanvas.MoveTo(FDiagram.FLeftRuler->VisibleSize(), Round(y));
      ACanvas.LineTo(Round(clip.Right), Round(y));
    }
  }
  ACanvas.SetPen(saved.get());
}

}  // namespace tarnwick
