#pragma once
// Where libraries are kept: the storage interface the library manager works through.
// What a load had to skip (a damaged item file, a name that cannot be used) is collected
// as messages instead of stopping the load, so one bad file never hides the others.
#include <QString>
#include <QStringList>

#include "platform/core/Component.h"

namespace tarnwick {

class TDgrLibrary;
class TDgrLibraryItem;
class TStrings;

class TDgrLibraryFiler : public TComponent {
  TARNWICK_CLASS(TDgrLibraryFiler)

 public:
  explicit TDgrLibraryFiler(TComponent* AOwner) : TComponent(AOwner) {}

  // The names of the libraries in storage.
  virtual void GetLibraryNames(TStrings* AStrings) = 0;
  // Reads the item known by its item name; false when storage has no such item.
  virtual bool LoadItem(TDgrLibraryItem* AItem) = 0;
  virtual bool SaveItem(TDgrLibraryItem* AItem) = 0;
  virtual void DeleteItem(TDgrLibraryItem* AItem) = 0;
  // Replaces the library's items by those in storage.
  virtual void LoadLibrary(TDgrLibrary* ALibrary) = 0;
  virtual void CreateLibrary(TDgrLibrary* ALibrary) = 0;
  virtual void DeleteLibrary(TDgrLibrary* ALibrary) = 0;
  // Moves the item's storage to a new item name and gives the item that name.
  virtual void RenameItem(TDgrLibraryItem* AItem, const QString& ANewName) = 0;

  // Messages about what the loads since the last ClearLoadErrors skipped.
  const QStringList& GetLoadErrors() const { return FLoadErrors; }
  void ClearLoadErrors() { FLoadErrors.clear(); }

 protected:
  void AddLoadError(const QString& AMessage) { FLoadErrors << AMessage; }

 private:
  QStringList FLoadErrors;
};

}  // namespace tarnwick
