#pragma once
// TSelectionBlock: the diagram's invisible group over the whole selection, so a selection
// of many controls is resized and turned through one set of handles. It is refilled from
// the selection before every handle step and never streamed; its members keep their own
// groups and stay where they are when it changes diagram.
#include "diagram/model/BaseGroupBlock.h"

namespace tarnwick {

class TSelectionBlock : public TBaseGroupBlock {
  TARNWICK_CLASS(TSelectionBlock)

 public:
  explicit TSelectionBlock(TComponent* AOwner);

  // Every selected control of the diagram that is not a member of a selected group, in
  // selection order.
  void UpdateMembers() override;
  // After a completed step the list is let go: the diagram also moves the selection block
  // itself when it moves the selected controls, and members still held would then move
  // twice.
  void UpdateHandleMove(THandleMoveInfo& AInfo) override;

 protected:
  bool MembersFollowDiagram() const override { return false; }
};

}  // namespace tarnwick
