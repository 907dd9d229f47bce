#include "diagram/libraries/Library.h"

#include <algorithm>

#include "diagram/libraries/LibraryItem.h"
#include "diagram/libraries/LibraryManager.h"
#include "platform/core/ClassInfo.h"
#include "platform/core/Consts.h"
#include "platform/core/Exception.h"

namespace tarnwick {

const TClassInfo& TDgrLibrary::StaticClassInfo() {
  static const TClassInfo info("TDgrLibrary", &TComponent::StaticClassInfo(), {},
                               [](TComponent* owner) { return Create<TDgrLibrary>(owner); });
  return info;
}

TDgrLibrary::TDgrLibrary(TComponent* AOwner) : TComponent(AOwner) {}

void TDgrLibrary::BeforeDestruction() {
  Clear();
  if (FManager) FManager->RemoveLibrary(this);
  TComponent::BeforeDestruction();
}

TDgrLibraryItem* TDgrLibrary::GetItem(int Index) const {
  if (Index < 0 || Index >= Count()) throw EListError(msg::ListIndexError, Index);
  return FItems[static_cast<size_t>(Index)];
}

TDgrLibraryItem* TDgrLibrary::NewItem() {
  auto* item = Create<TDgrLibraryItem>(nullptr);
  AddItem(item);
  return item;
}

void TDgrLibrary::AddItem(TDgrLibraryItem* AItem) {
  if (!AItem || AItem->FOwnerLibrary == this) return;
  if (AItem->FOwnerLibrary) AItem->FOwnerLibrary->RemoveItem(AItem);
  FItems.push_back(AItem);
  AItem->FOwnerLibrary = this;
}

TDgrLibraryItem* TDgrLibrary::FindItem(const QString& ACategory, const QString& AItemName) const {
  for (TDgrLibraryItem* item : FItems)
    if (item->GetCategory().compare(ACategory, Qt::CaseInsensitive) == 0 &&
        item->GetItemName().compare(AItemName, Qt::CaseInsensitive) == 0)
      return item;
  return nullptr;
}

TDgrLibraryItem* TDgrLibrary::FindItemByName(const QString& AItemName) const {
  for (TDgrLibraryItem* item : FItems)
    if (item->GetItemName().compare(AItemName, Qt::CaseInsensitive) == 0) return item;
  return nullptr;
}

void TDgrLibrary::DeleteItem(TDgrLibraryItem* AItem) {
  if (!AItem) return;
  if (FManager) FManager->DeleteItem(AItem);
}

void TDgrLibrary::RenameItem(TDgrLibraryItem* AItem, const QString& ANewName) {
  if (!AItem || AItem->GetOwnerLibrary() != this || !FManager) return;
  FManager->RenameItem(AItem, ANewName);
}

void TDgrLibrary::Clear() {
  // Newest first; each item takes itself out of the list as it goes.
  while (!FItems.empty()) FItems.back()->Free();
}

void TDgrLibrary::RemoveItem(TDgrLibraryItem* AItem) {
  auto it = std::find(FItems.begin(), FItems.end(), AItem);
  if (it != FItems.end()) FItems.erase(it);
  AItem->FOwnerLibrary = nullptr;
}

}  // namespace tarnwick
