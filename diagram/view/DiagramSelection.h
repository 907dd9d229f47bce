#pragma once
// The diagram's selection: the selected controls in the order they were selected, the
// counts with group filters, selecting in bulk, and the selection block that stands for a
// group selection.
#include "diagram/view/DiagramTypes.h"
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

  TList<TDiagramControl*> FSelecteds;
  // The selection block arrives with the group classes; until then there is none.
  TDiagramControl* FSelBlock = nullptr;

 private:
  TdvDiagram& FDiagram;
};

}  // namespace tarnwick
