#include "diagram/model/LinkPoints.h"

#include "diagram/model/DiagramControl.h"
#include "diagram/model/DiagramHost.h"
#include "platform/core/Properties.h"
#include "platform/core/ScopeGuard.h"

namespace tarnwick {

const TClassInfo& TLinkPoint::StaticClassInfo() {
  static const TClassInfo info(
      "TLinkPoint", &TCollectionItem::StaticClassInfo(),
      {ObjectProp("Anchor", TDiagramControl::StaticClassInfo(), &TLinkPoint::GetAnchor, &TLinkPoint::SetAnchor),
       IntProp("AnchorIndex", &TLinkPoint::GetAnchorIndex, &TLinkPoint::SetAnchorIndex, -1),
       FloatProp("OrX", ftDouble, &TLinkPoint::GetOrX, &TLinkPoint::SetOrX, true),
       FloatProp("OrY", ftDouble, &TLinkPoint::GetOrY, &TLinkPoint::SetOrY, true),
       EnumProp("Orientation", AnchorOrientationType(), &TLinkPoint::GetOrientation, &TLinkPoint::SetOrientation,
                aoNone),
       BoolProp("Collapsable", &TLinkPoint::GetCollapsable, &TLinkPoint::SetCollapsable),
       BoolProp("Collapsed", &TLinkPoint::GetCollapsed, &TLinkPoint::SetCollapsed),
       EnumProp("LinkConstraint", LinkConstraintType(), &TLinkPoint::GetLinkConstraint,
                &TLinkPoint::SetLinkConstraint),
       BoolProp("Visible", &TLinkPoint::GetVisible, &TLinkPoint::SetVisible)},
      {}, [](TCollection* c) { return Create<TLinkPoint>(c); });
  return info;
}

TLinkPoint::TLinkPoint(TCollection* Collection) : TCollectionItem(Collection) {
  // The ends of lines anchor themselves; points of blocks only receive anchors.
  TDiagramControl* owner = GetDControl();
  FCanAnchor = owner && owner->IsLine();
  FCanAnchorInMove = FCanAnchor;
}

void TLinkPoint::BeforeDestruction() {
  SetAnchor(nullptr);
  // Points anchored here lose their anchor as when the control leaves its diagram, so
  // nothing keeps pointing at this point once it is gone.
  while (!FAnchoreds.Empty()) {
    TLinkPoint* anchored = FAnchoreds.Last();
    anchored->AnchorChanged(acRemoval);
    FAnchoreds.Remove(anchored);  // in case the owner kept the anchor
  }
  TCollectionItem::BeforeDestruction();
}

void TLinkPoint::Assign(TPersistent* Source) {
  if (auto* src = dynamic_cast<TLinkPoint*>(Source)) {
    SetOrX(src->FOrX);
    SetOrY(src->FOrY);
    return;
  }
  TCollectionItem::Assign(Source);
}

TDiagramControl* TLinkPoint::GetDControl() const {
  auto* points = dynamic_cast<TLinkPoints*>(GetCollection());
  return points ? points->GetDControl() : nullptr;
}

void TLinkPoint::SetOrX(double Value) {
  if (FOrX == Value) return;
  FOrX = Value;
  Changed(false);
}

void TLinkPoint::SetOrY(double Value) {
  if (FOrY == Value) return;
  FOrY = Value;
  Changed(false);
}

void TLinkPoint::SetOrPoint(TDot Value) {
  if (FOrX == Value.X && FOrY == Value.Y) return;
  FOrX = Value.X;
  FOrY = Value.Y;
  Changed(false);
}

// ---- Anchoring ----

TLinkPoint* TLinkPoint::GetAnchorLink() const {
  if (!FAnchor || FAnchorIndex < 0) return nullptr;
  TLinkPoints* points = FAnchor->GetLinkPoints();
  if (!points || FAnchorIndex >= points->Count()) return nullptr;
  return points->GetItems(FAnchorIndex);
}

void TLinkPoint::SetAnchorLink(TLinkPoint* Value) {
  if (Value == GetAnchorLink()) return;
  if (!Value) {
    SetAnchor(nullptr);
    SetAnchorIndex(-1);
    return;
  }
  // Index first while unanchored (or re-anchor), so the pair never designates a wrong point.
  SetAnchor(nullptr);
  SetAnchorIndex(Value->GetIndex());
  SetAnchor(Value->GetDControl());
}

TLinkPoint* TLinkPoint::RegisteredAt() const {
  if (!FAnchor) return nullptr;
  TLinkPoint* q = GetAnchorLink();
  if (q && q->FAnchoreds.Contains(const_cast<TLinkPoint*>(this))) return q;
  // Deleting a point of the anchor shifts the indices behind it, so the entry may sit
  // with another point of the same control; it must still be found, or that point would
  // keep a pointer to this one after it is gone.
  TLinkPoints* points = FAnchor->GetLinkPoints();
  for (int i = 0; points && i < points->Count(); ++i)
    if (points->GetItems(i)->FAnchoreds.Contains(const_cast<TLinkPoint*>(this))) return points->GetItems(i);
  return nullptr;
}

void TLinkPoint::Unregister() {
  TLinkPoint* q = RegisteredAt();
  if (!q) return;
  q->FAnchoreds.Remove(this);
  TDiagramControl* owner = GetDControl();
  if (owner && owner->IsLine()) FAnchor->LinkRemoved(owner, this);
}

void TLinkPoint::Register() {
  if (!FAnchor || FAnchorIndex < 0) return;
  TLinkPoint* q = GetAnchorLink();
  if (!q) {
    FAnchorIndex = -1;
    return;
  }
  if (q->FAnchoreds.Contains(this)) return;  // already there: no second LinkAdded
  q->FAnchoreds.Add(this);
  TDiagramControl* owner = GetDControl();
  if (owner && owner->IsLine()) FAnchor->LinkAdded(owner, this);
}

bool TLinkPoint::IsOwnerDestroying() const {
  TDiagramControl* owner = GetDControl();
  return owner && owner->IsDestroying();
}

void TLinkPoint::NotifyOwnerAnchorLinkChanged() {
  TDiagramControl* owner = GetDControl();
  if (owner && !owner->IsDestroying()) owner->AnchorLinkChanged(this);
}

void TLinkPoint::SetAnchor(TDiagramControl* Value) {
  if (FAnchor == Value) return;
  Unregister();
  FAnchor = Value;
  if (FAnchor) {
    // Hear about the anchor's destruction even when it is not on a diagram.
    if (TDiagramControl* owner = GetDControl()) FAnchor->FreeNotification(owner);
    Register();
  }
  NotifyOwnerAnchorLinkChanged();
}

void TLinkPoint::SetAnchorIndex(int Value) {
  if (FAnchorIndex == Value) return;
  Unregister();
  FAnchorIndex = Value;
  Register();
  NotifyOwnerAnchorLinkChanged();
}

bool TLinkPoint::DropPendingAnchor() {
  if (!IsAnchorPending()) return false;
  FAnchorIndex = -1;
  return true;
}

void TLinkPoint::DropAnchor() {
  FAnchor = nullptr;
  FAnchorIndex = -1;
  NotifyOwnerAnchorLinkChanged();
}

void TLinkPoint::AnchorChanged(TAnchorChange AChangeType) {
  TDiagramControl* owner = GetDControl();
  if (AChangeType == acRemoval) {
    SetAnchor(nullptr);
    SetAnchorIndex(-1);
  }
  if (owner) owner->LinkedAnchorChanged(this, AChangeType);
}

// ---- Orientation ----

void TLinkPoint::SetOrientation(TAnchorOrientation Value) {
  if (FOrientation == Value) return;
  FOrientation = Value;
  Changed(false);
}

TAnchorOrientation TLinkPoint::GetRealOrientation() const {
  TDiagramControl* owner = GetDControl();
  if (!owner || FOrientation == aoNone || owner->GetAngle() == 0) return FOrientation;
  const int quarter = Trunc((owner->GetAngle() + 45) / 90);
  if (quarter < 1 || quarter > 3) return FOrientation;
  // Rows: the orientation; columns: one, two and three quarter turns clockwise.
  static constexpr TAnchorOrientation turned[7][3] = {
      {aoNone, aoNone, aoNone},     {aoVert, aoHorz, aoVert},   {aoHorz, aoVert, aoHorz},
      {aoRight, aoDown, aoLeft},    {aoLeft, aoUp, aoRight},    {aoUp, aoRight, aoDown},
      {aoDown, aoLeft, aoUp},
  };
  return turned[FOrientation][quarter - 1];
}

// ---- Nodes ----

void TLinkPoint::SetCollapsable(bool Value) {
  if (FCollapsable == Value) return;
  FCollapsable = Value;
  Changed(false);
}

bool TLinkPoint::IsNode() const {
  if (AnchoredCount() == 0) return false;
  if (FCollapsable) return true;
  TDiagramControl* owner = GetDControl();
  TDiagramHost* host = owner ? owner->GetDiagramHost() : nullptr;
  return host && host->GetAutomaticNodes();
}

bool TLinkPoint::CollectDownstream(TList<TDiagramControl*>& Visited) const {
  const TDiagramControl* home = GetDControl();
  // A work list instead of recursion: long chains of nodes must not exhaust the stack.
  TList<const TLinkPoint*> pointQueue;
  TList<TDiagramControl*> controlQueue;
  pointQueue.Add(this);
  while (!pointQueue.Empty() || !controlQueue.Empty()) {
    if (!pointQueue.Empty()) {
      const TLinkPoint* p = pointQueue.Last();
      pointQueue.Delete(pointQueue.Count() - 1);
      for (TLinkPoint* a : p->FAnchoreds)
        if (TDiagramControl* c = a->GetDControl()) controlQueue.Add(c);
      if (p->FAnchor && p->GetAnchorLink() != this) controlQueue.Add(p->FAnchor);
      continue;
    }
    TDiagramControl* c = controlQueue.Last();
    controlQueue.Delete(controlQueue.Count() - 1);
    if (c == home) return false;
    if (Visited.Contains(c)) continue;
    Visited.Add(c);
    TLinkPoints* points = c->GetLinkPoints();
    for (int i = 0; points && i < points->Count(); ++i) {
      TLinkPoint* lp = points->GetItems(i);
      if (lp != this && !lp->FCollapsed) pointQueue.Add(lp);
    }
    for (int i = 0; i < c->GetMemberCount(); ++i)
      if (TDiagramControl* m = c->GetMember(i)) controlQueue.Add(m);
    if (TDiagramControl* g = c->GetGroupBlock()) controlQueue.Add(g);
  }
  return true;
}

void TLinkPoint::SetCollapsed(bool Value) {
  TDiagramControl* owner = GetDControl();
  if (!owner || owner->IsLoading()) {
    FCollapsed = Value;
    return;
  }
  const bool effective = Value && IsNode();
  if (effective == FCollapsed) return;
  TList<TDiagramControl*> visited;
  if (!CollectDownstream(visited)) return;  // the graph leads back: refused
  for (TDiagramControl* c : visited) c->SetCollapsed(effective);
  FCollapsed = effective;
  owner->Redraw();
}

// ---- Appearance and position ----

void TLinkPoint::SetLinkConstraint(TLinkConstraint Value) {
  if (FLinkConstraint == Value) return;
  FLinkConstraint = Value;
  Changed(false);
}

void TLinkPoint::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  Changed(false);
}

bool TLinkPoint::AcceptsEnd(const TLinkPoint* AEnd) const {
  if (!AEnd) return false;
  TDiagramControl* line = AEnd->GetDControl();
  if (!line || !line->IsLine()) return true;
  switch (FLinkConstraint) {
    case lcAll:
      return true;
    case lcSourceOnly:
      return AEnd->GetIndex() == 0;
    case lcTargetOnly:
      return AEnd->GetIndex() == 1;
    case lcNone:
      return false;
  }
  return false;
}

TLinkPointStyle TLinkPoint::GetStyle() const {
  TDiagramControl* owner = GetDControl();
  return owner && owner->GetDiagram() ? owner->GetLinkPointStyle() : ptCross;
}

TDot TLinkPoint::DiagramPoint() const {
  TDiagramControl* owner = GetDControl();
  return owner ? owner->GetLinkPointPoint(const_cast<TLinkPoint*>(this)) : GetOrPoint();
}

// ---- Collection ----

const TClassInfo& TLinkPoints::StaticClassInfo() {
  static const TClassInfo info("TLinkPoints", &TOwnedCollection::StaticClassInfo(), {});
  return info;
}

TLinkPoints::TLinkPoints(TDiagramControl* AControl, const TClassInfo& ItemClass)
    : TOwnedCollection(AControl, ItemClass), FDControl(AControl) {}

TLinkPoint* TLinkPoints::Add(double AOrX, double AOrY, TAnchorOrientation AOr) {
  const TUpdateScope update(this);
  TLinkPoint* p = nullptr;
  p = Add();
  p->SetOrX(AOrX);
  p->SetOrY(AOrY);
  p->SetOrientation(AOr);
  return p;
}

void TLinkPoints::Update(TCollectionItem*) {
  if (FDControl) FDControl->Redraw();
}

}  // namespace tarnwick
