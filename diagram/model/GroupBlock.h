#pragma once
// TGroupBlock: a group of controls the user made. It keeps its members' side of the
// relation (their group), derives its rectangle from them whenever membership changes,
// and shows a dotted grey outline while something inside it is selected but it is not.
#include "diagram/model/BaseGroupBlock.h"

namespace tarnwick {

class TGroupBlock : public TBaseGroupBlock {
  TARNWICK_CLASS(TGroupBlock)

 public:
  explicit TGroupBlock(TComponent* AOwner);

  // Brackets adding or removing many members: the rectangle is recalculated once, when
  // the outermost bracket closes.
  void BeginUpdateMembers() { ++FUpdatingMembers; }
  void EndUpdateMembers();
  bool UpdatingMembers() const { return FUpdatingMembers > 0; }

  // A control joins at most one group, and a group never joins itself or a group inside
  // it (documents and the clipboard could ask for either).
  bool AcceptsMember(TDiagramControl* AControl) override;
  void MemberAdded(TDiagramControl* AControl) override;
  void MemberRemoved(TDiagramControl* AControl) override;

  // ---- The control contract's group hooks ----
  bool IsGroup() const override { return true; }
  int GetMemberCount() const override;
  TDiagramControl* GetMember(int Index) const override;
  void RemoveMember(TDiagramControl* AControl) override;
  void MoveMember(TDiagramControl* AMember, int ANewIndex) override;

  void DrawHandles(const TDiagramDrawInfo& AInfo) override;

 private:
  int FUpdatingMembers = 0;
};

}  // namespace tarnwick
