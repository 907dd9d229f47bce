// Selection as a whole: counting with filters, selecting and unselecting in bulk, the
// selection bracket and its events.
#include "diagram/view/Diagram.h"

namespace tarnwick {

namespace {

bool PassesFilter(const TDiagramControl* c, TDiagramControlFilter AFilter) {
  switch (AFilter) {
    case cfAll:
      return true;
    case cfIgnoreMembers:
      return !c->IsMember();
    case cfIgnoreGroups:
      return !c->IsGroup();
    case cfIgnoreAsMembers:
      return !c->AsMember();
  }
  return true;
}

}  // namespace

int TdvDiagram::SelectedCount(TDiagramControlFilter AFilter) const {
  if (AFilter == cfAll) return FSelecteds.Count();
  int n = 0;
  for (TDiagramControl* c : FSelecteds)
    if (PassesFilter(c, AFilter)) ++n;
  return n;
}

int TdvDiagram::SelectedBlockCount(TDiagramControlFilter AFilter) const {
  int n = 0;
  for (TDiagramControl* c : FBlocks)
    if (c->GetSelected() && PassesFilter(c, AFilter)) ++n;
  return n;
}

int TdvDiagram::SelectedLinkCount() const {
  int n = 0;
  for (TDiagramControl* c : FLinks)
    if (c->GetSelected()) ++n;
  return n;
}

void TdvDiagram::SelectAll() {
  TDiagramUpdate bracket(*this, ukSelection);
  // A copy: selecting may run handlers that change the lists.
  const std::vector<TDiagramControl*> controls = FDControls.Vector();
  for (TDiagramControl* c : controls)
    if (FDControls.Contains(c) && c->IsVisible() && !c->GetSelected() && !c->IsMember()) c->SetSelected(true);
}

void TdvDiagram::UnselectAll() {
  TDiagramUpdate bracket(*this, ukSelection);
  TDiagramUpdate update(*this, ukUpdate);
  const std::vector<TDiagramControl*> controls = FDControls.Vector();
  for (TDiagramControl* c : controls)
    if (FDControls.Contains(c) && c->IsVisible() && c->GetSelected()) c->SetSelected(false);
}

void TdvDiagram::UnselectInvisibleControls() {
  const std::vector<TDiagramControl*> selected = FSelecteds.Vector();
  for (TDiagramControl* c : selected)
    if (FSelecteds.Contains(c) && !c->IsVisible()) c->SetSelected(false);
}

void TdvDiagram::BeginUpdateSel() { FUpdates->Enter(ukSelection); }

void TdvDiagram::EndUpdateSel() { FUpdates->Leave(ukSelection); }

void TdvDiagram::DControlSelected(TDiagramControl* AControl) {
  if (!FSelecteds.Contains(AControl)) FSelecteds.Add(AControl);
  TDiagramUpdate bracket(*this, ukSelection);
  Fire(OnSelectDControl, this, AControl);
  DesignEvent(etControlSelected);
}

void TdvDiagram::DControlUnselected(TDiagramControl* AControl) {
  FSelecteds.Remove(AControl);
  TDiagramUpdate bracket(*this, ukSelection);
  Fire(OnUnselectDControl, this, AControl);
  DesignEvent(etControlUnselected);
}

void TdvDiagram::DesignEvent(TDiagramEventType AType) {
  if (OnDesignEvent) OnDesignEvent(this, AType, 0);
}

void TdvDiagram::SetGroupSelected(TDiagramControl* AControl, bool AValue) {
  if (!AControl) return;
  TDiagramUpdate bracket(*this, ukSelection);
  // The flag is written directly: a group's members follow it whatever their own
  // restrictions say.
  if (AControl->FSelected != AValue) {
    AControl->FSelected = AValue;
    if (AValue)
      DControlSelected(AControl);
    else
      DControlUnselected(AControl);
  }
  for (int i = 0; i < AControl->GetMemberCount(); ++i) SetGroupSelected(AControl->GetMember(i), AValue);
}

bool TdvDiagram::IsShowingGroupSelection() const {
  return FSelectionMode == slmGroup && SelectedCount(cfIgnoreAsMembers) > 1;
}

bool TdvDiagram::SelBlockInUse() const { return FSelBlock && IsShowingGroupSelection(); }

}  // namespace tarnwick
