// Making and breaking groups on the diagram, and the diagram's side of group membership.
#include "diagram/model/GroupBlock.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramSelection.h"
#include "platform/core/ClassRegistry.h"
#include "platform/core/ComponentWatch.h"
#include "platform/core/ScopeGuard.h"

namespace tarnwick {

void TdvDiagram::SetCustomGroupBlockClass(const TClassInfo* Value) {
  if (Value && !Value->InheritsFrom(TGroupBlock::StaticClassInfo())) return;
  FCustomGroupBlockClass = Value;
  // Documents holding groups of the class must read back.
  if (Value && !GetClass(Value->ClassName())) RegisterClass(*Value);
}

TGroupBlock* TdvDiagram::AddGroup() {
  const TClassInfo* cls = FCustomGroupBlockClass;
  if (!cls || !cls->CanCreate()) cls = &TGroupBlock::StaticClassInfo();
  TComponent* owner = GetOwner() ? GetOwner() : this;
  auto* group = dynamic_cast<TGroupBlock*>(cls->CreateInstance(owner));
  if (!group) return nullptr;
  TDiagramUpdate operation(*this, QStringLiteral("insert"));
  // A group that cannot be named or placed is not left behind half made.
  TScopeExit freeGroup([group] { group->Free(); });
  group->SetName(FindCompName(group, QStringLiteral("___dgrGroup___")));
  group->SetDiagram(this);
  freeGroup.Dismiss();
  return group;
}

TGroupBlock* TdvDiagram::GroupSelectedBlocks() {
  std::vector<TDiagramControl*> chosen;
  for (TDiagramControl* c : FControls->FDControls)
    if (c->GetSelected() && !c->IsMember()) chosen.push_back(c);
  // Fewer than two make no group: nothing is made, nothing recorded.
  if (chosen.size() < 2) return nullptr;
  TDiagramUpdate operation(*this, QStringLiteral("group"));
  TDiagramUpdate selection(*this, ukSelection);
  TGroupBlock* group = AddGroup();
  if (!group) return nullptr;
  group->BeginUpdateMembers();
  for (TDiagramControl* c : chosen) group->GetMembers()->Add(c);
  group->EndUpdateMembers();
  // The group stands for what was selected.
  SetGroupSelected(group, true);
  return group;
}

void TdvDiagram::UngroupSelectedBlocks() {
  TOwned<TComponentWatch> watch = MakeOwned<TComponentWatch>();
  std::vector<TDiagramControl*> groups;
  for (TDiagramControl* c : FSelection->FSelecteds)
    if (c->IsGroup() && !c->IsMember()) {
      groups.push_back(c);
      watch->Watch(c);
    }
  if (groups.empty()) return;
  TDiagramUpdate operation(*this, QStringLiteral("ungroup"));
  TDiagramUpdate selection(*this, ukSelection);
  for (TDiagramControl* g : groups)
    if (watch->Alive(g)) g->Free();
}

std::vector<TDiagramControl*> TdvDiagram::SelectedControls() const { return FSelection->FSelecteds.Vector(); }

void TdvDiagram::GroupMembershipChanged(TDiagramControl* AGroup) {
  if (AGroup && AGroup->FSelected) SetGroupSelected(AGroup, true);
}

}  // namespace tarnwick
