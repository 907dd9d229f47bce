#include "platform/core/Component.h"

#include <algorithm>
#include <map>

#include "platform/core/Consts.h"
#include "platform/core/Exception.h"
#include "platform/core/Properties.h"

namespace tarnwick {

std::function<void(TReader*, TComponent*)> TComponent::ReadDataHook;
std::function<void(TWriter*, TComponent*)> TComponent::WriteDataHook;

const TClassInfo& TComponent::StaticClassInfo() {
  static const TClassInfo info(
      "TComponent", &TPersistent::StaticClassInfo(),
      {StringProp("Name", &TComponent::GetName, &TComponent::SetName).NotStored(),
       IntProp("Tag", &TComponent::GetTag, &TComponent::SetTag, 0)},
      [](TComponent* owner) { return Create<TComponent>(owner); });
  return info;
}

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  // A component deleted without Free() still leaves its owner and free-notification
  // partners consistent; only the overrides of BeforeDestruction are out of reach here.
  if (!IsFreeing()) TComponent::BeforeDestruction();
}

void TComponent::BeforeDestruction() {
  Destroying();
  // Tell everyone who asked; unlink first so an override that does not call the inherited
  // Notification cannot loop.
  while (!FFreeNotifies.Empty()) {
    TComponent* other = FFreeNotifies.Last();
    FFreeNotifies.Remove(other);
    other->FFreeNotifies.Remove(this);
    other->Notification(this, opRemove);
  }
  DestroyComponents();
  // As when an owner frees its components: only a component someone asked about is
  // announced to the owner (those who asked were told above). Announcing every one to
  // every sibling would make freeing the controls of a large diagram quadratic.
  if (FOwner) {
    if (FComponentState.Contains(csFreeNotification))
      FOwner->RemoveDestroyedComponent(this);
    else
      FOwner->Remove(this);
  }
  TPersistent::BeforeDestruction();
}

void TComponent::Destroying() {
  if (FComponentState.Contains(csDestroying)) return;
  FComponentState.Include(csDestroying);
  for (TComponent* c : FComponents) c->Destroying();
}

TComponent* TComponent::GetComponents(int Index) const {
  if (Index < 0 || Index >= GetComponentCount()) throw EListError(msg::ListIndexError, Index);
  return FComponents[static_cast<size_t>(Index)];
}

int TComponent::GetComponentIndex() const {
  if (!FOwner) return -1;
  auto& list = FOwner->FComponents;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

TComponent* TComponent::FindComponent(const QString& AName) const {
  if (AName.isEmpty()) return nullptr;
  return FNameIndex.value(AName.toCaseFolded(), nullptr);
}

bool TComponent::IsValidIdent(const QString& Ident) {
  if (Ident.isEmpty()) return false;
  QChar first = Ident[0];
  if (!(first.isLetter() || first == u'_')) return false;
  for (QChar c : Ident)
    if (!(c.isLetterOrNumber() || c == u'_')) return false;
  return true;
}

void TComponent::SetName(const QString& NewName) {
  if (FName == NewName) return;
  if (!NewName.isEmpty() && !IsValidIdent(NewName)) throw EComponentError(msg::InvalidName, NewName);
  if (FOwner)
    FOwner->ValidateRename(this, FName, NewName);
  else
    ValidateRename(nullptr, FName, NewName);
  ChangeName(NewName);
}

void TComponent::ChangeName(const QString& NewName) {
  if (FOwner) {
    auto it = FOwner->FNameIndex.find(FName.toCaseFolded());
    if (it != FOwner->FNameIndex.end() && it.value() == this) FOwner->FNameIndex.erase(it);
    if (!NewName.isEmpty()) FOwner->FNameIndex.insert(NewName.toCaseFolded(), this);
  }
  FName = NewName;
}

void TComponent::ValidateRename(TComponent* AComponent, const QString& CurName, const QString& NewName) {
  if (AComponent && CurName.compare(NewName, Qt::CaseInsensitive) != 0 && AComponent->FOwner == this &&
      FindComponent(NewName))
    throw EComponentError(msg::DuplicateName, NewName);
}

void TComponent::ValidateInsert(TComponent*) {}

void TComponent::ValidateContainer(TComponent* AComponent) { AComponent->ValidateInsert(this); }

void TComponent::InsertComponent(TComponent* AComponent) {
  AComponent->ValidateContainer(this);
  ValidateRename(AComponent, QString(), AComponent->FName);
  Insert(AComponent);
  if (FComponentState.Contains(csDesigning)) AComponent->SetDesigning(true);
  Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  Notification(AComponent, opRemove);
  Remove(AComponent);
}

void TComponent::RemoveDestroyedComponent(TComponent* AComponent) {
  // Whoever asked about AComponent has been told as it was destroyed; the owner hears of
  // the removal itself, without passing it on to every other component it owns.
  ++FQuietNotifications;
  try {
    Notification(AComponent, opRemove);
  } catch (...) {
    --FQuietNotifications;
    throw;
  }
  --FQuietNotifications;
  Remove(AComponent);
}

void TComponent::Insert(TComponent* AComponent) {
  FComponents.push_back(AComponent);
  AComponent->FOwner = this;
  if (!AComponent->FName.isEmpty()) FNameIndex.insert(AComponent->FName.toCaseFolded(), AComponent);
}

void TComponent::Remove(TComponent* AComponent) {
  AComponent->FOwner = nullptr;
  if (!AComponent->FName.isEmpty()) {
    auto idx = FNameIndex.find(AComponent->FName.toCaseFolded());
    if (idx != FNameIndex.end() && idx.value() == AComponent) FNameIndex.erase(idx);
  }
  // Owners free their components newest first, so search from the end.
  auto it = std::find(FComponents.rbegin(), FComponents.rend(), AComponent);
  if (it != FComponents.rend()) FComponents.erase(std::next(it).base());
}

void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    TComponent* instance = FComponents.back();
    // Components someone asked about are announced to this owner (who asked was told as
    // each went); the rest leave quietly, which keeps freeing a large owner linear.
    if (instance->FComponentState.Contains(csFreeNotification))
      RemoveDestroyedComponent(instance);
    else
      Remove(instance);
    instance->Free();
  }
}

void TComponent::FreeNotification(TComponent* AComponent) {
  if (!AComponent || AComponent == this) return;
  // Siblings are recorded as well as strangers: each is told directly when the other goes,
  // so an owner never announces a removal to all its components, which made freeing a
  // large owner (a diagram whose lines anchor its blocks) quadratic.
  if (!FFreeNotifies.Contains(AComponent)) {
    FFreeNotifies.Add(AComponent);
    AComponent->FreeNotification(this);
  }
  FComponentState.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  RemoveNotification(AComponent);
  if (AComponent) AComponent->RemoveNotification(this);
}

void TComponent::RemoveNotification(TComponent* AComponent) {
  FFreeNotifies.Remove(AComponent);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  // Only removals travel on to the owned components: they must drop references to the
  // leaving component. Telling every sibling about every arrival would make filling a
  // large owner quadratic, and nothing listens for arrivals but the owner itself.
  if (Operation != opRemove) return;
  if (AComponent) RemoveFreeNotification(AComponent);
  NotifyAll(AComponent, Operation);
}

void TComponent::NotifyAll(TComponent* AComponent, TOperation Operation) {
  if (FQuietNotifications > 0) return;
  // Walk from the end and re-check the bound: a notified component may free others.
  for (size_t i = FComponents.size(); i > 0;) {
    --i;
    if (i >= FComponents.size()) {
      i = FComponents.size();
      continue;
    }
    FComponents[i]->Notification(AComponent, Operation);
  }
}

void TComponent::SetDesigning(bool Value, bool SetChildren) {
  if (Value)
    FComponentState.Include(csDesigning);
  else
    FComponentState.Exclude(csDesigning);
  if (SetChildren)
    for (TComponent* c : FComponents) c->SetDesigning(Value, true);
}

void TComponent::SetReading(bool Value) {
  if (Value)
    FComponentState.Include(csReading);
  else
    FComponentState.Exclude(csReading);
}

void TComponent::SetWriting(bool Value) {
  if (Value)
    FComponentState.Include(csWriting);
  else
    FComponentState.Exclude(csWriting);
}

void TComponent::Updating() { FComponentState.Include(csUpdating); }
void TComponent::Updated() { FComponentState.Exclude(csUpdating); }

void TComponent::ReadState(TReader* Reader) {
  if (!ReadDataHook) throw EFilerError("No stream reader is available");
  ReadDataHook(Reader, this);
}

void TComponent::WriteState(TWriter* Writer) {
  if (!WriteDataHook) throw EFilerError("No stream writer is available");
  WriteDataHook(Writer, this);
}

void TComponent::Loaded() { FComponentState.Exclude(csLoading); }

void TComponent::GetChildren(const TGetChildProc&, TComponent*) {}
TComponent* TComponent::GetChildOwner() { return nullptr; }
TComponent* TComponent::GetChildParent() { return this; }
void TComponent::SetChildOrder(TComponent*, int) {}
void TComponent::SetParentComponent(TComponent*) {}

QString TComponent::GetNamePath() const { return FName; }

namespace {
struct GlobalLookups {
  int next = 1;
  std::map<int, TFindGlobalComponent> procs;
};
GlobalLookups& Lookups() {
  static GlobalLookups g;
  return g;
}
}  // namespace

int RegisterFindGlobalComponentProc(TFindGlobalComponent Proc) {
  auto& g = Lookups();
  int handle = g.next++;
  g.procs.emplace(handle, std::move(Proc));
  return handle;
}

void UnregisterFindGlobalComponentProc(int Handle) { Lookups().procs.erase(Handle); }

TComponent* FindGlobalComponent(const QString& Name) {
  for (auto& [handle, proc] : Lookups().procs)
    if (TComponent* c = proc(Name)) return c;
  return nullptr;
}

}  // namespace tarnwick
