#include "platform/core/Collection.h"

#include <algorithm>

#include "platform/core/Consts.h"
#include "platform/core/Exception.h"

namespace tarnwick {

const TClassInfo& TCollectionItem::StaticClassInfo() {
  static const TClassInfo info("TCollectionItem", &TPersistent::StaticClassInfo(), {}, {},
                               [](TCollection* c) { return Create<TCollectionItem>(c); });
  return info;
}

TCollectionItem::TCollectionItem(TCollection* Collection) {
  if (Collection) Collection->InsertItem(this);
}

TCollectionItem::~TCollectionItem() {
  if (FCollection) FCollection->RemoveItem(this);
}

void TCollectionItem::BeforeDestruction() {
  SetCollection(nullptr);
  TPersistent::BeforeDestruction();
}

void TCollectionItem::SetCollection(TCollection* Value) {
  if (FCollection == Value) return;
  if (FCollection) FCollection->RemoveItem(this);
  if (Value) Value->InsertItem(this);
}

int TCollectionItem::GetIndex() const {
  if (!FCollection) return -1;
  auto& v = FCollection->FItems;
  auto it = std::find(v.begin(), v.end(), this);
  return it == v.end() ? -1 : static_cast<int>(it - v.begin());
}

void TCollectionItem::SetIndex(int Value) {
  int cur = GetIndex();
  if (cur < 0 || cur == Value) return;
  auto& v = FCollection->FItems;
  if (Value < 0 || Value >= static_cast<int>(v.size())) throw EListError(msg::ListIndexError, Value);
  v.erase(v.begin() + cur);
  v.insert(v.begin() + Value, this);
  Changed(true);
}

QString TCollectionItem::GetDisplayName() const { return ClassName(); }
void TCollectionItem::SetDisplayName(const QString&) { Changed(false); }

TPersistent* TCollectionItem::GetOwner() const { return FCollection; }

QString TCollectionItem::GetNamePath() const {
  if (!FCollection) return ClassName();
  return Format("%s[%d]", FCollection->GetNamePath(), GetIndex());
}

void TCollectionItem::Changed(bool AllItems) {
  if (FCollection && FCollection->FUpdateCount == 0) FCollection->Update(AllItems ? nullptr : this);
}

const TClassInfo& TCollection::StaticClassInfo() {
  static const TClassInfo info("TCollection", &TPersistent::StaticClassInfo(), {});
  return info;
}

const TClassInfo& TOwnedCollection::StaticClassInfo() {
  static const TClassInfo info("TOwnedCollection", &TCollection::StaticClassInfo(), {});
  return info;
}

TCollection::TCollection(const TClassInfo& ItemClass) : FItemClass(&ItemClass) {}

TCollection::~TCollection() {
  FUpdateCount = 1;
  while (!FItems.empty()) {
    TCollectionItem* item = FItems.back();
    RemoveItem(item);
    item->Free();
  }
}

void TCollection::BeforeDestruction() {
  // Items are freed without change reports: nobody is left to care.
  FUpdateCount = 1;
  while (!FItems.empty()) FItems.back()->Free();
  TPersistent::BeforeDestruction();
}

TCollectionItem* TCollection::GetItems(int Index) const {
  if (Index < 0 || Index >= GetCount()) throw EListError(msg::ListIndexError, Index);
  return FItems[static_cast<size_t>(Index)];
}

void TCollection::SetItems(int Index, TCollectionItem* Value) { GetItems(Index)->Assign(Value); }

TCollectionItem* TCollection::Add() {
  TCollectionItem* item = FItemClass->CreateItem(this);
  if (!item) throw EInvalidOperation(Format("Cannot create an item of class %s", FItemClass->ClassName()));
  // A factory that did not join the item to this collection gets it joined here.
  if (item->FCollection != this) item->SetCollection(this);
  return item;
}

TCollectionItem* TCollection::Insert(int Index) {
  if (Index < 0 || Index > GetCount()) throw EListError(msg::ListIndexError, Index);
  BeginUpdate();
  TCollectionItem* item = nullptr;
  try {
    item = Add();
    item->SetIndex(Index);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
  return item;
}

void TCollection::Delete(int Index) {
  TCollectionItem* item = GetItems(Index);
  Notify(item, cnDeleting);
  item->Free();
}

void TCollection::Clear() {
  if (FItems.empty()) return;
  BeginUpdate();
  while (!FItems.empty()) FItems.back()->Free();
  EndUpdate();
}

void TCollection::Extract(TCollectionItem* Item) {
  if (!Item || Item->FCollection != this) return;
  Notify(Item, cnExtracting);
  RemoveItem(Item);
}

TCollectionItem* TCollection::FindItemID(int ID) const {
  for (TCollectionItem* item : FItems)
    if (item->FID == ID) return item;
  return nullptr;
}

void TCollection::Exchange(int Index1, int Index2) {
  GetItems(Index1);
  GetItems(Index2);
  std::swap(FItems[static_cast<size_t>(Index1)], FItems[static_cast<size_t>(Index2)]);
  Changed();
}

void TCollection::BeginUpdate() { ++FUpdateCount; }

void TCollection::EndUpdate() {
  if (FUpdateCount > 0) --FUpdateCount;
  Changed();
}

void TCollection::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TCollection*>(Source);
  if (!src) {
    TPersistent::Assign(Source);
    return;
  }
  if (src == this) return;
  BeginUpdate();
  try {
    Clear();
    for (TCollectionItem* item : src->FItems) Add()->Assign(item);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

QString TCollection::GetNamePath() const {
  TPersistent* owner = GetOwner();
  if (!owner || FPropName.isEmpty()) return ClassName();
  QString path = owner->GetNamePath();
  return path.isEmpty() ? FPropName : path + u'.' + FPropName;
}

void TCollection::Update(TCollectionItem*) {}
void TCollection::Notify(TCollectionItem*, TCollectionNotification) {}

void TCollection::Changed() {
  if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* Item) {
  FItems.push_back(Item);
  Item->FCollection = this;
  Item->FID = FNextID++;
  Notify(Item, cnAdded);
  Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item) {
  auto it = std::find(FItems.begin(), FItems.end(), Item);
  if (it == FItems.end()) return;
  if (it + 1 == FItems.end())
    FItems.pop_back();
  else
    FItems.erase(it);
  Item->FCollection = nullptr;
  Changed();
}

}  // namespace tarnwick
