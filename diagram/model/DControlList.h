#pragma once
// TDControlList: an owned collection whose items refer to diagram controls by reference
// (streams hold the control's name). The list reports every control that comes into it or
// leaves it through two hooks, so a subclass can keep the controls' side of a relation in
// step; it may also refuse a control before any item refers to it.
#include "platform/core/Collection.h"

namespace tarnwick {

class TDiagramControl;
class TDControlList;

class TDControlListItem : public TCollectionItem {
  TARNWICK_CLASS(TDControlListItem)

 public:
  explicit TDControlListItem(TCollection* Collection);
  // Lets go of the control first, so the list hears of its removal while it is whole.
  void BeforeDestruction() override;
  // Copies the reference.
  void Assign(TPersistent* Source) override;

  TDiagramControl* GetDControl() const { return FDControl; }
  // Reports the old control as removed, then the new one as added. A control the list
  // refuses leaves the item without one.
  void SetDControl(TDiagramControl* Value);
  // The published setter: the reader resolves a document's (or the clipboard's) reference
  // through it, and the list knows the control comes from a stream.
  void SetStreamedDControl(TDiagramControl* Value);

 private:
  TDControlList* List() const;
  TDiagramControl* FDControl = nullptr;
};

class TDControlList : public TOwnedCollection {
  TARNWICK_CLASS(TDControlList)

 public:
  explicit TDControlList(TPersistent* AOwner);
  TDControlList(TPersistent* AOwner, const TClassInfo& ItemClass) : TOwnedCollection(AOwner, ItemClass) {}

  // A new item referring to ADControl; null when the list refuses the control.
  TDControlListItem* Add(TDiagramControl* ADControl);
  // Frees the first item that refers to ADControl; nothing when there is none.
  void Remove(TDiagramControl* ADControl);
  TDControlListItem* GetItems(int Index) const { return static_cast<TDControlListItem*>(TCollection::GetItems(Index)); }
  void SetItems(int Index, TDControlListItem* Value) { TCollection::SetItems(Index, Value); }
  // The first item that refers to ADControl, or null.
  TDControlListItem* FindItem(const TDiagramControl* ADControl) const;
  int IndexOf(const TDiagramControl* ADControl) const;
  // A stream is setting an item's control: the relation it restores was stored whole.
  bool SettingFromStream() const { return FSettingFromStream; }

 protected:
  friend class TDControlListItem;
  virtual void ControlAdded(TDiagramControl*) {}
  virtual void ControlRemoved(TDiagramControl*) {}
  virtual bool AcceptsControl(TDiagramControl*) { return true; }

 private:
  bool FSettingFromStream = false;
};

}  // namespace tarnwick
