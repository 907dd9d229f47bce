#pragma once
// A line join: a small block without an outline that carries one link point at its
// centre, where lines meet. Its link point may itself be anchored to a link point of
// another control; the join then follows that point whenever it moves.
#include "diagram/model/CustomBlock.h"

namespace tarnwick {

class TDiagramLineJoin : public TCustomDiagramBlock {
  TARNWICK_CLASS(TDiagramLineJoin)

 public:
  explicit TDiagramLineJoin(TComponent* AOwner);

  // The anchoring of the join's link point. An anchor that would have the join follow
  // itself, directly or round a chain of joins and line ends, is refused: the point is
  // left unanchored.
  TDiagramControl* GetAnchor() const;
  void SetAnchor(TDiagramControl* Value);
  int GetAnchorIndex() const;
  void SetAnchorIndex(int Value);
  TAnchorOrientation GetOrientation() const;
  void SetOrientation(TAnchorOrientation Value);

  void AnchorLinkChanged(TLinkPoint* ALinkPoint) override;
  void LinkedAnchorChanged(TLinkPoint* ALinkPoint, TAnchorChange AChange) override;
  void BoundsChanged(const TSquare& AOld, const TSquare& ANew) override;

 private:
  TLinkPoint* JoinPoint() const;
  // Whether following AAnchor would lead back to ALinkPoint.
  static bool FollowsBackTo(const TLinkPoint* AAnchor, const TLinkPoint* ALinkPoint);

  TDot FOldAnchorPos;
  // Counts the join's own moves: what its anchor does meanwhile is the echo of this move
  // through lines anchored both ways, not a move to follow.
  int FMoving = 0;
};

}  // namespace tarnwick
