#include "diagram/model/DControlList.h"

#include "diagram/model/DiagramControl.h"
#include "platform/core/Properties.h"

namespace tarnwick {

const TClassInfo& TDControlListItem::StaticClassInfo() {
  static const TClassInfo info("TDControlListItem", &TCollectionItem::StaticClassInfo(),
                               {ObjectProp("DControl", TDiagramControl::StaticClassInfo(),
                                           &TDControlListItem::GetDControl, &TDControlListItem::SetStreamedDControl)},
                               {}, [](TCollection* c) { return Create<TDControlListItem>(c); });
  return info;
}

TDControlListItem::TDControlListItem(TCollection* Collection) : TCollectionItem(Collection) {}

void TDControlListItem::BeforeDestruction() {
  SetDControl(nullptr);
  TCollectionItem::BeforeDestruction();
}

void TDControlListItem::Assign(TPersistent* Source) {
  if (auto* src = dynamic_cast<TDControlListItem*>(Source)) {
    SetDControl(src->FDControl);
    return;
  }
  TCollectionItem::Assign(Source);
}

void TDControlListItem::SetStreamedDControl(TDiagramControl* Value) {
  TDControlList* list = List();
  if (!list) {
    SetDControl(Value);
    return;
  }
  const bool saved = list->FSettingFromStream;
  list->FSettingFromStream = true;
  try {
    SetDControl(Value);
  } catch (...) {
    list->FSettingFromStream = saved;
    throw;
  }
  list->FSettingFromStream = saved;
}

TDControlList* TDControlListItem::List() const { return dynamic_cast<TDControlList*>(GetCollection()); }

void TDControlListItem::SetDControl(TDiagramControl* Value) {
  if (Value == FDControl) return;
  TDControlList* list = List();
  if (Value && list && !list->AcceptsControl(Value)) return;
  if (TDiagramControl* old = FDControl) {
    // The item refers to nothing while the list hears of the removal: the list's own
    // bookkeeping then already sees the control gone.
    FDControl = nullptr;
    if (list) list->ControlRemoved(old);
  }
  FDControl = Value;
  if (Value && list) list->ControlAdded(Value);
}

const TClassInfo& TDControlList::StaticClassInfo() {
  static const TClassInfo info("TDControlList", &TOwnedCollection::StaticClassInfo(), {});
  return info;
}

TDControlList::TDControlList(TPersistent* AOwner) : TOwnedCollection(AOwner, TDControlListItem::StaticClassInfo()) {}

TDControlListItem* TDControlList::Add(TDiagramControl* ADControl) {
  if (ADControl && !AcceptsControl(ADControl)) return nullptr;
  auto* item = static_cast<TDControlListItem*>(TCollection::Add());
  item->SetDControl(ADControl);
  return item;
}

void TDControlList::Remove(TDiagramControl* ADControl) {
  if (TDControlListItem* item = FindItem(ADControl)) item->Free();
}

TDControlListItem* TDControlList::FindItem(const TDiagramControl* ADControl) const {
  const int i = IndexOf(ADControl);
  return i < 0 ? nullptr : GetItems(i);
}

int TDControlList::IndexOf(const TDiagramControl* ADControl) const {
  if (!ADControl) return -1;
  for (int i = 0; i < Count(); ++i)
    if (GetItems(i)->GetDControl() == ADControl) return i;
  return -1;
}

}  // namespace tarnwick
