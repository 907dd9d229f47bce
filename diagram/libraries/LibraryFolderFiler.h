#pragma once
// Libraries kept as folders: the library named N is the folder "dlib_N" under a base
// folder, and its item named I is the file "I.dgo" in it.
//
// Besides the base folder, which holds the user's own libraries and is the only folder
// ever written to, the filer reads libraries from read-only folders (those shipped with
// the program). A library may have items in both; an item file in the base folder takes
// the place of a read-only one of the same name, so editing a shipped item saves the
// user's own copy and leaves the shipped file alone.
#include <QString>
#include <QStringList>

#include "diagram/libraries/LibraryFiler.h"

namespace tarnwick {

class TDgrLibraryFolderFiler : public TDgrLibraryFiler {
  TARNWICK_CLASS(TDgrLibraryFolderFiler)

 public:
  explicit TDgrLibraryFolderFiler(TComponent* AOwner);

  const QString& GetBaseFolder() const { return FBaseFolder; }
  void SetBaseFolder(const QString& Value) { FBaseFolder = Value; }
  const QString& GetDefaultExt() const { return FDefaultExt; }
  // An extension that would take item files out of their folder is refused.
  void SetDefaultExt(const QString& Value);
  // Read before the base folder, in this order.
  const QStringList& GetReadOnlyFolders() const { return FReadOnlyFolders; }
  void SetReadOnlyFolders(const QStringList& Value) { FReadOnlyFolders = Value; }

  void GetLibraryNames(TStrings* AStrings) override;
  bool LoadItem(TDgrLibraryItem* AItem) override;
  bool SaveItem(TDgrLibraryItem* AItem) override;
  void DeleteItem(TDgrLibraryItem* AItem) override;
  void LoadLibrary(TDgrLibrary* ALibrary) override;
  void CreateLibrary(TDgrLibrary* ALibrary) override;
  void DeleteLibrary(TDgrLibrary* ALibrary) override;
  void RenameItem(TDgrLibraryItem* AItem, const QString& ANewName) override;

  // The library's folder under the base folder (an existing one whose prefix differs in
  // letter case counts), and the item's file in it: where saving writes.
  QString LibraryFolder(const QString& ALibName) const;
  QString ItemFileName(const TDgrLibraryItem* AItem) const;

  // An item name made of the caption's characters, each kept only while the result
  // stays an identifier: "My block #1" gives "Myblock1", "1st" gives "st".
  static QString ItemNameFromCaption(const QString& ACaption);

 private:
  void RequireBaseFolder() const;
  // The read-only folders, then the base folder.
  QStringList SearchFolders() const;
  // The existing folder of the library under AFolder, or empty.
  QString FindLibraryFolder(const QString& AFolder, const QString& ALibName) const;
  // The file an item is read from: the base folder's, else the last read-only one.
  QString FindItemFile(const QString& ALibName, const QString& AItemName) const;
  bool ItemFileExists(const QString& ALibName, const QString& AItemName) const;
  QString CheckedLibraryName(const TDgrLibraryItem* AItem) const;
  QString UniqueItemName(TDgrLibraryItem* AItem, const QString& ABase) const;
  void ReadItemFile(const QString& AFileName, TDgrLibraryItem* AItem);

  QString FBaseFolder;
  QString FDefaultExt = QStringLiteral(".dgo");
  QString FLibPrefix = QStringLiteral("dlib_");
  QStringList FReadOnlyFolders;
};

}  // namespace tarnwick
