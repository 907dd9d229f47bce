// The diagram's painting methods, handed to its paint pipeline, and the drawing hooks
// through which controls ask the application.
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramPainter.h"

namespace tarnwick {

void TdvDiagram::PaintAs(TCanvas& ACanvas, TPaintStyle AStyle, TDot AOffset) {
  FPainter->PaintAs(ACanvas, AStyle, AOffset);
}
void TdvDiagram::DrawDiagram(TCanvas& ACanvas) { FPainter->DrawDiagram(ACanvas); }
bool TdvDiagram::IsPainting() const { return FPainter->FPainting; }
void TdvDiagram::SetPaintList(const TList<TDiagramControl*>* AList) { FPainter->FPaintList = AList; }

void TdvDiagram::SetPaintingBands(bool AOn) {
  if (AOn)
    FPainter->BeginBands();
  else
    FPainter->EndBands();
}
void TdvDiagram::BuildCache() { FPainter->BuildCache(); }
void TdvDiagram::DropCache() { FPainter->FUseCache = false; }
bool TdvDiagram::UsingCache() const { return FPainter->FUseCache; }
TSquare TdvDiagram::PaintClipSquare(TCanvas& ACanvas) { return FPainter->PaintClipSquare(ACanvas); }

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
