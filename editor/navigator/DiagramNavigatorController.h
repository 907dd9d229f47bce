#pragma once
// TDiagramNavigatorController: the state and the arithmetic of the navigator. It scales the
// diagram's extent into the navigator's pixels, paints the miniature and the rectangle of
// the visible area, and turns presses and drags in navigator pixels into scroll positions
// and zoom rectangles of the diagram. The navigator widget (DiagramNavigator.h) is a thin
// shell around it.
//
// A navigator with no room (a collapsed dock) or a diagram without extent has no scale:
// it then paints only its own colour and ignores the mouse, so no division by zero ever
// reaches a scroll position.
#include <functional>
#include <memory>

#include "geometry/Dot.h"
#include "platform/core/Colors.h"
#include "platform/core/Types.h"

class QPainter;

namespace tarnwick {

class TdvDiagram;
class TNavigatorSubscriber;

enum TDiagramNavigatorBlockShape { nbsOriginal, nbsRectangle };
enum TDiagramNavigatorState { nsNormal, nsMoving, nsZoom };
enum TDiagramNavigatorHighlightRegion { nhrOutside, nhrInside, nhrBorder };

class TDiagramNavigatorController {
 public:
  TDiagramNavigatorController();
  ~TDiagramNavigatorController();
  TDiagramNavigatorController(const TDiagramNavigatorController&) = delete;
  TDiagramNavigatorController& operator=(const TDiagramNavigatorController&) = delete;

  TdvDiagram* GetDiagram() const { return FDiagram; }
  // Subscribes to the diagram's engine changes; the navigator widget adds the paint hook
  // and the destruction notice.
  void SetDiagram(TdvDiagram* Value);

  TColor GetBackgroundColor() const { return FBackgroundColor; }
  void SetBackgroundColor(TColor Value) { FBackgroundColor = Value; }
  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  TColor GetHighlightColor() const { return FHighlightColor; }
  void SetHighlightColor(TColor Value) { FHighlightColor = Value; }
  int GetHighlightWidth() const { return FHighlightWidth; }
  // Values of 0 or less become 1.
  void SetHighlightWidth(int Value) { FHighlightWidth = Value <= 0 ? 1 : Value; }
  TDiagramNavigatorBlockShape GetBlockShape() const { return FBlockShape; }
  void SetBlockShape(TDiagramNavigatorBlockShape Value) { FBlockShape = Value; }
  bool GetPaintLines() const { return FPaintLines; }
  void SetPaintLines(bool Value) { FPaintLines = Value; }
  bool GetEnableZoom() const { return FEnableZoom; }
  void SetEnableZoom(bool Value) { FEnableZoom = Value; }

  // Scale factors from diagram units to navigator pixels; (0, 0) without a scale.
  TDot GetOffset() const { return FOffset; }
  // The visible area in navigator pixels; empty when everything is visible.
  const TSquare& GetHighlightRect() const { return FHighlightRect; }
  // The miniature's area, top-left at 0, 0.
  const TSquare& GetPaintArea() const { return FPaintArea; }
  TDiagramNavigatorState GetState() const { return FState; }
  // A diagram, room to paint and an extent to scale: the mouse works only then.
  bool HasScale() const { return FOffset.X > 0 && FOffset.Y > 0; }

  // The diagram's width and height in diagram units as the miniature shows them.
  TDot DiagramExtent() const;
  // Fits the extent into AWidth x AHeight pixels and sets the scale; false (and no scale)
  // when either side is empty.
  bool ComputePaintArea(int AWidth, int AHeight);
  // Fills the control with Color, then (with a diagram and a scale) the miniature, its
  // blocks and lines, and the highlight rectangle.
  void PaintTo(QPainter& APainter, int AWidth, int AHeight);
  // Recomputes the scale and the highlight rectangle without painting, as a paint would.
  void UpdateGeometry(int AWidth, int AHeight);

  TDiagramNavigatorHighlightRegion PointInHighlightRect(int AX, int AY) const;
  void StartMoving(int AX, int AY);
  void MoveTo(int AX, int AY);
  void EndMoving();
  void StartZoom(int AX, int AY);
  void ZoomTo(int AX, int AY);
  void EndZoom();

  // Asked for when the diagram's drawing engine changed (the miniature looks different).
  std::function<void()> OnChange;

 private:
  friend class TNavigatorSubscriber;

  void DrawBlocks(QPainter& APainter) const;
  void DrawLines(QPainter& APainter) const;
  void ComputeHighlight();
  void DrawHighlight(QPainter& APainter) const;
  void ScrollTo(int AX, int AY);

  TdvDiagram* FDiagram = nullptr;
  std::shared_ptr<TNavigatorSubscriber> FSubscriber;
  TColor FBackgroundColor = 0xFFFFFF;
  TColor FColor = clBtnFace;
  TColor FHighlightColor = 0x0000FF;
  TDiagramNavigatorBlockShape FBlockShape = nbsOriginal;
  bool FPaintLines = true;
  bool FEnableZoom = false;
  int FHighlightWidth = 2;
  TSquare FNavigatorArea{};
  TSquare FPaintArea{};
  TDot FOffset{0, 0};
  TSquare FHighlightRect{};
  TPoint FStartPoint{0, 0};
  TPoint FStartScroll{0, 0};
  TDiagramNavigatorState FState = nsNormal;
};

}  // namespace tarnwick
