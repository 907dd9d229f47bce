#pragma once
// A mouse tool of the diagram. Each family of mouse states (browsing; selecting and
// moving; resizing and rotating; inserting; drawing; connecting; the rubber band; panning
// and zooming) is one tool object, and the diagram forwards its window's input to the tool
// serving the current mouse state. Positions are canvas pixels, as the window reports them.
#include <cstdint>

#include "diagram/view/DiagramTypes.h"
#include "platform/core/ShiftState.h"
#include "platform/core/Types.h"

namespace tarnwick {

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

 protected:
  TdvDiagram& Diagram() const { return FDiagram; }
  TDiagramViewport& Viewport() const;

 private:
  TdvDiagram& FDiagram;
};

}  // namespace tarnwick
