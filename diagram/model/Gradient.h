#pragma once
// TDiagramGradient: the two-colour fill of a block body or of the diagram background, and
// the band layout used to paint it on the integer canvas when no drawing engine is in use.
#include <array>

#include "diagram/model/DiagramPersistent.h"
#include "geometry/Dot.h"
#include "platform/core/Colors.h"
#include "platform/core/Object.h"
#include "platform/core/TypeInfo.h"
#include "platform/core/Types.h"

namespace tarnwick {

class TBlockDrawer;
class TDgrBlockDrawer;
class TCanvas;
class TdvDiagram;

// Where the start colour lies. The engine brush's gradient modes have the same members in
// the same order, so a direction converts to the mode of equal ordinal.
enum TGradientDirection {
  grTopBottom,
  grBottomTop,
  grLeftRight,
  grRightLeft,
  grLeftTop,
  grRightTop,
  grLeftBottom,
  grRightBottom,
  grInOut,
  grOutIn,
  grHorzInOut,
  grHorzOutIn,
  grVertInOut,
  grVertOutIn
};

const TEnumTypeInfo& GradientDirectionType();

class TDiagramGradient : public TDiagramPersistent {
  TARNWICK_CLASS(TDiagramGradient)

 public:
  // A block passes itself and no diagram; the diagram background passes no control and
  // the diagram; editors' working copies pass neither.
  explicit TDiagramGradient(TDiagramControl* ADControl = nullptr, TdvDiagram* ADiagram = nullptr);
  ~TDiagramGradient() override;

  // From another gradient: StartColor, EndColor, Direction and Visible through the
  // setters, in that order. Any other source is ignored without an error.
  void Assign(TPersistent* Source) override;
  // The diagram's repaint request when the gradient belongs to a diagram, otherwise the
  // owning control's.
  void Changed() override;

  TGradientDirection GetDirection() const { return FDirection; }
  void SetDirection(TGradientDirection Value);
  TColor GetStartColor() const { return FStartColor; }
  void SetStartColor(TColor Value);
  TColor GetEndColor() const { return FEndColor; }
  void SetEndColor(TColor Value);
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);

  // Paints the gradient as bands on the integer canvas over ARect (canvas pixels), turned
  // by AAngle degrees about ARect's centre. Leaves the canvas pen clear and the brush in
  // the last band colour; callers that need their pen and brush back save them.
  void DrawGradient(TCanvas& Canvas, const TSquare& ARect, double AAngle);
  // Through an engine drawer: the brush lays the colours out over the drawer's destination
  // rectangle and turns them with it (GradientEngine.cpp).
  void DrawGradient(TDgrBlockDrawer* ADrawer) const;

  TdvDiagram* GetDiagram() const { return FDiagram; }
  // The private frame the band painter turns its rectangles with, made when the bands are
  // first painted on a canvas: engine painting and unpainted blocks never need it.
  TBlockDrawer* GetDrawer() const;

 private:
  template <class T>
  void Store(T& Field, T Value);

  TGradientDirection FDirection = grTopBottom;
  TColor FStartColor = clWhite;
  TColor FEndColor = clYellow;
  mutable TOwned<TBlockDrawer> FDrawer;
  bool FVisible = false;
  TdvDiagram* FDiagram;
};

// Up to four rectangles, relative to the painted rectangle's top-left corner, in the
// order they are filled.
struct TGradientRects {
  std::array<TRect, 4> Rects{};
  int Count = 0;
};

// The band layout of a gradient on the integer canvas: N bands of interpolated colour
// (later bands over earlier ones), then closing rectangles in the last colour over what
// the truncated steps may leave uncovered. Computed per band, so painting a large
// rectangle never builds the whole list.
class TGradientBands {
 public:
  // Width and height are the rounded sides of the rectangle painted.
  TGradientBands(TGradientDirection Direction, int Width, int Height, TColor StartColor, TColor EndColor);
  static TGradientBands ForRect(TGradientDirection Direction, const TSquare& ARect, TColor StartColor, TColor EndColor);

  int Width() const { return FW; }
  int Height() const { return FH; }
  // N = max(W div 2, H div 2); 0 (a rectangle below 2 on both sides) paints nothing.
  int Count() const { return FN; }
  // The band painter starts with the end colour for the directions whose start colour
  // lies at the bottom, right, centre or middle line, so both painting paths put the
  // start colour in the same place.
  TColor FirstColor() const { return FFirst; }
  TColor LastColor() const { return FLast; }
  double ColStep() const { return FColStep; }
  double RowStep() const { return FRowStep; }

  TColor BandColor(int Band) const;
  TGradientRects BandRects(int Band) const;
  TGradientRects ClosingRects() const;

  // A relative rectangle as canvas coordinates inside ARect, one unit larger on the right
  // and bottom because a rectangle filled without a pen leaves those edges out.
  static TRect ToCanvas(const TRect& R, const TSquare& ARect);

 private:
  TGradientDirection FDirection;
  int FW;
  int FH;
  int FN;
  double FColStep = 0.0;
  double FRowStep = 0.0;
  TColor FFirst;
  TColor FLast;
};

// More bands than this are painted as a coarser layout stretched over the rectangle: a
// band per two pixels of a huge rectangle would take seconds, and neighbouring bands of a
// layout this fine already share their colour.
inline constexpr int MaxGradientBands = 8192;

// True for the directions whose band painting starts with the end colour.
bool GradientBandsReversed(TGradientDirection Direction) noexcept;

}  // namespace tarnwick
