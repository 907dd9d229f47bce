#include "diagram/model/LineJoin.h"

#include <algorithm>
#include <unordered_set>

#include "diagram/model/LinkPoints.h"
#include "platform/core/Properties.h"
#include "platform/core/ScopeGuard.h"

namespace tarnwick {

namespace {

// A join streams its place, looks and the anchoring of its link point; the rest of the
// block's properties come from its constructor.
std::vector<TPropInfo> JoinProperties() {
  using J = TDiagramLineJoin;
  static const char* const kept[] = {"Left",     "Top",   "Width",    "Height", "CornerRadius", "Brush",
                                     "SelBrush", "Color", "SelColor", "Pen",    "StringData"};
  std::vector<TPropInfo> props;
  for (const TPropInfo& p : TCustomDiagramBlock::StaticClassInfo().Properties()) {
    const bool keep =
        std::any_of(std::begin(kept), std::end(kept), [&](const char* k) { return p.Name == QLatin1String(k); });
    if (!keep) props.push_back(TPropInfo(p).NotStored());
  }
  props.push_back(ObjectProp("Anchor", TDiagramControl::StaticClassInfo(), &J::GetAnchor, &J::SetAnchor));
  props.push_back(IntProp("AnchorIndex", &J::GetAnchorIndex, &J::SetAnchorIndex));
  props.push_back(EnumProp("Orientation", AnchorOrientationType(), &J::GetOrientation, &J::SetOrientation));
  return props;
}

}  // namespace

const TClassInfo& TDiagramLineJoin::StaticClassInfo() {
  static const TClassInfo info("TDiagramLineJoin", &TCustomDiagramBlock::StaticClassInfo(), JoinProperties(),
                               [](TComponent* owner) { return Create<TDiagramLineJoin>(owner); });
  return info;
}

TDiagramLineJoin::TDiagramLineJoin(TComponent* AOwner) : TCustomDiagramBlock(AOwner) {
  SetShape(bsNoShape);
  SetRestrictions(TControlRestrictions{crNoResize, crNoRotation, crNoEdit});
  SetWidth(20);
  SetHeight(20);
  SetOriginalRect(TSquare{0, 0, 20, 20});
  UpdateBlockHandles();
  GetLinkPoints()->Add(10, 10, aoNone);
}

TLinkPoint* TDiagramLineJoin::JoinPoint() const {
  TLinkPoints* points = GetLinkPoints();
  return points && points->Count() > 0 ? points->GetItems(0) : nullptr;
}

TDiagramControl* TDiagramLineJoin::GetAnchor() const {
  TLinkPoint* p = JoinPoint();
  return p ? p->GetAnchor() : nullptr;
}

void TDiagramLineJoin::SetAnchor(TDiagramControl* Value) {
  if (TLinkPoint* p = JoinPoint()) p->SetAnchor(Value);
}

int TDiagramLineJoin::GetAnchorIndex() const {
  TLinkPoint* p = JoinPoint();
  return p ? p->GetAnchorIndex() : -1;
}

void TDiagramLineJoin::SetAnchorIndex(int Value) {
  if (TLinkPoint* p = JoinPoint()) p->SetAnchorIndex(Value);
}

TAnchorOrientation TDiagramLineJoin::GetOrientation() const {
  TLinkPoint* p = JoinPoint();
  return p ? p->GetOrientation() : aoNone;
}

void TDiagramLineJoin::SetOrientation(TAnchorOrientation Value) {
  if (TLinkPoint* p = JoinPoint()) p->SetOrientation(Value);
}

bool TDiagramLineJoin::FollowsBackTo(const TLinkPoint* AAnchor, const TLinkPoint* ALinkPoint) {
  // A line end follows the point it is anchored to, and a join follows its anchor; any
  // other point stays where its control puts it, which ends the chain.
  std::unordered_set<const TLinkPoint*> seen;
  for (const TLinkPoint* p = AAnchor; p;) {
    if (p == ALinkPoint) return true;
    if (!seen.insert(p).second) return false;
    TDiagramControl* owner = p->GetDControl();
    if (owner && owner->IsLine())
      p = p->GetAnchorLink();
    else if (auto* join = dynamic_cast<TDiagramLineJoin*>(owner))
      p = join->JoinPoint() ? join->JoinPoint()->GetAnchorLink() : nullptr;
    else
      p = nullptr;
  }
  return false;
}

void TDiagramLineJoin::AnchorLinkChanged(TLinkPoint* ALinkPoint) {
  if (!ALinkPoint) return;
  TLinkPoint* anchor = ALinkPoint->GetAnchorLink();
  if (!anchor) return;
  if (FollowsBackTo(anchor, ALinkPoint)) {
    // Following it would move the join for ever: each move would move the anchor again.
    ALinkPoint->SetAnchorLink(nullptr);
    return;
  }
  FOldAnchorPos = anchor->DiagramPoint();
}

void TDiagramLineJoin::LinkedAnchorChanged(TLinkPoint* ALinkPoint, TAnchorChange) {
  // On removal the point was released first, so the join stays where it is.
  TLinkPoint* anchor = ALinkPoint ? ALinkPoint->GetAnchorLink() : nullptr;
  if (!anchor) return;
  const TDot now = anchor->DiagramPoint();
  const TDot delta{now.X - FOldAnchorPos.X, now.Y - FOldAnchorPos.Y};
  FOldAnchorPos = now;
  if (FMoving > 0 || (delta.X == 0 && delta.Y == 0)) return;
  MoveBy(delta.X, delta.Y);
}

void TDiagramLineJoin::BoundsChanged(const TSquare& AOld, const TSquare& ANew) {
  const TScopedCount moving(FMoving);
  TCustomDiagramBlock::BoundsChanged(AOld, ANew);
}

}  // namespace tarnwick
