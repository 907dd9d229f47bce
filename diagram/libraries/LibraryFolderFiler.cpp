#include "diagram/libraries/LibraryFolderFiler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

#include "diagram/libraries/DiagramException.h"
#include "diagram/libraries/Library.h"
#include "diagram/libraries/LibraryItem.h"
#include "diagram/libraries/LibraryItemFile.h"
#include "diagram/libraries/LibraryNames.h"
#include "diagram/model/RegDControls.h"
#include "platform/core/Consts.h"
#include "platform/core/Properties.h"
#include "platform/core/Strings.h"

namespace tarnwick {

namespace {

const char* const NoBaseFolder = "Base folder not specified in library filer component.";

// Listing order: by name without regard to letter case, so it does not depend on the
// order the file system happens to keep its entries in.
QFileInfoList Entries(const QString& AFolder, QDir::Filters AFilter) {
  if (AFolder.isEmpty()) return {};
  return QDir(AFolder).entryInfoList(AFilter | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

// A save never damages the file it replaces: the new bytes go to a temporary file that
// is swapped in whole.
void WriteFileAtomically(const QString& AFileName, const QByteArray& ABytes) {
  QSaveFile file(AFileName);
  if (!file.open(QIODevice::WriteOnly)) throw EFCreateError(msg::FCreateError, AFileName, file.errorString());
  if (file.write(ABytes) != ABytes.size()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    throw EWriteError(msg::FCreateError, AFileName, reason);
  }
  if (!file.commit()) throw EWriteError(msg::FCreateError, AFileName, file.errorString());
}

void RemoveFile(const QString& AFileName) {
  QFile file(AFileName);
  if (file.exists() && !file.remove())
    throw EFilerError(QStringLiteral("Cannot delete file \"%1\". %2").arg(AFileName, file.errorString()));
}

QString ItemLabel(const TDgrLibraryItem* AItem) {
  return AItem->GetCaption().isEmpty() ? AItem->GetItemName() : AItem->GetCaption();
}

}  // namespace

const TClassInfo& TDgrLibraryFiler::StaticClassInfo() {
  static const TClassInfo info("TDgrLibraryFiler", &TComponent::StaticClassInfo(), {});
  return info;
}

const TClassInfo& TDgrLibraryFolderFiler::StaticClassInfo() {
  using F = TDgrLibraryFolderFiler;
  static const TClassInfo info("TDgrLibraryFolderFiler", &TDgrLibraryFiler::StaticClassInfo(),
                               {StringProp("BaseFolder", &F::GetBaseFolder, &F::SetBaseFolder, true),
                                StringProp("DefaultExt", &F::GetDefaultExt, &F::SetDefaultExt)},
                               [](TComponent* owner) { return Create<TDgrLibraryFolderFiler>(owner); });
  return info;
}

TDgrLibraryFolderFiler::TDgrLibraryFolderFiler(TComponent* AOwner) : TDgrLibraryFiler(AOwner) {}

void TDgrLibraryFolderFiler::SetDefaultExt(const QString& Value) {
  if (!Value.isEmpty()) CheckUsableName(QStringLiteral("Item file"), QStringLiteral("x") + Value);
  FDefaultExt = Value;
}

void TDgrLibraryFolderFiler::RequireBaseFolder() const {
  if (FBaseFolder.isEmpty()) throw EDiagramException(NoBaseFolder);
}

QStringList TDgrLibraryFolderFiler::SearchFolders() const {
  QStringList folders = FReadOnlyFolders;
  folders.removeAll(QString());
  if (!FBaseFolder.isEmpty()) folders << FBaseFolder;
  return folders;
}

QString TDgrLibraryFolderFiler::FindLibraryFolder(const QString& AFolder, const QString& ALibName) const {
  for (const QFileInfo& entry : Entries(AFolder, QDir::Dirs)) {
    const QString name = entry.fileName();
    if (name.startsWith(FLibPrefix, Qt::CaseInsensitive) &&
        name.mid(FLibPrefix.size()).compare(ALibName, Qt::CaseInsensitive) == 0)
      return entry.filePath();
  }
  return QString();
}

QString TDgrLibraryFolderFiler::LibraryFolder(const QString& ALibName) const {
  RequireBaseFolder();
  CheckUsableName(QStringLiteral("Library"), ALibName);
  const QString existing = FindLibraryFolder(FBaseFolder, ALibName);
  return existing.isEmpty() ? QDir(FBaseFolder).filePath(FLibPrefix + ALibName) : existing;
}

QString TDgrLibraryFolderFiler::CheckedLibraryName(const TDgrLibraryItem* AItem) const {
  const TDgrLibrary* library = AItem->GetOwnerLibrary();
  if (!library)
    throw EDiagramException(QStringLiteral("Library item \"%1\" belongs to no library.").arg(ItemLabel(AItem)));
  return library->GetLibraryName();
}

QString TDgrLibraryFolderFiler::ItemFileName(const TDgrLibraryItem* AItem) const {
  const QString folder = LibraryFolder(CheckedLibraryName(AItem));
  CheckUsableName(QStringLiteral("Item"), AItem->GetItemName());
  CheckUsableName(QStringLiteral("Item file"), AItem->GetItemName() + FDefaultExt);
  return QDir(folder).filePath(AItem->GetItemName() + FDefaultExt);
}

QString TDgrLibraryFolderFiler::FindItemFile(const QString& ALibName, const QString& AItemName) const {
  const QStringList folders = SearchFolders();
  for (auto it = folders.crbegin(); it != folders.crend(); ++it) {
    const QString library = FindLibraryFolder(*it, ALibName);
    if (library.isEmpty()) continue;
    const QString file = QDir(library).filePath(AItemName + FDefaultExt);
    if (QFileInfo(file).isFile()) return file;
  }
  return QString();
}

bool TDgrLibraryFolderFiler::ItemFileExists(const QString& ALibName, const QString& AItemName) const {
  const QString fileName = AItemName + FDefaultExt;
  for (const QString& folder : SearchFolders()) {
    const QString library = FindLibraryFolder(folder, ALibName);
    for (const QFileInfo& entry : Entries(library, QDir::Files))
      if (entry.fileName().compare(fileName, Qt::CaseInsensitive) == 0) return true;
  }
  return false;
}

QString TDgrLibraryFolderFiler::ItemNameFromCaption(const QString& ACaption) {
  QString name;
  for (QChar c : ACaption)
    if (IsValidIdent(name + c)) name += c;
  return name;
}

QString TDgrLibraryFolderFiler::UniqueItemName(TDgrLibraryItem* AItem, const QString& ABase) const {
  // Two captions that make the same name must not make one item overwrite the other;
  // nor may a new item take over the palette entry of an item in another library.
  const TDgrLibrary* library = AItem->GetOwnerLibrary();
  auto taken = [&](const QString& AName) {
    const TDgrLibraryItem* other = library->FindItemByName(AName);
    return (other && other != AItem) || ItemFileExists(library->GetLibraryName(), AName) ||
           RegisteredDControls().FindByID(QStringLiteral("LIB_") + AName);
  };
  if (!taken(ABase)) return ABase;
  for (int i = 1;; ++i) {
    const QString name = Format(msg::UniqueName, ABase, i);
    if (!taken(name)) return name;
  }
}

void TDgrLibraryFolderFiler::GetLibraryNames(TStrings* AStrings) {
  AStrings->Clear();
  if (FBaseFolder.isEmpty()) return;
  QSet<QString> seen;
  for (const QString& folder : SearchFolders()) {
    QSet<QString> here;
    for (const QFileInfo& entry : Entries(folder, QDir::Dirs)) {
      const QString dirName = entry.fileName();
      if (!dirName.startsWith(FLibPrefix, Qt::CaseInsensitive) || dirName.size() <= FLibPrefix.size()) continue;
      const QString name = dirName.mid(FLibPrefix.size());
      const QString key = name.toCaseFolded();
      const QString reason = UnusableNameReason(name);
      if (!reason.isEmpty()) {
        AddLoadError(QStringLiteral("Library folder \"%1\" was skipped: %2.").arg(entry.filePath(), reason));
      } else if (here.contains(key)) {
        // Names compare without regard to letter case, so only the first can be reached.
        AddLoadError(QStringLiteral("Library folder \"%1\" was skipped: another folder holds the library \"%2\".")
                         .arg(entry.filePath(), name));
      } else if (!seen.contains(key)) {
        AStrings->Add(name);
        seen.insert(key);
      }
      here.insert(key);
    }
  }
}

void TDgrLibraryFolderFiler::ReadItemFile(const QString& AFileName, TDgrLibraryItem* AItem) {
  if (QFileInfo(AFileName).size() > MaxLibraryItemFileSize)
    throw EReadError(QStringLiteral("Library item file \"%1\" is too large.").arg(AFileName));
  QFile file(AFileName);
  if (!file.open(QIODevice::ReadOnly)) throw EFOpenError(msg::FOpenError, AFileName, file.errorString());
  const QByteArray bytes = file.read(MaxLibraryItemFileSize + 1);
  // The file's name wins over a name stored inside it: renaming the file renames the item.
  const QString name = AItem->GetItemName();
  try {
    LibraryItemFromBytes(bytes, AItem);
  } catch (const Exception& e) {
    throw EReadError(QStringLiteral("Library item file \"%1\" cannot be read: %2").arg(AFileName, e.Message()));
  }
  AItem->SetItemName(name);
}

bool TDgrLibraryFolderFiler::LoadItem(TDgrLibraryItem* AItem) {
  RequireBaseFolder();
  const QString library = CheckedLibraryName(AItem);
  CheckUsableName(QStringLiteral("Library"), library);
  CheckUsableName(QStringLiteral("Item"), AItem->GetItemName());
  const QString file = FindItemFile(library, AItem->GetItemName());
  if (file.isEmpty()) return false;
  ReadItemFile(file, AItem);
  return true;
}

void TDgrLibraryFolderFiler::LoadLibrary(TDgrLibrary* ALibrary) {
  RequireBaseFolder();
  const QString libName = ALibrary->GetLibraryName();
  CheckUsableName(QStringLiteral("Library"), libName);
  ALibrary->Clear();
  // Item name (letter case folded) -> its file; a later folder replaces an earlier one.
  QStringList order;
  QHash<QString, QFileInfo> files;
  for (const QString& folder : SearchFolders()) {
    QSet<QString> here;
    for (const QFileInfo& entry : Entries(FindLibraryFolder(folder, libName), QDir::Files)) {
      const QString fileName = entry.fileName();
      if (!fileName.endsWith(FDefaultExt, Qt::CaseInsensitive)) continue;
      const QString name = fileName.left(fileName.size() - FDefaultExt.size());
      const QString key = name.toCaseFolded();
      const QString reason = UnusableNameReason(name);
      if (!reason.isEmpty()) {
        AddLoadError(QStringLiteral("Library item file \"%1\" was skipped: %2.").arg(entry.filePath(), reason));
        continue;
      }
      if (here.contains(key)) {
        // Both would be published under one palette entry; the first one keeps it.
        AddLoadError(QStringLiteral("Library item file \"%1\" was skipped: another file holds the item \"%2\".")
                         .arg(entry.filePath(), name));
        continue;
      }
      here.insert(key);
      if (!files.contains(key)) order << key;
      files.insert(key, entry);
    }
  }
  for (const QString& key : order) {
    const QFileInfo& entry = files[key];
    TDgrLibraryItem* item = ALibrary->NewItem();
    const QString fileName = entry.fileName();
    item->SetItemName(fileName.left(fileName.size() - FDefaultExt.size()));
    try {
      ReadItemFile(entry.filePath(), item);
    } catch (const Exception& e) {
      // A damaged file must not appear as an item that inserts nothing.
      AddLoadError(e.Message());
      item->Free();
    }
  }
}

bool TDgrLibraryFolderFiler::SaveItem(TDgrLibraryItem* AItem) {
  RequireBaseFolder();
  const QString libName = CheckedLibraryName(AItem);
  CheckUsableName(QStringLiteral("Library"), libName);
  if (AItem->GetItemName().isEmpty()) {
    if (AItem->GetCaption().isEmpty()) throw EDiagramException("Item caption cannot be empty.");
    const QString name = ItemNameFromCaption(AItem->GetCaption());
    if (name.isEmpty())
      throw EDiagramException(
          QStringLiteral("Item caption \"%1\" cannot make a file name: it needs a letter, or a digit after one.")
              .arg(AItem->GetCaption()));
    AItem->SetItemName(UniqueItemName(AItem, name));
  } else {
    const TDgrLibraryItem* other = AItem->GetOwnerLibrary()->FindItemByName(AItem->GetItemName());
    if (other && other != AItem)
      throw EDiagramException(QStringLiteral("Library \"%1\" already holds an item named \"%2\".")
                                  .arg(libName, AItem->GetItemName()));
  }
  const QString fileName = ItemFileName(AItem);
  const QString folder = QFileInfo(fileName).path();
  if (!QDir().mkpath(folder))
    throw EFCreateError(QStringLiteral("Cannot create the library folder \"%1\".").arg(folder));
  WriteFileAtomically(fileName, LibraryItemToBytes(AItem));
  return true;
}

void TDgrLibraryFolderFiler::DeleteItem(TDgrLibraryItem* AItem) {
  RequireBaseFolder();
  if (AItem->GetItemName().isEmpty()) return;  // never saved: there is no file
  const QString fileName = ItemFileName(AItem);
  if (QFileInfo(fileName).isFile()) {
    RemoveFile(fileName);
  } else if (!FindItemFile(CheckedLibraryName(AItem), AItem->GetItemName()).isEmpty()) {
    throw EDiagramException(
        QStringLiteral("Library item \"%1\" comes with the program and cannot be deleted.").arg(ItemLabel(AItem)));
  }
}

void TDgrLibraryFolderFiler::RenameItem(TDgrLibraryItem* AItem, const QString& ANewName) {
  const QString oldName = AItem->GetItemName();
  if (ANewName == oldName) return;
  const QString libName = CheckedLibraryName(AItem);
  CheckUsableName(QStringLiteral("Item"), ANewName);
  CheckUsableName(QStringLiteral("Item file"), ANewName + FDefaultExt);
  const bool caseOnly = ANewName.compare(oldName, Qt::CaseInsensitive) == 0;
  const TDgrLibraryItem* other = AItem->GetOwnerLibrary()->FindItemByName(ANewName);
  if ((other && other != AItem) || (!caseOnly && ItemFileExists(libName, ANewName)))
    throw EDiagramException(QStringLiteral("Library \"%1\" already holds an item named \"%2\".").arg(libName, ANewName));

  if (!oldName.isEmpty()) {
    const QString oldFile = ItemFileName(AItem);
    if (QFileInfo(oldFile).isFile()) {
      const QString newFile = QDir(QFileInfo(oldFile).path()).filePath(ANewName + FDefaultExt);
      QFile file(oldFile);
      if (!file.rename(newFile))
        throw EFilerError(QStringLiteral("Cannot rename file \"%1\". %2").arg(oldFile, file.errorString()));
    } else if (!FindItemFile(libName, oldName).isEmpty()) {
      throw EDiagramException(
          QStringLiteral("Library item \"%1\" comes with the program and cannot be renamed.").arg(ItemLabel(AItem)));
    }
  }
  AItem->SetItemName(ANewName);
}

void TDgrLibraryFolderFiler::CreateLibrary(TDgrLibrary* ALibrary) {
  const QString folder = LibraryFolder(ALibrary->GetLibraryName());
  if (!QDir().mkpath(folder))
    throw EFCreateError(QStringLiteral("Cannot create the library folder \"%1\".").arg(folder));
}

void TDgrLibraryFolderFiler::DeleteLibrary(TDgrLibrary* ALibrary) {
  const QString folder = LibraryFolder(ALibrary->GetLibraryName());
  if (!QFileInfo(folder).isDir()) return;
  // Only the item files of the library go; a folder that still holds anything else stays.
  for (int i = 0; i < ALibrary->Count(); ++i) {
    const TDgrLibraryItem* item = ALibrary->GetItem(i);
    if (UnusableNameReason(item->GetItemName()).isEmpty() && UnusableNameReason(item->GetItemName() + FDefaultExt).isEmpty())
      RemoveFile(QDir(folder).filePath(item->GetItemName() + FDefaultExt));
  }
  QDir().rmdir(folder);
}

}  // namespace tarnwick
