#pragma once
// TGroupMemberList: the member list of a group. It forwards the list's hooks to its group,
// which keeps the members' side of the relation (their group) and its own rectangle.
#include "diagram/model/DControlList.h"

namespace tarnwick {

class TBaseGroupBlock;

class TGroupMemberList : public TDControlList {
  TARNWICK_CLASS(TGroupMemberList)

 public:
  explicit TGroupMemberList(TBaseGroupBlock* AGroup);
  TBaseGroupBlock* GetGroup() const { return FGroup; }

 protected:
  void ControlAdded(TDiagramControl* AControl) override;
  void ControlRemoved(TDiagramControl* AControl) override;
  bool AcceptsControl(TDiagramControl* AControl) override;

 private:
  TBaseGroupBlock* FGroup;
};

}  // namespace tarnwick
