// Painting, clipping and hit testing of a block through an engine drawer: the outline as an
// engine path, and the engine back end of the block's one paint sequence.
#include <QPainter>
#include <optional>

#include "diagram/model/BlockPaintSequence.h"
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

// The affine map from diagram units to the canvas of the pass, read off three points.
QTransform ClientToCanvasTransform(const TDiagramHost& AHost) {
  const TDot o = AHost.ClientToCanvas(TDot{0, 0});
  const TDot x = AHost.ClientToCanvas(TDot{1, 0});
  const TDot y = AHost.ClientToCanvas(TDot{0, 1});
  return QTransform(x.X - o.X, x.Y - o.Y, y.X - o.X, y.Y - o.Y, o.X, o.Y);
}

}  // namespace

// Draws under a block clip with the painter already anti-aliased as the engine draws.
// The raster painter rebuilds every clip in force when anti-aliasing changes, so a clip
// path made under the legacy canvas's setting would be made again by the engine's first
// drawing call inside it; made under the engine's setting it is made once, and the same.
class TEngineClipHints {
 public:
  TEngineClipHints(const TDiagramDrawInfo& AInfo, TDgrPaintEngine* AEngine)
      : FPainter(AInfo.Canvas && AEngine ? AInfo.Canvas->GetHandle() : nullptr) {
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

void TCustomDiagramBlock::BuildDrawPath(TDgrGraphicsPath* APath, TDgrBlockDrawer* ADrawer) {
  TPathOutline outline(*APath, *ADrawer);
  BuildOutline(outline);
  outline.Finish();
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

// The body through the engine drawer: the block's transparency on every brush and pen,
// the shadow's combined with it, pictures drawn as engine graphics kept by the block.
class TEngineBlockPainter final : public TBlockPaintBackEnd {
 public:
  TEngineBlockPainter(TCustomDiagramBlock& ABlock, const TDiagramDrawInfo& AInfo,
                      const TDiagramDrawBlockInfo& ABlockInfo)
      : FBlock(ABlock),
        FInfo(AInfo),
        FBlockInfo(ABlockInfo),
        FDrawer(AInfo.DgrDrawer),
        FCanvas(FDrawer->GetCanvas()),
        FPen(FCanvas->GetPen()),
        FBrush(FCanvas->GetBrush()) {}

  void Shadow(const TBlockShadow& AShadow) override {
    FPen->SetTransparency(100);
    FBrush->SetBrushMode(bmSolid);
    FBrush->SetColor(AShadow.GetColor());
    FBrush->SetTransparency(ShadowPaintTransparency(AShadow.GetTransparency(), FBlock.GetTransparency()));
    const TSquare r = FDrawer->GetDestRect();
    FDrawer->SetDestRect(OffsetSquare(r, AShadow.GetHOffset(), AShadow.GetVOffset()));
    FBlock.DrawShape(FInfo, FBlockInfo);
    FDrawer->SetDestRect(r);
  }
  void Fill(TColor AColor) override {
    FPen->SetTransparency(100);
    FBrush->SetBrushMode(bmSolid);
    FBrush->SetColor(AColor);
    FBrush->SetTransparency(FBlock.GetTransparency());
    FBlock.DrawShape(FInfo, FBlockInfo);
  }
  void Gradient(const TDiagramGradient& AGradient) override {
    FBrush->SetTransparency(FBlock.GetTransparency());
    if (TDgrGraphicsPath* path = FBlock.GetTempPath()) {
      // Laid out over the block's rectangle and painted through the block's outline: the
      // pixels of the rectangle clipped to the outline, without building a clip for every
      // block on every paint.
      FPen->SetTransparency(100);
      FBrush->SetBrushMode(bmGradient);
      FBrush->SetGradientMode(static_cast<TDgrGradientMode>(AGradient.GetDirection()));
      FBrush->SetColor(AGradient.GetStartColor());
      FBrush->SetColor2(AGradient.GetEndColor());
      path->Reset();
      FBlock.BuildOutlinePath(path, FDrawer);
      FCanvas->Path(path);
    } else {
      const TEngineClipHints hints(FInfo, FBlock.GetPassEngine());
      FBlock.ClipToBlock(FInfo);
      DrawGradientOnEngine(AGradient, FDrawer, nullptr);
      FBlock.UnclipBlock(FInfo);
    }
  }
  void Pattern(TBrush* ABrush) override {
    FPen->SetTransparency(100);
    FBrush->Assign(ABrush);
    FBlock.DrawShape(FInfo, FBlockInfo);
  }
  void BeginPictures() override {
    FHints.emplace(FInfo, FBlock.GetPassEngine());
    FBlock.ClipToBlock(FInfo);
    // Pictures turn with the block: the canvas is turned about the block's centre for them.
    FCanvas->SaveDrawingState();
    if (FBlock.GetAngle() != 0) FCanvas->RotateTransform(FBlock.GetAngle(), FDrawer->GetRotationCenter());
  }
  void Picture(int ASlot, TGraphic* AGraphic, int AMode) override {
    TDgrGraphic* graphic = FBlock.EngineGraphic(ASlot, AGraphic);
    const bool keyed = graphic->GetTransparent();
    const int transparency = FBlock.GetTransparency();
    PlacePicture(AMode, FDrawer->GetDestRect(), graphic->GetWidth(), graphic->GetHeight(), false,
                 [&](const TSquare& R) { FCanvas->StretchDraw(R, graphic, transparency, keyed); });
  }
  void EndPictures() override {
    FCanvas->RestoreDrawingState();
    FBlock.UnclipBlock(FInfo);
    FHints.reset();
  }
  void Outline(TPen* APen) override {
    FPen->Assign(APen);
    // A clear platform pen has made the engine pen invisible; the block's transparency must
    // not bring it back.
    if (APen->GetStyle() != psClear) FPen->SetTransparency(FBlock.GetTransparency());
    FBrush->SetBrushMode(bmClear);
    FBlock.DrawShape(FInfo, FBlockInfo);
  }

 private:
  TCustomDiagramBlock& FBlock;
  const TDiagramDrawInfo& FInfo;
  const TDiagramDrawBlockInfo& FBlockInfo;
  TDgrBlockDrawer* FDrawer;
  TDgrCanvas* FCanvas;
  TDgrPen* FPen;
  TDgrBrush* FBrush;
  std::optional<TEngineClipHints> FHints;
};

void TCustomDiagramBlock::DrawBlockOnEngine(const TDiagramDrawInfo& AInfo, const TDiagramDrawBlockInfo& ABlockInfo) {
  TEngineBlockPainter painter(*this, AInfo, ABlockInfo);
  PaintBody(painter);
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

}  // namespace tarnwick
