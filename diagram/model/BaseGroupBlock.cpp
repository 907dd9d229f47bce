// The group's life: its published table, membership bookkeeping, following its diagram,
// freeing its members, and the drag steps. The geometry of carrying members is in
// GroupGeometry.cpp.
#include "diagram/model/BaseGroupBlock.h"

#include <QSet>

#include "diagram/lines/CustomLine.h"
#include "diagram/model/DiagramHost.h"
#include "platform/core/Properties.h"

namespace tarnwick {

namespace {

// A group streams only its geometry, its permissions and its members; the block's other
// properties stay readable but are never written for it.
std::vector<TPropInfo> GroupProperties() {
  static const QSet<QString> kept{"Left",         "Top",      "Width",     "Height",     "CornerRadius", "Angle",
                                  "Restrictions", "MinWidth", "MinHeight", "StringData", "Visible"};
  std::vector<TPropInfo> own;
  for (const TPropInfo& p : TCustomDiagramBlock::StaticClassInfo().Properties())
    if (!kept.contains(p.Name)) own.push_back(TPropInfo(p).NotStored());
  own.push_back(ObjectProp("Members", TGroupMemberList::StaticClassInfo(), &TBaseGroupBlock::GetMembers,
                           &TBaseGroupBlock::SetMembers));
  return own;
}

}  // namespace

const TClassInfo& TBaseGroupBlock::StaticClassInfo() {
  static const TClassInfo info("TBaseGroupBlock", &TCustomDiagramBlock::StaticClassInfo(), GroupProperties());
  return info;
}

TBaseGroupBlock::TBaseGroupBlock(TComponent* AOwner) : TCustomDiagramBlock(AOwner) {
  FMembers = MakeOwned<TGroupMemberList>(this);
  FMembers->SetPropName(QStringLiteral("Members"));
  SetShape(bsNoShape);
}

TBaseGroupBlock::~TBaseGroupBlock() = default;

void TBaseGroupBlock::BeforeDestruction() {
  FGroupDestroying = true;
  if (FMembers) FMembers->Clear();
  TCustomDiagramBlock::BeforeDestruction();
  FMembers.reset();
}

void TBaseGroupBlock::SetMembers(TGroupMemberList* Value) {
  if (Value && Value != FMembers.get()) FMembers->Assign(Value);
}

void TBaseGroupBlock::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomDiagramBlock::Notification(AComponent, Operation);
  // Only a member being freed leaves: a control that merely changes owner (the clipboard,
  // undo) is still the same member.
  if (Operation != opRemove || !FMembers || !AComponent || !AComponent->IsDestroying()) return;
  for (int i = FMembers->Count() - 1; i >= 0; --i)
    if (i < FMembers->Count() && FMembers->GetItems(i)->GetDControl() == AComponent) FMembers->Delete(i);
}

// ---- Members ----

bool TBaseGroupBlock::HasSelection() const {
  if (GetSelected()) return true;
  std::vector<TDiagramControl*> all;
  CollectMembers(all);
  for (TDiagramControl* c : all)
    if (c->GetSelected()) return true;
  return false;
}

void TBaseGroupBlock::CollectMembers(std::vector<TDiagramControl*>& AList) const {
  // Breadth first over the member lists; a control met twice is not walked again, so a
  // damaged tree cannot loop.
  std::vector<const TBaseGroupBlock*> groups{this};
  for (size_t g = 0; g < groups.size(); ++g) {
    const TGroupMemberList* members = groups[g]->GetMembers();
    if (!members) continue;
    for (int i = 0; i < members->Count(); ++i) {
      TDiagramControl* c = members->GetItems(i)->GetDControl();
      if (!c || c == this || std::find(AList.begin(), AList.end(), c) != AList.end()) continue;
      AList.push_back(c);
      if (auto* sub = dynamic_cast<const TBaseGroupBlock*>(c)) groups.push_back(sub);
    }
  }
}

void TBaseGroupBlock::FreeMembers() {
  while (FMembers->Count() > 0) {
    const int count = FMembers->Count();
    TDControlListItem* item = FMembers->GetItems(count - 1);
    TDiagramControl* c = item->GetDControl();
    if (!c) {
      item->Free();
      continue;
    }
    if (auto* sub = dynamic_cast<TBaseGroupBlock*>(c)) sub->FreeMembers();
    c->Free();
    // A freed member normally takes its item with it; if not, the item goes here, so the
    // loop always ends.
    if (FMembers->Count() == count) FMembers->Delete(count - 1);
  }
}

void TBaseGroupBlock::DropEmptyItems() {
  for (int i = FMembers->Count() - 1; i >= 0; --i)
    if (!FMembers->GetItems(i)->GetDControl()) FMembers->Delete(i);
}

void TBaseGroupBlock::NotifyMembers() {
  for (int i = 0; i < FMembers->Count(); ++i)
    if (TDiagramControl* c = FMembers->GetItems(i)->GetDControl()) c->NotifyAnchoreds(acPosition);
}

// ---- Block operations ----

void TBaseGroupBlock::DefaultSurroundPts(TDotArray& Pts) { Pts.clear(); }

void TBaseGroupBlock::BoundsChanged(const TSquare& AOld, const TSquare& ANew) {
  TCustomDiagramBlock::BoundsChanged(AOld, ANew);
  if (!FMembers || FSwappingPreview) return;
  ScaleMembers(AOld, ANew);
  NotifyMembers();
}

void TBaseGroupBlock::AngleChanged(double ANew, double AOld) {
  TCustomDiagramBlock::AngleChanged(ANew, AOld);
  if (!FMembers || FSwappingPreview) return;
  RotateMembers(ANew - AOld);
  NotifyMembers();
}

void TBaseGroupBlock::DiagramChanged(TdvDiagram* AOld, TdvDiagram* ANew) {
  TCustomDiagramBlock::DiagramChanged(AOld, ANew);
  if (FGroupDestroying || !FMembers || !MembersFollowDiagram()) return;
  for (int i = 0; i < FMembers->Count(); ++i)
    if (TDiagramControl* c = FMembers->GetItems(i)->GetDControl(); c && !c->IsDestroying()) c->SetDiagram(ANew);
}

void TBaseGroupBlock::EnterCursorState() {
  FSwappingPreview = true;
  TCustomDiagramBlock::EnterCursorState();
  FSwappingPreview = false;
}

void TBaseGroupBlock::LeaveCursorState() {
  FSwappingPreview = true;
  TCustomDiagramBlock::LeaveCursorState();
  FSwappingPreview = false;
}

void TBaseGroupBlock::ReleaseMemberLineEnds() {
  std::vector<TDiagramControl*> all;
  CollectMembers(all);
  for (TDiagramControl* c : all) {
    auto* line = dynamic_cast<TCustomDiagramLine*>(c);
    if (!line || line->GetRequiresConnections()) continue;
    for (TLinkPoint* end : {line->GetSourceLinkPoint(), line->GetTargetLinkPoint()}) {
      if (!end) continue;
      TDiagramControl* anchor = end->GetAnchor();
      if (anchor && !anchor->GetSelected()) end->SetAnchorLink(nullptr);
    }
  }
}

void TBaseGroupBlock::UpdateHandleMove(THandleMoveInfo& AInfo) {
  UpdateMembers();
  switch (AInfo.Action) {
    case haEraseCursor:
    case haDrawCursor:
      TCustomDiagramBlock::UpdateHandleMove(AInfo);
      break;
    case haMoved:
      ReleaseMemberLineEnds();
      TCustomDiagramBlock::UpdateHandleMove(AInfo);
      break;
    case haPositionCursor: {
      const TSquare g0 = GetBoundsRect();
      const double a0 = GetAngle();
      TCustomDiagramBlock::UpdateHandleMove(AInfo);
      PositionMemberCursors(g0, a0, GetCursorRect(), GetCursorAngle());
      break;
    }
  }
}

}  // namespace tarnwick
