#pragma once
// The diagram's paint pipeline: one routine paints the diagram onto the window, a preview
// or print page, or an exported image, in a fixed order of layers. It keeps what a pass
// needs while it runs (the painting flag, the pass's clip, the controls of an export band)
// and the drag snapshot a repaint copies instead of painting everything again.
#include <optional>
#include <vector>

#include "diagram/view/DiagramTypes.h"
#include "geometry/Dot.h"
#include "platform/core/List.h"
#include "platform/core/Object.h"

namespace tarnwick {

class TBitmap;
class TCanvas;
class TDgrPaintEngine;
class TDiagramControl;
class TdvDiagram;

class TDiagramPainter {
 public:
  explicit TDiagramPainter(TdvDiagram& ADiagram);
  ~TDiagramPainter();
  TDiagramPainter(const TDiagramPainter&) = delete;
  TDiagramPainter& operator=(const TDiagramPainter&) = delete;

  void PaintAs(TCanvas& ACanvas, TPaintStyle AStyle, TDot AOffset);
  // The body of TdvDiagram::DrawDiagram.
  void DrawDiagram(TCanvas& ACanvas);
  TSquare PaintClipSquare(TCanvas& ACanvas) const;
  void BuildCache();
  void PaintBorder(TCanvas& ACanvas);

  bool FPainting = false;
  bool FUseCache = false;
  // The controls the normal passes paint instead of all of them; nullptr paints all.
  const TList<TDiagramControl*>* FPaintList = nullptr;
  // Between the two calls (an export painting its bands), which controls are in a cursor
  // state is looked up once, not at every band: no control's state changes meanwhile.
  void BeginBands();
  void EndBands();
  // The band an export renders: controls outside it are not painted.
  std::optional<TSquare> FExportBand;

 private:
  // The controls that may be in a cursor state: all of them, or, between BeginBands and
  // EndBands, those found in one at the start. An export paints hundreds of bands, and
  // looking through every control of a large drawing at each band made the whole export
  // grow with the square of the drawing.
  const std::vector<TDiagramControl*>& CursorCandidates() const;
  std::vector<TDiagramControl*> FCursorCandidates;
  bool FCursorCandidatesKnown = false;
  void PaintControlPasses(TCanvas& ACanvas, TDgrPaintEngine* AEngine);
  void PaintTree(TCanvas& ACanvas, TDiagramControl* AControl, bool APreviewMask, TDgrPaintEngine* AEngine);
  void DrawHandleTree(TCanvas& ACanvas, TDiagramControl* AControl);
  void DrawSelBlockHandles(TCanvas& ACanvas);
  void RulersPass(TCanvas& ACanvas, bool ADrawGrid);
  void DrawPageLines(TCanvas& ACanvas);
  TRect PaintEngineRect(TCanvas& ACanvas);
  void SetupEngineTransform(TDgrPaintEngine& AEngine);

  TdvDiagram& FDiagram;
  TOwned<TBitmap> FCacheImage;
  bool FDoingCache = false;
  // The clip square of the control passes in progress on one canvas: the same for every
  // control of a pass, and asking the canvas once per control costs as much as the test
  // it serves. A paint nested in a control's paint (another canvas) measures its own.
  const TCanvas* FPassClipCanvas = nullptr;
  TSquare FPassClip;
};

}  // namespace tarnwick
