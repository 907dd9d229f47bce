#include "diagram/model/SelectionBlock.h"

#include "diagram/model/DiagramHost.h"

namespace tarnwick {

const TClassInfo& TSelectionBlock::StaticClassInfo() {
  static const TClassInfo info("TSelectionBlock", &TBaseGroupBlock::StaticClassInfo(), {},
                               [](TComponent* owner) { return Create<TSelectionBlock>(owner); });
  return info;
}

TSelectionBlock::TSelectionBlock(TComponent* AOwner) : TBaseGroupBlock(AOwner) {}

void TSelectionBlock::UpdateMembers() {
  TGroupMemberList* members = GetMembers();
  members->BeginUpdate();
  members->Clear();
  if (TDiagramHost* host = GetDiagramHost())
    for (TDiagramControl* c : host->SelectedControls())
      if (c != this && !c->AsMember()) members->Add(c);
  members->EndUpdate();
}

void TSelectionBlock::UpdateHandleMove(THandleMoveInfo& AInfo) {
  TBaseGroupBlock::UpdateHandleMove(AInfo);
  if (AInfo.Action == haMoved) GetMembers()->Clear();
}

}  // namespace tarnwick
