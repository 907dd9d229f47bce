// The control lists: membership bookkeeping, naming, z-order and measures over the lists.
#include "diagram/view/DiagramControlList.h"

#include <algorithm>
#include <limits>

#include "diagram/model/DiagramControl.h"
#include "diagram/model/LinkPoints.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramSelection.h"
#include "platform/core/Math.h"

namespace tarnwick {

TDiagramControl* TDiagramControlList::FindDControl(const QString& AName) const {
  for (TDiagramControl* c : FDControls)
    if (c->GetName().compare(AName, Qt::CaseInsensitive) == 0) return c;
  return nullptr;
}

TDiagramControl* TDiagramControlList::FindBlock(const QString& AName) const {
  for (TDiagramControl* c : FBlocks)
    if (c->GetName().compare(AName, Qt::CaseInsensitive) == 0) return c;
  return nullptr;
}

bool TDiagramControlList::IsForeignOwned(TDiagramControl* AControl) const {
  TComponent* owner = AControl->GetOwner();
  return owner != FDiagram.GetOwner() && owner != &FDiagram;
}

QString TDiagramControlList::FindCompName(TComponent* AComponent, QString ABaseName) {
  if (ABaseName.isEmpty() && AComponent) {
    ABaseName = AComponent->ClassName();
    if (ABaseName.startsWith(u'T')) ABaseName.remove(0, 1);
  }
  // Names are taken by the components of the component's owner, of the diagram's owner
  // and of the diagram, and by the controls on the diagram.
  std::vector<TComponent*> owners;
  if (AComponent && AComponent->GetOwner()) owners.push_back(AComponent->GetOwner());
  if (FDiagram.GetOwner()) owners.push_back(FDiagram.GetOwner());
  owners.push_back(&FDiagram);
  auto taken = [&](const QString& name) {
    for (TComponent* o : owners)
      if (o->FindComponent(name)) return true;
    // A miscount (an owner changed while on the diagram) only costs the walk.
    return FForeignOwnedControls != 0 && FindDControl(name) != nullptr;
  };
  // Every taken name is carried by one of finitely many components, so one of the first
  // (count + 1) numbers is free.
  int limit = FDControls.Count() + 1;
  for (TComponent* o : owners) limit += o->GetComponentCount();
  const QString hintKey = ABaseName.toCaseFolded();
  QString result;
  for (int n = FNameHints.value(hintKey, 0) + 1; n <= limit + 1; ++n) {
    QString candidate = ABaseName + QString::number(n);
    if (!taken(candidate)) {
      result = candidate;
      FNameHints.insert(hintKey, n - 1);
      break;
    }
  }
  if (FDiagram.OnFindDControlName) FDiagram.OnFindDControlName(&FDiagram, AComponent, ABaseName, result);
  return result;
}

bool TDiagramControlList::AddDControl(TDiagramControl* AControl) {
  if (AControl->FInControlList) return false;
  FDControls.Add(AControl);
  AControl->FInControlList = true;
  if (IsForeignOwned(AControl)) ++FForeignOwnedControls;
  return true;
}

bool TDiagramControlList::RemoveDControl(TDiagramControl* AControl) {
  FNameHints.clear();  // its name, and lower numbers, may be free again
  if (!AControl->FInControlList) return false;
  FDControls.RemoveUnique(AControl);
  AControl->FInControlList = false;
  if (IsForeignOwned(AControl)) --FForeignOwnedControls;
  return true;
}

bool TDiagramControlList::AddBlock(TDiagramControl* ABlock) {
  if (!ABlock || ABlock->FInBlockList) return false;
  FBlocks.Add(ABlock);
  ABlock->FInBlockList = true;
  return true;
}

bool TDiagramControlList::RemoveBlock(TDiagramControl* ABlock) {
  if (!ABlock || !ABlock->FInBlockList) return false;
  FBlocks.RemoveUnique(ABlock);
  ABlock->FInBlockList = false;
  return true;
}

bool TDiagramControlList::AddLink(TDiagramControl* ALink) {
  if (!ALink || ALink->FInLinkList) return false;
  FLinks.Add(ALink);
  ALink->FInLinkList = true;
  return true;
}

bool TDiagramControlList::RemoveLink(TDiagramControl* ALink) {
  if (!ALink || !ALink->FInLinkList) return false;
  FLinks.RemoveUnique(ALink);
  ALink->FInLinkList = false;
  return true;
}

void TDiagramControlList::Clear() {
  while (!FDControls.Empty()) {
    TDiagramControl* c = FDControls[0];
    if (c->IsMember())
      if (TDiagramControl* master = c->GetMasterGroup()) c = master;
    const int before = FDControls.Count();
    c->Free();
    // A control always leaves the lists while it is freed; should an override keep it
    // from doing so, it is dropped here rather than freed again.
    if (FDControls.Count() < before) continue;
    FDControls.Remove(c);
    FBlocks.Remove(c);
    FLinks.Remove(c);
    FDiagram.FSelection->Forget(c);
  }
}

bool TDiagramControlList::MoveIndex(TDiagramControl* AControl, int ANewIndex) {
  const int index = FDControls.IndexOf(AControl);
  if (index < 0) return false;
  FDControls.Move(index, ANewIndex);
  return true;
}

int TDiagramControlList::MaxRight() const {
  int result = 0;
  for (TDiagramControl* c : FDControls) result = std::max(result, Round(c->SurroundRect().Right));
  return result;
}

int TDiagramControlList::MaxBottom() const {
  int result = 0;
  for (TDiagramControl* c : FDControls) result = std::max(result, Round(c->SurroundRect().Bottom));
  return result;
}

int TDiagramControlList::MinLeft() const {
  int result = std::numeric_limits<int>::max();
  for (TDiagramControl* c : FDControls) result = std::min(result, Round(c->SurroundRect().Left));
  return result;
}

int TDiagramControlList::MinTop() const {
  int result = std::numeric_limits<int>::max();
  for (TDiagramControl* c : FDControls) result = std::min(result, Round(c->SurroundRect().Top));
  return result;
}

TSquare TDiagramControlList::ContentBounds() const {
  TSquare bounds;
  bool any = false;
  for (TDiagramControl* c : FDControls) {
    if (!c->IsVisible()) continue;
    const TSquare r = c->SurroundRect();
    if (!any) {
      bounds = r;
      any = true;
    } else {
      bounds.Left = std::min(bounds.Left, r.Left);
      bounds.Top = std::min(bounds.Top, r.Top);
      bounds.Right = std::max(bounds.Right, r.Right);
      bounds.Bottom = std::max(bounds.Bottom, r.Bottom);
    }
  }
  return bounds;
}

TDiagramControl* TDiagramControlList::LinkBetween(TDiagramControl* ABlock1, TDiagramControl* ABlock2) const {
  if (!ABlock1 || !ABlock2) return nullptr;
  for (TDiagramControl* line : FLinks) {
    TLinkPoints* points = line->GetLinkPoints();
    if (points->Count() < 2) continue;
    TDiagramControl* source = points->GetItems(0)->GetAnchor();
    TDiagramControl* target = points->GetItems(1)->GetAnchor();
    if ((source == ABlock1 && target == ABlock2) || (source == ABlock2 && target == ABlock1)) return line;
  }
  return nullptr;
}

}  // namespace tarnwick
