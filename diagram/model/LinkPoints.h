#pragma once
// Link points: where lines attach to controls. A link point of a line is anchored to a
// link point of another control; the anchor point keeps the list of points anchored to it,
// which is how moving a block drags its lines along and how a node collapses what hangs
// below it.
#include "diagram/model/DiagramControlTypes.h"
#include "platform/core/Collection.h"
#include "platform/core/List.h"

namespace tarnwick {

class TLinkPoints;

class TLinkPoint : public TCollectionItem {
  TARNWICK_CLASS(TLinkPoint)

 public:
  explicit TLinkPoint(TCollection* Collection);
  void BeforeDestruction() override;
  // Copies the position only.
  void Assign(TPersistent* Source) override;

  // The owning control: the control of the TLinkPoints this point belongs to, else null.
  TDiagramControl* GetDControl() const;

  double GetOrX() const { return FOrX; }
  void SetOrX(double Value);
  double GetOrY() const { return FOrY; }
  void SetOrY(double Value);
  TDot GetOrPoint() const { return TDot{FOrX, FOrY}; }
  void SetOrPoint(TDot Value);

  // Anchoring. The anchor link Q is Anchor.LinkPoints[AnchorIndex]; this point is in Q's
  // anchored list exactly while (Anchor, AnchorIndex) designate a valid Q.
  TDiagramControl* GetAnchor() const { return FAnchor; }
  void SetAnchor(TDiagramControl* Value);
  int GetAnchorIndex() const { return FAnchorIndex; }
  void SetAnchorIndex(int Value);
  TLinkPoint* GetAnchorLink() const;
  void SetAnchorLink(TLinkPoint* Value);
  int AnchoredCount() const { return FAnchoreds.Count(); }
  TLinkPoint* GetAnchoredItem(int Index) const { return FAnchoreds[Index]; }
  // The anchor control changed (acPosition) or left its diagram (acRemoval).
  void AnchorChanged(TAnchorChange AChangeType);

  TAnchorOrientation GetOrientation() const { return FOrientation; }
  void SetOrientation(TAnchorOrientation Value);
  // Orientation turned with the control's angle in quarter turns.
  TAnchorOrientation GetRealOrientation() const;

  bool GetCollapsable() const { return FCollapsable; }
  void SetCollapsable(bool Value);
  bool GetCollapsed() const { return FCollapsed; }
  void SetCollapsed(bool Value);
  void Collapse() { SetCollapsed(true); }
  void Expand() { SetCollapsed(false); }
  // Something is anchored here and the point may collapse it.
  bool IsNode() const;

  TLinkConstraint GetLinkConstraint() const { return FLinkConstraint; }
  void SetLinkConstraint(TLinkConstraint Value);
  // Whether the constraint lets AEnd anchor here: a line's source is its first point and
  // its target the second; points of other controls are not line ends and are not held
  // back by it.
  bool AcceptsEnd(const TLinkPoint* AEnd) const;
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);
  bool GetCanAnchor() const { return FCanAnchor; }
  void SetCanAnchor(bool Value) { FCanAnchor = Value; }
  bool GetAcceptAnchoreds() const { return FAcceptAnchoreds; }
  void SetAcceptAnchoreds(bool Value) { FAcceptAnchoreds = Value; }
  bool GetCanAnchorInMove() const { return FCanAnchorInMove; }
  void SetCanAnchorInMove(bool Value) { FCanAnchorInMove = Value; }
  TObject* GetObj() const { return FObj; }
  void SetObj(TObject* Value) { FObj = Value; }

  // The owning control's marker style while it is on a diagram, else ptCross.
  TLinkPointStyle GetStyle() const;
  // Position in diagram units, mapped by the owning control.
  TDot DiagramPoint() const;
  // A point read from a document knows its anchor's index before the reader resolves the
  // anchor's name; until then the point it will follow is unknown.
  bool IsAnchorPending() const { return !FAnchor && FAnchorIndex >= 0; }
  // Forgets an anchor that never arrived (its name named nothing); true when one was pending.
  bool DropPendingAnchor();

 private:
  friend class TDiagramControl;
  void Register();
  void Unregister();
  // The point of the anchor whose anchored list holds this one, if any.
  TLinkPoint* RegisteredAt() const;
  // The anchor control is going away: forget it without touching its (freed) points.
  void DropAnchor();
  bool IsOwnerDestroying() const;
  void NotifyOwnerAnchorLinkChanged();
  // Collects the controls downstream of this point; false when the walk comes back to
  // the point's own control.
  bool CollectDownstream(TList<TDiagramControl*>& Visited) const;

  double FOrX = 0.0;
  double FOrY = 0.0;
  int FAnchorIndex = -1;
  TDiagramControl* FAnchor = nullptr;
  TAnchorOrientation FOrientation = aoNone;
  TList<TLinkPoint*> FAnchoreds;
  bool FCollapsable = false;
  bool FCollapsed = false;
  TObject* FObj = nullptr;
  TLinkConstraint FLinkConstraint = lcAll;
  bool FVisible = true;
  bool FCanAnchor = false;
  bool FAcceptAnchoreds = true;
  bool FCanAnchorInMove = false;
};

class TLinkPoints : public TOwnedCollection {
  TARNWICK_CLASS(TLinkPoints)

 public:
  TLinkPoints(TDiagramControl* AControl, const TClassInfo& ItemClass);
  TDiagramControl* GetDControl() const { return FDControl; }
  TLinkPoint* Add() { return static_cast<TLinkPoint*>(TCollection::Add()); }
  TLinkPoint* Add(double AOrX, double AOrY, TAnchorOrientation AOr);
  TLinkPoint* GetItems(int Index) const { return static_cast<TLinkPoint*>(TCollection::GetItems(Index)); }

 protected:
  // Any change of a point repaints the diagram.
  void Update(TCollectionItem* Item) override;

 private:
  TDiagramControl* FDControl;
};

}  // namespace tarnwick
