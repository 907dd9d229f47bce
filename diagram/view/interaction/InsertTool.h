#pragma once
// Placing a pending control: a press starts it (a line at a link point under the
// pointer), dragging previews it and the release inserts it; a release within 10 units of
// the press is a click, which gives the control its default size. Connecting out of a
// link point is the same operation with a line of the connection class.
#include "diagram/model/DiagramControlTypes.h"
#include "diagram/view/interaction/DiagramTool.h"

namespace tarnwick {

class TDiagramControl;
class TLinkPoint;

class TInsertTool : public TDiagramTool {
 public:
  using TDiagramTool::TDiagramTool;
  bool Serves(TMouseState AState) const override { return AState == msToInsert || AState == msInserting; }
  void MouseDown(TMouseButton Button, TShiftState Shift, TPoint APos) override;
  void MouseMove(TShiftState Shift, TPoint APos) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, TPoint APos) override;
  void Cancel() override;
  void PaintOverlay(TCanvas& ACanvas) override;

  // A connection line may start at a link point here.
  bool CanLinkAt(TDot Pos);
  // Creates a connection line and starts placing it from the link point at Pos.
  void StartLink(TDot Pos);
  TControlInsertInfo FillInsertInfo(TControlInsertAction AAction, TPoint APos);
  // Frees the pending control.
  void ReleasePendingInsert();
  // The link point a new line starts from; a block that makes link points where they are
  // needed gets one at Pos. Null when none is accepted.
  TLinkPoint* StartLinkPoint(TDot Pos);
  // Drops a link point made for a start that came to nothing.
  void DropCreatedLinkPoint();
  // The start succeeded: a link point made for it now belongs to the new control.
  void KeepCreatedLinkPoint() { FCreatedLinkPoint = nullptr; }
  // The pointer shows a link cursor over a place where the pending line could start (or,
  // with ATarget, end).
  bool LineCanAnchorAt(TDot Pos, bool ATarget);

 private:
  bool InsertStep(TPoint APos);
  void EndInsert(TPoint APos, bool ACancel);

  TControlInsertInfo FControlInsertInfo;
  TLinkPoint* FCreatedLinkPoint = nullptr;
};

}  // namespace tarnwick
