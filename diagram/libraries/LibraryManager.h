#pragma once
// Ties a filer to the loaded libraries: loads them all (publishing every item in the
// control registry), creates, reloads and deletes libraries, and saves, deletes and
// renames items through the filer. What a load skipped is kept in LoadErrors.
#include <QString>
#include <QStringList>
#include <vector>

#include "platform/core/Component.h"

namespace tarnwick {

class TDgrLibrary;
class TDgrLibraryFiler;
class TDgrLibraryItem;
class TStrings;

class TDgrLibraryManager : public TComponent {
  TARNWICK_CLASS(TDgrLibraryManager)

 public:
  explicit TDgrLibraryManager(TComponent* AOwner);
  void BeforeDestruction() override;

  TDgrLibraryFiler* GetFiler() const { return FFiler; }
  void SetFiler(TDgrLibraryFiler* Value);
  bool GetAutoLoad() const { return FAutoLoad; }
  void SetAutoLoad(bool Value) { FAutoLoad = Value; }

  // Replaces the loaded libraries by those in storage and registers all their items.
  // An item or folder that cannot be loaded is skipped and described in LoadErrors.
  void LoadLibraries();
  // The library of that name (letter case ignored), created with its storage when
  // missing.
  TDgrLibrary* CreateLibrary(const QString& ALibName);
  // Deletes the storage of a loaded library and frees it. Its registry entries stay
  // until its items are unregistered.
  void DeleteLibrary(const QString& ALibName);
  // Loads the library's items again and registers them, so the palette shows what the
  // library now holds.
  void ReloadLibrary(const QString& ALibName);
  TDgrLibrary* LibraryByName(const QString& AName) const;
  int LibraryCount() const { return static_cast<int>(FLibraries.size()); }
  TDgrLibrary* GetLibrary(int Index) const;
  void GetLibraryNames(TStrings* AStrings);

  // Item storage, used by the items and libraries.
  void SaveItem(TDgrLibraryItem* AItem);
  void DeleteItem(TDgrLibraryItem* AItem);
  // A registered item is registered again under its new name.
  void RenameItem(TDgrLibraryItem* AItem, const QString& ANewName);

  // What the last LoadLibraries or ReloadLibrary skipped, one message per file or folder.
  const QStringList& GetLoadErrors() const { return FLoadErrors; }

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // Loading the window that holds the manager loads the libraries when AutoLoad is set.
  void Loaded() override;

 private:
  friend class TDgrLibrary;

  TDgrLibraryFiler& RequireFiler() const;
  void Attach(TDgrLibrary* ALibrary);
  void RemoveLibrary(TDgrLibrary* ALibrary);
  void ClearLibraries();
  void TakeLoadErrors();

  TDgrLibraryFiler* FFiler = nullptr;
  bool FAutoLoad = true;
  std::vector<TDgrLibrary*> FLibraries;
  QStringList FLoadErrors;
};

}  // namespace tarnwick
