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

// Closes a selection bracket also when a handler throws.
class TSelBracket {
 public:
  explicit TSelBracket(TdvDiagram& ADiagram) : FDiagram(ADiagram) { FDiagram.BeginUpdateSel(); }
  ~TSelBracket() { FDiagram.EndUpdateSel(); }
  TSelBracket(const TSelBracket&) = delete;
  TSelBracket& operator=(const TSelBracket&) = delete;

 private:
  TdvDiagram& FDiagram;
};

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
  TSelBracket bracket(*this);
  // A copy: selecting may run handlers that change the lists.
  const std::vector<TDiagramControl*> controls = FDControls.Vector();
  for (TDiagramControl* c : controls)
    if (FDControls.Contains(c) && c->IsVisible() && !c->GetSelected() && !c->IsMember()) c->SetSelected(true);
}

void TdvDiagram::UnselectAll() {
  TSelBracket bracket(*this);
  BeginUpdate();
  try {
    const std::vector<TDiagramControl*> controls = FDControls.Vector();
    for (TDiagramControl* c : controls)
      if (FDControls.Contains(c) && c->IsVisible() && c->GetSelected()) c->SetSelected(false);
  } catch (...) {
    EndUpdate(false);
    throw;
  }
  EndUpdate(false);
}

void TdvDiagram::UnselectInvisibleControls() {
  const std::vector<TDiagramControl*> selected = FSelecteds.Vector();
  for (TDiagramControl* c : selected)
    if (FSelecteds.Contains(c) && !c->IsVisible()) c->SetSelected(false);
}

void TdvDiagram::BeginUpdateSel() {
  if (FUpdatingSel == 0) {
    Fire(OnSelectionChanging, this);
    DesignEvent(etSelectionChanging);
  }
  ++FUpdatingSel;
}

void TdvDiagram::EndUpdateSel() {
  if (FUpdatingSel > 0) --FUpdatingSel;
  if (FUpdatingSel == 0) {
    UpdateSelBlock();
    Fire(OnSelectionChanged, this);
    DesignEvent(etSelectionChanged);
  }
}

void TdvDiagram::DControlSelected(TDiagramControl* AControl) {
  if (!FSelecteds.Contains(AControl)) FSelecteds.Add(AControl);
  TSelBracket bracket(*this);
  Fire(OnSelectDControl, this, AControl);
  DesignEvent(etControlSelected);
}

void TdvDiagram::DControlUnselected(TDiagramControl* AControl) {
  FSelecteds.Remove(AControl);
  TSelBracket bracket(*this);
  Fire(OnUnselectDControl, this, AControl);
  DesignEvent(etControlUnselected);
}

void TdvDiagram::DesignEvent(TDiagramEventType AType) {
  if (OnDesignEvent) OnDesignEvent(this, AType, 0);
}

void TdvDiagram::SetGroupSelected(TDiagramControl* AControl, bool AValue) {
  if (!AControl) return;
  TSelBracket bracket(*this);
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
