#pragma once
// TBaseGroupBlock: a block whose rectangle encloses other controls (its members) and that
// moves, resizes and rotates them with itself. Groups and the diagram's selection block
// both build on it. Members are referenced, never owned: only FreeMembers frees them.
#include "diagram/model/CustomBlock.h"
#include "diagram/model/GroupMemberList.h"

namespace tarnwick {

class TBaseGroupBlock : public TCustomDiagramBlock {
  TARNWICK_CLASS(TBaseGroupBlock)

 public:
  explicit TBaseGroupBlock(TComponent* AOwner);
  ~TBaseGroupBlock() override;
  // The members leave the group (they stay on the diagram) before the block goes.
  void BeforeDestruction() override;

  TGroupMemberList* GetMembers() const { return FMembers.get(); }
  // Copies the references of the given list.
  void SetMembers(TGroupMemberList* Value);

  // ---- Member hooks ----
  virtual void MemberAdded(TDiagramControl*) {}
  virtual void MemberRemoved(TDiagramControl*) {}
  virtual void UpdateMembers() {}
  // Whether AControl may join the list; every control may join a plain member list.
  virtual bool AcceptsMember(TDiagramControl*) { return true; }

  // Makes the group rectangle enclose its members. The rectangle is written directly, so
  // the members are not scaled by it; the group above follows.
  void RecalculateRect();
  // The group or a member at any depth is selected.
  bool HasSelection() const;
  // Frees every member, depth first through nested groups, until the list is empty.
  void FreeMembers();
  // Drops the items that refer to no control: references a document or the clipboard
  // held that were refused (a second group for a control, a group inside itself) or name
  // nothing. They cannot go while the reader still resolves references, so whoever loaded
  // the document calls this once it is in.
  void DropEmptyItems();

  // ---- Block operations ----
  void DefaultSurroundPts(TDotArray& Pts) override;
  void BoundsChanged(const TSquare& AOld, const TSquare& ANew) override;
  void AngleChanged(double ANew, double AOld) override;
  void DiagramChanged(TdvDiagram* AOld, TdvDiagram* ANew) override;
  void UpdateHandleMove(THandleMoveInfo& AInfo) override;
  void EnterCursorState() override;
  void LeaveCursorState() override;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // Carries the members from the group rectangle G0 to G1 (the group's angle stays).
  void ScaleMembers(const TSquare& G0, const TSquare& G1);
  // Turns the members about the group's centre by ADelta degrees.
  void RotateMembers(double ADelta);
  bool GroupDestroying() const { return FGroupDestroying; }
  // Whether members carry the group's own diagram along.
  virtual bool MembersFollowDiagram() const { return true; }

 private:
  // Every member at any depth, once each.
  void CollectMembers(std::vector<TDiagramControl*>& AList) const;
  void NotifyMembers();
  // The drag preview: members take the group's preview geometry.
  void PositionMemberCursors(const TSquare& G0, double A0, const TSquare& G1, double A1);
  void ReleaseMemberLineEnds();

  TOwned<TGroupMemberList> FMembers;
  bool FGroupDestroying = false;
  // The preview geometry is being swapped in or out: no change of the document.
  bool FSwappingPreview = false;
};

}  // namespace tarnwick
