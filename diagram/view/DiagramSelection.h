#pragma once
// The diagram's selection: the selected controls in the order they were selected, the
// counts with group filters, selecting in bulk, and the selection block that stands for a
// group selection.
#include "diagram/model/SelectionBlock.h"
#include "diagram/view/DiagramTypes.h"
#include "geometry/Dot.h"
#include "platform/core/List.h"

namespace tarnwick {

class TDiagramControl;
class TdvDiagram;

class TDiagramSelection {
 public:
  explicit TDiagramSelection(TdvDiagram& ADiagram) : FDiagram(ADiagram) {}
  TDiagramSelection(const TDiagramSelection&) = delete;
  TDiagramSelection& operator=(const TDiagramSelection&) = delete;

  int Count(TDiagramControlFilter AFilter) const;
  int BlockCount(TDiagramControlFilter AFilter) const;
  int LinkCount() const;
  void SelectAll();
  void UnselectAll();
  void UnselectInvisible();
  // A control joining the diagram already selected.
  void Adopt(TDiagramControl* AControl);
  // A control leaving the diagram.
  void Forget(TDiagramControl* AControl) { FSelecteds.Remove(AControl); }
  void Selected(TDiagramControl* AControl);
  void Unselected(TDiagramControl* AControl);
  void SetGroupSelected(TDiagramControl* AControl, bool AValue);
  bool IsShowingGroupSelection() const;
  bool SelBlockInUse() const { return FSelBlock && IsShowingGroupSelection(); }

  // The selection block: made once the diagram is complete, freed before its controls.
  // It sits on the diagram (so its handles map through the diagram's coordinates) without
  // joining the control lists.
  void CreateSelBlock();
  void FreeSelBlock();
  // The box around the selected controls not treated as members (blocks only, or lines
  // as well), measured in a frame turned by AAngle degrees about the points' mean and
  // then carried along the turn; (2147483647, 2147483647, 0, 0) for no selection.
  TSquare Bounds(bool ABlocksOnly, double AAngle) const;
  // Fits the selection block to the selection: its angle follows a single selected
  // block, and while it is in use its rectangle encloses the selection.
  void FitSelBlock();

  TList<TDiagramControl*> FSelecteds;
  TSelectionBlock* FSelBlock = nullptr;

 private:
  TdvDiagram& FDiagram;
};

}  // namespace tarnwick
