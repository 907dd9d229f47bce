#include "diagram/libraries/LibraryManager.h"

#include <QHash>
#include <algorithm>

#include "diagram/libraries/DiagramException.h"
#include "diagram/libraries/Library.h"
#include "diagram/libraries/LibraryFiler.h"
#include "diagram/libraries/LibraryItem.h"
#include "diagram/model/RegDControls.h"
#include "platform/core/Consts.h"
#include "platform/core/Properties.h"
#include "platform/core/Strings.h"

namespace tarnwick {

const TClassInfo& TDgrLibraryManager::StaticClassInfo() {
  using M = TDgrLibraryManager;
  static const TClassInfo info(
      "TDgrLibraryManager", &TComponent::StaticClassInfo(),
      {ObjectProp("Filer", TDgrLibraryFiler::StaticClassInfo(), &M::GetFiler, &M::SetFiler),
       BoolProp("AutoLoad", &M::GetAutoLoad, &M::SetAutoLoad, true)},
      [](TComponent* owner) { return Create<TDgrLibraryManager>(owner); });
  return info;
}

TDgrLibraryManager::TDgrLibraryManager(TComponent* AOwner) : TComponent(AOwner) {}

void TDgrLibraryManager::BeforeDestruction() {
  ClearLibraries();
  TComponent::BeforeDestruction();
}

void TDgrLibraryManager::SetFiler(TDgrLibraryFiler* Value) {
  if (FFiler == Value) return;
  if (FFiler) FFiler->RemoveFreeNotification(this);
  FFiler = Value;
  if (FFiler) FFiler->FreeNotification(this);
}

void TDgrLibraryManager::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFiler) FFiler = nullptr;
}

void TDgrLibraryManager::Loaded() {
  TComponent::Loaded();
  if (FAutoLoad && !IsDesigning()) LoadLibraries();
}

TDgrLibraryFiler& TDgrLibraryManager::RequireFiler() const {
  if (!FFiler) throw EDiagramException("Filer object not specified for diagram library manager.");
  return *FFiler;
}

TDgrLibrary* TDgrLibraryManager::GetLibrary(int Index) const {
  if (Index < 0 || Index >= LibraryCount()) throw EListError(msg::ListIndexError, Index);
  return FLibraries[static_cast<size_t>(Index)];
}

TDgrLibrary* TDgrLibraryManager::LibraryByName(const QString& AName) const {
  for (TDgrLibrary* library : FLibraries)
    if (library->GetLibraryName().compare(AName, Qt::CaseInsensitive) == 0) return library;
  return nullptr;
}

void TDgrLibraryManager::Attach(TDgrLibrary* ALibrary) {
  ALibrary->FManager = this;
  FLibraries.push_back(ALibrary);
}

void TDgrLibraryManager::RemoveLibrary(TDgrLibrary* ALibrary) {
  auto it = std::find(FLibraries.begin(), FLibraries.end(), ALibrary);
  if (it != FLibraries.end()) FLibraries.erase(it);
  ALibrary->FManager = nullptr;
}

void TDgrLibraryManager::ClearLibraries() {
  while (!FLibraries.empty()) FLibraries.back()->Free();
}

void TDgrLibraryManager::TakeLoadErrors() {
  FLoadErrors << FFiler->GetLoadErrors();
  FFiler->ClearLoadErrors();
}

void TDgrLibraryManager::LoadLibraries() {
  TDgrLibraryFiler& filer = RequireFiler();
  ClearLibraries();
  FLoadErrors.clear();
  filer.ClearLoadErrors();
  TStringList names;
  filer.GetLibraryNames(&names);
  for (int i = 0; i < names.Count(); ++i) {
    auto* library = Create<TDgrLibrary>(nullptr);
    Attach(library);
    library->SetLibraryName(names.GetStrings(i));
    try {
      filer.LoadLibrary(library);
    } catch (const Exception& e) {
      // One library that cannot be read must not keep the others from loading.
      FLoadErrors << e.Message();
      library->Free();
    }
  }
  TakeLoadErrors();

  // Registry identifiers carry only the item name, so items of the same name in two
  // libraries share one palette entry: the later library's item has it. Say so.
  QHash<QString, const TDgrLibrary*> publishedBy;
  for (TDgrLibrary* library : FLibraries)
    for (int i = 0; i < library->Count(); ++i) {
      TDgrLibraryItem* item = library->GetItem(i);
      const QString key = item->GetItemName().toCaseFolded();
      if (const TDgrLibrary* earlier = publishedBy.value(key))
        FLoadErrors << QStringLiteral("Library item \"%1\" of library \"%2\" replaces the one of library \"%3\".")
                           .arg(item->GetItemName(), library->GetLibraryName(), earlier->GetLibraryName());
      publishedBy.insert(key, library);
      item->RegisterItem();
    }
}

TDgrLibrary* TDgrLibraryManager::CreateLibrary(const QString& ALibName) {
  if (TDgrLibrary* existing = LibraryByName(ALibName)) return existing;
  TDgrLibraryFiler& filer = RequireFiler();
  TOwned<TDgrLibrary> library = MakeOwned<TDgrLibrary>(nullptr);
  library->SetLibraryName(ALibName);
  filer.CreateLibrary(library.get());
  Attach(library.get());
  return library.release();
}

void TDgrLibraryManager::DeleteLibrary(const QString& ALibName) {
  TDgrLibrary* library = LibraryByName(ALibName);
  if (!library) return;
  RequireFiler().DeleteLibrary(library);
  library->Free();
}

void TDgrLibraryManager::ReloadLibrary(const QString& ALibName) {
  TDgrLibrary* library = LibraryByName(ALibName);
  if (!library) return;
  TDgrLibraryFiler& filer = RequireFiler();
  FLoadErrors.clear();
  filer.ClearLoadErrors();
  filer.LoadLibrary(library);
  TakeLoadErrors();
  for (int i = 0; i < library->Count(); ++i) library->GetItem(i)->RegisterItem();
}

void TDgrLibraryManager::GetLibraryNames(TStrings* AStrings) { RequireFiler().GetLibraryNames(AStrings); }

void TDgrLibraryManager::SaveItem(TDgrLibraryItem* AItem) { RequireFiler().SaveItem(AItem); }

void TDgrLibraryManager::DeleteItem(TDgrLibraryItem* AItem) { RequireFiler().DeleteItem(AItem); }

void TDgrLibraryManager::RenameItem(TDgrLibraryItem* AItem, const QString& ANewName) {
  const bool registered = !AItem->GetItemName().isEmpty() && RegisteredDControls().FindByID(AItem->RegistryID());
  const QString oldID = AItem->RegistryID();
  RequireFiler().RenameItem(AItem, ANewName);
  if (!registered) return;
  UnregisterDControl(oldID);
  AItem->RegisterItem();
}

}  // namespace tarnwick
