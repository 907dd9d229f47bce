#pragma once
// A block's outline, stated once as a few figure commands in the block's original
// coordinates, and the three consumers of that statement: the legacy canvas draws it
// through the rotated drawing frame, the engines fill and stroke it as a path, and hit
// testing and clipping take it as a polygon in diagram units. A block class states its
// outline by overriding TCustomDiagramBlock::BuildOutline; painting on both paths, hit
// testing and clipping then follow from that one statement.
#include <span>

#include "diagram/model/BlockShapes.h"
#include "geometry/Dot.h"

namespace tarnwick {

class TBlockDrawer;
class TDgrBlockDrawer;
class TDgrGraphicsPath;

// Receives the figures of an outline. Rectangles are in the block's original coordinates.
class TOutlineSink {
 public:
  virtual ~TOutlineSink() = default;
  virtual void Rectangle(const TSquare& R) = 0;
  virtual void Ellipse(const TSquare& R) = 0;
  // CW, CH: the size of the corner ellipse, in original coordinates (it scales with the
  // block).
  virtual void RoundRect(const TSquare& R, double CW, double CH) = 0;
  // Corners of ACorner diagram units, which stay round whatever the block's proportions.
  // A corner of 0 or less asks for the fullest rounding. The engines keep a corner inside
  // the block: one not below the smaller side becomes half the height there. On the
  // engines this figure is laid on the block directly and only turned, so it makes an
  // outline of its own rather than a part of a larger one.
  virtual void FixedRoundRect(const TSquare& R, double ACorner) = 0;
  // A closed polygon; the first point is not repeated at the end. Curved parts are given
  // flattened (geometry/Curves.h has the flatteners).
  virtual void Polygon(std::span<const TDot> APoints) = 0;
};

// The outline of each built-in shape (bsNoShape states none) over the original rectangle.
void BuildShapeOutline(TBlockShape AShape, TOutlineSink& AOutline, const TSquare& AOriginal, double ACornerRadius);

// The legacy canvas: draws each figure with the frame's canvas pen and brush.
class TCanvasOutline final : public TOutlineSink {
 public:
  // AUnitsX/Y: original units per diagram unit (for fixed corners). Flips mirror the
  // figures inside AOriginal.
  TCanvasOutline(TBlockDrawer& ADrawer, const TSquare& AOriginal, double AUnitsX, double AUnitsY, bool AFlipH,
                 bool AFlipV);
  void Rectangle(const TSquare& R) override;
  void Ellipse(const TSquare& R) override;
  void RoundRect(const TSquare& R, double CW, double CH) override;
  void FixedRoundRect(const TSquare& R, double ACorner) override;
  void Polygon(std::span<const TDot> APoints) override;

 private:
  TBlockDrawer& FDrawer;
  TSquare FOriginal;
  double FUnitsX, FUnitsY;
  bool FFlipH, FFlipV;
};

// The engines: adds the figures to APath in the drawer's source coordinates; Finish takes
// the path onto the block (flip, scale, turn), or only turns it when it holds a fixed-corner
// rectangle, which is laid on the destination directly.
class TPathOutline final : public TOutlineSink {
 public:
  TPathOutline(TDgrGraphicsPath& APath, TDgrBlockDrawer& ADrawer);
  void Rectangle(const TSquare& R) override;
  void Ellipse(const TSquare& R) override;
  void RoundRect(const TSquare& R, double CW, double CH) override;
  void FixedRoundRect(const TSquare& R, double ACorner) override;
  void Polygon(std::span<const TDot> APoints) override;
  void Finish();

 private:
  TDgrGraphicsPath& FPath;
  TDgrBlockDrawer& FDrawer;
  bool FOnDestination = false;
};

// Hit testing and clipping: appends the figures to APts as closed polygons in diagram
// units, mapped from AOriginal onto ABounds and turned by AAngle about the bounds' centre.
// Figures follow one another in one array: the even-odd rule cancels the joining edge,
// which is walked once each way.
class TPolygonOutline final : public TOutlineSink {
 public:
  TPolygonOutline(TDotArray& APts, const TSquare& AOriginal, const TSquare& ABounds, bool AFlipH, bool AFlipV);
  void Rectangle(const TSquare& R) override;
  void Ellipse(const TSquare& R) override;
  void RoundRect(const TSquare& R, double CW, double CH) override;
  void FixedRoundRect(const TSquare& R, double ACorner) override;
  void Polygon(std::span<const TDot> APoints) override;
  // Without any figure the outline is the bounds rectangle, so a borderless block can
  // still be picked; then every point is turned by AAngle.
  void Finish(double AAngle);

 private:
  TSquare ToBounds(const TSquare& R) const;
  TDot ToBounds(TDot P) const;
  // Where the next curved figure is flattened: straight into the outline while it is
  // empty, else into a scratch array that Append copies from.
  TDotArray& Part();
  void Append(const TDotArray& APart);

  TDotArray& FPts;
  TSquare FOriginal, FBounds;
  bool FFlipH, FFlipV;
};

}  // namespace tarnwick
