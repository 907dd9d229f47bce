#pragma once
// TDiagramBackground: what is painted under the drawing: a gradient and a picture (or a
// bitmap), tiled or stretched once, moving with the drawing or fixed to the window.
#include <cstdint>

#include "diagram/view/DiagramTypes.h"
#include "geometry/Dot.h"
#include "platform/core/Object.h"
#include "platform/core/Persistent.h"
#include "platform/core/TypeInfo.h"

namespace tarnwick {

class TBitmap;
class TCanvas;
class TDiagramGradient;
class TGraphic;
class TPicture;
class TdvDiagram;

enum TBackImageStyle { biTile, biFixed };

const TEnumTypeInfo& BackImageStyleType();

class TDiagramBackground : public TPersistent {
  TARNWICK_CLASS(TDiagramBackground)

 public:
  explicit TDiagramBackground(TdvDiagram* ADiagram = nullptr);
  ~TDiagramBackground() override;

  // Bitmap, Picture, Style and Gradient, then one repaint; Scroll, Visible and
  // PrintGradient stay the target's.
  void Assign(TPersistent* Source) override;

  TPicture* GetPicture() const { return FPicture.get(); }
  // Copies the given picture (nullptr empties it).
  void SetPicture(TPicture* Value);
  TBitmap* GetBitmap() const { return FBitmap.get(); }
  // Copies the given bitmap (nullptr empties it).
  void SetBitmap(TBitmap* Value);
  TBackImageStyle GetStyle() const { return FStyle; }
  void SetStyle(TBackImageStyle Value);
  // True: the picture moves with the drawing; False: it stays in the window's corner.
  bool GetScroll() const { return FScroll; }
  void SetScroll(bool Value);
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);
  TDiagramGradient* GetGradient() const { return FGradient.get(); }
  void SetGradient(TDiagramGradient* Value);
  // True: the gradient is painted in preview and print passes too.
  bool GetPrintGradient() const { return FPrintGradient; }
  void SetPrintGradient(bool Value);

  TdvDiagram* GetDiagram() const { return FDiagram; }

  // Paints the gradient (when the pass paints it) over the paint clip, then the image
  // stretched once (biFixed) or tiled from the diagram origin over the clip (biTile). With
  // Scroll off, on screen, the image starts in the window's corner next to the rulers.
  // Nothing without a diagram. The canvas pen and brush are as they were afterwards.
  void Draw(TCanvas& Canvas);
  // A tiling needing more copies than this is not painted, so that a paint always ends
  // quickly: each copy is an image draw of its own.
  static constexpr int64_t MaxTiles = 250000;

  // The image painted: the picture's graphic when the picture holds a non-empty one, else
  // the bitmap when it is not empty, else none.
  TGraphic* Image() const;
  // Whether a pass paints the gradient: a visible gradient on screen and bitmap passes,
  // and on preview and print passes too with PrintGradient.
  bool PaintsGradient(TPaintStyle APass) const;

 private:
  void RequestRedraw();

  TOwned<TPicture> FPicture;
  TdvDiagram* FDiagram;
  TOwned<TBitmap> FBitmap;
  TBackImageStyle FStyle = biTile;
  bool FScroll = true;
  bool FVisible = false;
  TOwned<TDiagramGradient> FGradient;
  bool FPrintGradient = false;
};

// The copies of a tiled background image that cover a clip rectangle. Copy (c, r) is Tile
// moved by c widths right and r heights down; copies are laid while a copy's left (top)
// edge is not beyond the clip's right (bottom) edge, and never left of or above Tile.
// Copies wholly left of or above the clip are skipped (FirstCol, FirstRow), as they cover
// nothing. A copy less than a pixel wide or high is not tiled at all: it could not show
// the picture and would need a copy per fraction of a pixel.
struct TTileGrid {
  TSquare First;
  double StepX = 0.0;
  double StepY = 0.0;
  int FirstCol = 0;
  int FirstRow = 0;
  int EndCol = 0;  // exclusive
  int EndRow = 0;  // exclusive
  bool Empty() const { return EndCol <= FirstCol || EndRow <= FirstRow; }
  TSquare Tile(int Col, int Row) const;
};

TTileGrid LayTiles(const TSquare& Tile, const TSquare& Clip) noexcept;

}  // namespace tarnwick
