#include "diagram/model/GroupMemberList.h"

#include "diagram/model/BaseGroupBlock.h"

namespace tarnwick {

const TClassInfo& TGroupMemberList::StaticClassInfo() {
  static const TClassInfo info("TGroupMemberList", &TDControlList::StaticClassInfo(), {});
  return info;
}

TGroupMemberList::TGroupMemberList(TBaseGroupBlock* AGroup) : TDControlList(AGroup), FGroup(AGroup) {}

void TGroupMemberList::ControlAdded(TDiagramControl* AControl) {
  // The group hears of a member that is freed behind its back (the selection block's
  // members do not know it), so no item is left pointing at a freed control.
  FGroup->FreeNotification(AControl);
  FGroup->MemberAdded(AControl);
}

void TGroupMemberList::ControlRemoved(TDiagramControl* AControl) { FGroup->MemberRemoved(AControl); }

bool TGroupMemberList::AcceptsControl(TDiagramControl* AControl) { return FGroup->AcceptsMember(AControl); }

}  // namespace tarnwick
