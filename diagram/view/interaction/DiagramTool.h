#pragma once
// A mouse tool of the diagram. Each family of mouse states (browsing; selecting and
// moving; resizing and rotating; inserting; drawing; connecting; the rubber band; panning
// and zooming) is one tool object, and the diagram forwards its window's input to the tool
// serving the current mouse state. Positions are canvas pixels, as the window reports them.
#include <cstdint>

#include "diagram/view/DiagramTypes.h"
#include "geometry/Dot.h"
#include "platform/core/ShiftState.h"
#include "platform/core/Types.h"

namespace tarnwick {

class TCanvas;
class TDiagramSelection;
class TDiagramTools;
class TDiagramViewport;
class TdvDiagram;

class TDiagramTool {
 public:
  explicit TDiagramTool(TdvDiagram& ADiagram) : FDiagram(ADiagram) {}
  virtual ~TDiagramTool() = default;
  TDiagramTool(const TDiagramTool&) = delete;
  TDiagramTool& operator=(const TDiagramTool&) = delete;

  // The mouse states this tool serves.
  virtual bool Serves(TMouseState AState) const = 0;
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, TPoint APos);
  virtual void MouseMove(TShiftState Shift, TPoint APos);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, TPoint APos);
  // True when the tool used the wheel.
  virtual bool MouseWheel(TShiftState Shift, int WheelDelta, TPoint APos);
  // True when the tool used the key.
  virtual bool KeyDown(uint16_t& Key, TShiftState Shift);
  // Drops whatever the tool is in the middle of (Escape, losing the mouse, a new tool).
  virtual void Cancel();
  // Feedback of a drag in progress, painted over the finished window picture: Qt paints
  // only inside paint events and has no inverting pen, so outlines are kept as state and
  // drawn on every repaint instead of being drawn and erased on the window directly.
  virtual void PaintOverlay(TCanvas& ACanvas);

 protected:
  TdvDiagram& Diagram() const { return FDiagram; }
  TDiagramViewport& Viewport() const;
  TDiagramSelection& Selection() const;
  TDiagramTools& Tools() const;
  // The pointer in diagram units.
  TDot ClientPos(TPoint APos) const;
  void SetState(TMouseState AState) const;
  TMouseState State() const;
  // Paints the window now, so a selection change shows before a drag starts.
  void RepaintNow() const;

 private:
  TdvDiagram& FDiagram;
};

}  // namespace tarnwick
