// The diagram's selection methods, handed to its selection.
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramSelection.h"

namespace tarnwick {

TDiagramControl* TdvDiagram::GetSelecteds(int Index) const { return FSelection->FSelecteds[Index]; }
int TdvDiagram::SelectedCount(TDiagramControlFilter AFilter) const { return FSelection->Count(AFilter); }
int TdvDiagram::SelectedBlockCount(TDiagramControlFilter AFilter) const { return FSelection->BlockCount(AFilter); }
int TdvDiagram::SelectedLinkCount() const { return FSelection->LinkCount(); }
void TdvDiagram::SelectAll() { FSelection->SelectAll(); }
void TdvDiagram::UnselectAll() { FSelection->UnselectAll(); }
void TdvDiagram::UnselectInvisibleControls() { FSelection->UnselectInvisible(); }
void TdvDiagram::BeginUpdateSel() { FUpdates->Enter(ukSelection); }
void TdvDiagram::EndUpdateSel() { FUpdates->Leave(ukSelection); }
void TdvDiagram::DControlSelected(TDiagramControl* AControl) { FSelection->Selected(AControl); }
void TdvDiagram::DControlUnselected(TDiagramControl* AControl) { FSelection->Unselected(AControl); }
void TdvDiagram::SetGroupSelected(TDiagramControl* AControl, bool AValue) {
  FSelection->SetGroupSelected(AControl, AValue);
}
bool TdvDiagram::IsShowingGroupSelection() const { return FSelection->IsShowingGroupSelection(); }
TDiagramControl* TdvDiagram::GetSelBlockControl() const { return FSelection->FSelBlock; }

void TdvDiagram::DesignEvent(TDiagramEventType AType) {
  if (OnDesignEvent) OnDesignEvent(this, AType, 0);
}

}  // namespace tarnwick
