// Selection as a whole: counting with filters, selecting and unselecting in bulk, and the
// events of selecting; every bulk change runs in one selection bracket.
#include "diagram/view/DiagramSelection.h"

#include "diagram/model/DiagramControl.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/UpdateGuard.h"

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

int TDiagramSelection::Count(TDiagramControlFilter AFilter) const {
  if (AFilter == cfAll) return FSelecteds.Count();
  int n = 0;
  for (TDiagramControl* c : FSelecteds)
    if (PassesFilter(c, AFilter)) ++n;
  return n;
}

int TDiagramSelection::BlockCount(TDiagramControlFilter AFilter) const {
  int n = 0;
  for (TDiagramControl* c : FDiagram.FControls->FBlocks)
    if (c->GetSelected() && PassesFilter(c, AFilter)) ++n;
  return n;
}

int TDiagramSelection::LinkCount() const {
  int n = 0;
  for (TDiagramControl* c : FDiagram.FControls->FLinks)
    if (c->GetSelected()) ++n;
  return n;
}

void TDiagramSelection::SelectAll() {
  TDiagramUpdate bracket(FDiagram, ukSelection);
  const TList<TDiagramControl*>& list = FDiagram.FControls->FDControls;
  // A copy: selecting may run handlers that change the lists.
  const std::vector<TDiagramControl*> controls = list.Vector();
  for (TDiagramControl* c : controls)
    if (list.Contains(c) && c->IsVisible() && !c->GetSelected() && !c->IsMember()) c->SetSelected(true);
}

void TDiagramSelection::UnselectAll() {
  TDiagramUpdate bracket(FDiagram, ukSelection);
  TDiagramUpdate update(FDiagram, ukUpdate);
  const TList<TDiagramControl*>& list = FDiagram.FControls->FDControls;
  const std::vector<TDiagramControl*> controls = list.Vector();
  for (TDiagramControl* c : controls)
    if (list.Contains(c) && c->IsVisible() && c->GetSelected()) c->SetSelected(false);
}

void TDiagramSelection::UnselectInvisible() {
  const std::vector<TDiagramControl*> selected = FSelecteds.Vector();
  for (TDiagramControl* c : selected)
    if (FSelecteds.Contains(c) && !c->IsVisible()) c->SetSelected(false);
}

void TDiagramSelection::Adopt(TDiagramControl* AControl) {
  if (AControl->GetSelected() && !FSelecteds.Contains(AControl)) FSelecteds.Add(AControl);
}

void TDiagramSelection::Selected(TDiagramControl* AControl) {
  if (!FSelecteds.Contains(AControl)) FSelecteds.Add(AControl);
  TDiagramUpdate bracket(FDiagram, ukSelection);
  Fire(FDiagram.OnSelectDControl, &FDiagram, AControl);
  FDiagram.DesignEvent(etControlSelected);
}

void TDiagramSelection::Unselected(TDiagramControl* AControl) {
  FSelecteds.Remove(AControl);
  TDiagramUpdate bracket(FDiagram, ukSelection);
  Fire(FDiagram.OnUnselectDControl, &FDiagram, AControl);
  FDiagram.DesignEvent(etControlUnselected);
}

void TDiagramSelection::SetGroupSelected(TDiagramControl* AControl, bool AValue) {
  if (!AControl) return;
  TDiagramUpdate bracket(FDiagram, ukSelection);
  // The flag is written directly: a group's members follow it whatever their own
  // restrictions say.
  if (AControl->FSelected != AValue) {
    AControl->FSelected = AValue;
    if (AValue)
      FDiagram.DControlSelected(AControl);
    else
      FDiagram.DControlUnselected(AControl);
  }
  for (int i = 0; i < AControl->GetMemberCount(); ++i) SetGroupSelected(AControl->GetMember(i), AValue);
}

bool TDiagramSelection::IsShowingGroupSelection() const {
  return FDiagram.GetSelectionMode() == slmGroup && Count(cfIgnoreAsMembers) > 1;
}

}  // namespace tarnwick
