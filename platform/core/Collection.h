#pragma once
// Owned collections: a TCollection owns its TCollectionItems. Items carry a stable ID,
// changes are reported through Update(), and BeginUpdate/EndUpdate bracket bulk work so
// Update() runs once at the end.
#include <vector>

#include "platform/core/Persistent.h"

namespace tarnwick {

class TCollection;

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollectionItem : public TPersistent {
  TARNWICK_CLASS(TCollectionItem)

 public:
  // Joins Collection (when given) at the end.
  explicit TCollectionItem(TCollection* Collection);
  ~TCollectionItem() override;
  void BeforeDestruction() override;

  TCollection* GetCollection() const { return FCollection; }
  // Moves the item to another collection (or out of any, with null).
  virtual void SetCollection(TCollection* Value);
  int GetID() const { return FID; }
  int GetIndex() const;
  virtual void SetIndex(int Value);
  virtual QString GetDisplayName() const;
  virtual void SetDisplayName(const QString& Value);
  TPersistent* GetOwner() const override;
  QString GetNamePath() const override;

 protected:
  // Reports a change of this item (or of all items) to the collection.
  void Changed(bool AllItems);

 private:
  friend class TCollection;
  TCollection* FCollection = nullptr;
  int FID = 0;
};

class TCollection : public TPersistent {
  TARNWICK_CLASS(TCollection)

 public:
  TCollection* AsCollection() override { return this; }
  // ItemClass must be able to create items (TClassInfo with an item factory).
  explicit TCollection(const TClassInfo& ItemClass);
  ~TCollection() override;
  void BeforeDestruction() override;

  const TClassInfo& GetItemClass() const { return *FItemClass; }
  int GetCount() const { return static_cast<int>(FItems.size()); }
  int Count() const { return GetCount(); }
  TCollectionItem* GetItems(int Index) const;
  void SetItems(int Index, TCollectionItem* Value);

  TCollectionItem* Add();
  TCollectionItem* Insert(int Index);
  void Delete(int Index);
  void Clear();
  // Removes the item from the collection without freeing it.
  void Extract(TCollectionItem* Item);
  TCollectionItem* FindItemID(int ID) const;
  void Exchange(int Index1, int Index2);

  void BeginUpdate();
  void EndUpdate();
  int GetUpdateCount() const { return FUpdateCount; }
  int GetNextID() const { return FNextID; }

  void Assign(TPersistent* Source) override;
  QString GetNamePath() const override;
  // The property name under which the owner publishes this collection (for name paths).
  QString GetPropName() const { return FPropName; }
  void SetPropName(const QString& Value) { FPropName = Value; }

  template <class T>
  T* Item(int Index) const {
    return static_cast<T*>(GetItems(Index));
  }

 protected:
  // Runs after a change while no update bracket is open; Item is null when everything
  // (or the set of items) changed.
  virtual void Update(TCollectionItem* Item);
  virtual void Notify(TCollectionItem* Item, TCollectionNotification Action);
  void Changed();

 private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* Item);
  void RemoveItem(TCollectionItem* Item);

  const TClassInfo* FItemClass;
  std::vector<TCollectionItem*> FItems;
  int FUpdateCount = 0;
  int FNextID = 0;
  QString FPropName;
};

// A collection that knows its owner, so name paths read "Owner.Property[i]".
class TOwnedCollection : public TCollection {
  TARNWICK_CLASS(TOwnedCollection)

 public:
  TOwnedCollection(TPersistent* AOwner, const TClassInfo& ItemClass) : TCollection(ItemClass), FOwner(AOwner) {}
  TPersistent* GetOwner() const override { return FOwner; }

 private:
  TPersistent* FOwner;
};

}  // namespace tarnwick
