#pragma once
// The rubber band: a rectangle dragged over empty space selects every control it touches.
// While the pointer is outside the window a timer scrolls towards it every 300 ms, the
// start corner staying on the same diagram point.
#include <QTimer>
#include <memory>

#include "diagram/view/interaction/DiagramTool.h"

namespace tarnwick {

class TRubberBandTool : public TDiagramTool {
 public:
  explicit TRubberBandTool(TdvDiagram& ADiagram);
  ~TRubberBandTool() override;
  bool Serves(TMouseState AState) const override { return AState == msSelecting; }
  void MouseMove(TShiftState Shift, TPoint APos) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, TPoint APos) override;
  void Cancel() override;
  void PaintOverlay(TCanvas& ACanvas) override;

  void Begin(TPoint APos);
  // Selects what the rectangle (diagram units) catches: blocks whose outline it touches,
  // lines with a point inside it; a member stands for its outermost group.
  void SelectInRect(const TSquare& ARect);
  bool TimerActive() const { return FSelectTimer.isActive(); }
  // The auto-scroll timer, for a test to deliver its tick as the event loop would.
  QTimer& AutoScrollTimer() { return FSelectTimer; }
  // Canvas pixels; all zero when no band is shown.
  const TRect& CurRect() const { return FCurRect; }
  void AutoScrollTick();
  void FocusLost();

 private:
  void UpdateRubberBand(TPoint APos, bool AShow);
  void EndRubberBand();

  QTimer FSelectTimer;
  // Losing the keyboard focus ends the band, so the timer cannot scroll on behind a
  // dialog that took the focus.
  std::unique_ptr<QObject> FFocusWatch;
  TRect FCurRect{};
};

}  // namespace tarnwick
