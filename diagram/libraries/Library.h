#pragma once
// A named block library: a list of library items and the manager it belongs to. The list
// does not own the items in the component sense, but the library frees them when it is
// cleared or destroyed; an item freed on its own takes itself out of the list.
#include <QString>
#include <vector>

#include "platform/core/Component.h"

namespace tarnwick {

class TDgrLibraryItem;
class TDgrLibraryManager;

class TDgrLibrary : public TComponent {
  TARNWICK_CLASS(TDgrLibrary)

 public:
  explicit TDgrLibrary(TComponent* AOwner);
  void BeforeDestruction() override;

  const QString& GetLibraryName() const { return FLibraryName; }
  void SetLibraryName(const QString& Value) { FLibraryName = Value; }
  TDgrLibraryManager* GetManager() const { return FManager; }

  int Count() const { return static_cast<int>(FItems.size()); }
  TDgrLibraryItem* GetItem(int Index) const;
  // A new item without owner, appended to the list.
  TDgrLibraryItem* NewItem();
  // Appends an item made elsewhere (taken out of the library it was in).
  void AddItem(TDgrLibraryItem* AItem);
  // The first item whose category and item name both match, letter case ignored.
  TDgrLibraryItem* FindItem(const QString& ACategory, const QString& AItemName) const;
  // The first item of that item name, letter case ignored (the name is its file name).
  TDgrLibraryItem* FindItemByName(const QString& AItemName) const;
  // Deletes the item's file through the manager's filer; the item stays in the list.
  void DeleteItem(TDgrLibraryItem* AItem);
  // Gives the item a new item name and file; its registry entry moves with it when it
  // had one.
  void RenameItem(TDgrLibraryItem* AItem, const QString& ANewName);
  // Frees every item.
  void Clear();

 private:
  friend class TDgrLibraryItem;
  friend class TDgrLibraryManager;

  void RemoveItem(TDgrLibraryItem* AItem);

  QString FLibraryName;
  std::vector<TDgrLibraryItem*> FItems;
  TDgrLibraryManager* FManager = nullptr;
};

}  // namespace tarnwick
