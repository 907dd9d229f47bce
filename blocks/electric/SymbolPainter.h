#pragma once
// Symbols drawn as fixed strokes rather than as an outline: their figures are stated once
// in source coordinates and painted on either back end, turned and mirrored with the block.
#include <functional>
#include <span>

#include "diagram/model/CustomBlock.h"
#include "diagram/model/GraphicLib.h"
#include "graphics/DgrPath.h"

namespace tarnwick {

// Receives the figures of a symbol in its source coordinates. Strokes of one figure are
// joined, so a figure that jumps between two segments draws the joining stroke too.
class TSymbolSink {
 public:
  virtual ~TSymbolSink() = default;
  // Ends the current figure; what follows starts a new one.
  virtual void NewFigure() = 0;
  // Continues the current figure through the points.
  virtual void Lines(std::span<const TDot> APoints) = 0;
  // Continues the current figure with an arc of the ellipse inscribed in ABox; degrees,
  // clockwise on the screen from +x.
  virtual void Arc(const TSquare& ABox, double AStart, double ASweep) = 0;
  // The ellipse inscribed in ABox, as a closed figure of its own.
  virtual void Circle(const TSquare& ABox) = 0;
  // A closed figure filled and outlined in the pen's colour.
  virtual void Filled(std::span<const TDot> APoints) = 0;
  // The integer canvas draws a few parts differently (heavier plates, solid bars).
  virtual bool Legacy() const = 0;
  // The pen width of the strokes that follow, on the integer canvas only; 0 restores the
  // block's pen.
  virtual void LegacyPenWidth(int AWidth) = 0;

  void Lines(std::initializer_list<TDot> APoints) { Lines(std::span<const TDot>(APoints.begin(), APoints.size())); }
  void Filled(std::initializer_list<TDot> APoints) { Filled(std::span<const TDot>(APoints.begin(), APoints.size())); }
  // A figure of its own through the points.
  void Figure(std::initializer_list<TDot> APoints) {
    NewFigure();
    Lines(APoints);
  }
};

// A terminal of a symbol, in its source coordinates.
struct TSymbolLinkPoint {
  TAnchorOrientation Orientation;
  TDot At;
};

// The parts of a symbol every class sets the same way: its source rectangle, default size
// and terminals.
struct TSymbolLayout {
  TSquare Source;
  double Width;
  double Height;
  std::span<const TSymbolLinkPoint> LinkPoints;
};

// The engine path of a symbol, made by the engine that paints it and kept between paints.
class TSymbolPathCache {
 public:
  // The path for the engine drawing now: the kept one, or a new one when there is none or
  // it was made by another engine.
  TDgrGraphicsPath* For(TDgrBlockDrawer& ADrawer, TDgrGraphicLib ALib);
  // A legacy paint needs no engine path.
  void Drop() { FPath.reset(); }
  TDgrGraphicsPath* Path() const { return FPath.get(); }
  TDgrGraphicLib Lib() const { return FLib; }

 private:
  TOwned<TDgrGraphicsPath> FPath;
  TDgrGraphicLib FLib = dglGDI;
};

// Paints a symbol's figures on whichever back end AInfo names. AFigures adds them.
void PaintSymbol(TCustomDiagramBlock& ABlock, const TDiagramDrawInfo& AInfo, TDgrGraphicsPath* APath,
                 const std::function<void(TSymbolSink&)>& AFigures);

}  // namespace tarnwick
