#pragma once
// A temporary base folder with a filer and a manager over it, and helpers that write
// library folders and item files the way a user's disk may hold them.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "diagram/Registration.h"
#include "diagram/libraries/Library.h"
#include "diagram/libraries/LibraryFolderFiler.h"
#include "diagram/libraries/LibraryItem.h"
#include "diagram/libraries/LibraryItemFile.h"
#include "diagram/libraries/LibraryManager.h"
#include "diagram/model/RegDControls.h"

namespace tarnwick::test {

struct TLibraryFixture {
  TLibraryFixture() : StartCount((RegisterAllClasses(), RegisteredDControls().Count())) {
    Filer = Create<TDgrLibraryFolderFiler>(Owner.get());
    Filer->SetBaseFolder(Base.path());
    Manager = Create<TDgrLibraryManager>(Owner.get());
    Manager->SetFiler(Filer);
  }
  ~TLibraryFixture() {
    // Library entries registered by a test go again, so tests do not see each other's.
    TRegDControls& registry = RegisteredDControls();
    while (registry.Count() > StartCount) registry.GetItem(registry.Count() - 1)->Free();
  }

  QString Path(const QString& ARelative) const { return QDir(Base.path()).filePath(ARelative); }
  void MakeDir(const QString& ARelative) const { ASSERT_TRUE(QDir().mkpath(Path(ARelative))); }
  static void WriteBytes(const QString& AFile, const QByteArray& ABytes) {
    QFile f(AFile);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(ABytes), ABytes.size());
  }
  static QByteArray ReadBytes(const QString& AFile) {
    QFile f(AFile);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  // An item file holding the given caption, category and data.
  static QByteArray ItemBytes(const QString& ACaption, const QString& ACategory = QString(),
                              const QString& AData = QStringLiteral("object TdvDiagram\nend\n"),
                              const QString& AItemName = QString()) {
    TOwned<TDgrLibraryItem> item = MakeOwned<TDgrLibraryItem>(nullptr);
    item->SetItemName(AItemName);
    item->SetCaption(ACaption);
    item->SetCategory(ACategory);
    item->SetData(AData);
    return LibraryItemToBytes(item.get());
  }
  void WriteItem(const QString& ARelative, const QString& ACaption, const QString& ACategory = QString()) const {
    WriteBytes(Path(ARelative), ItemBytes(ACaption, ACategory));
  }
  static bool Registered(const QString& AID) { return RegisteredDControls().FindByID(AID) != nullptr; }

  QTemporaryDir Base;
  TOwned<TComponent> Owner = MakeOwned<TComponent>(nullptr);
  TDgrLibraryFolderFiler* Filer = nullptr;
  TDgrLibraryManager* Manager = nullptr;
  int StartCount;
};

}  // namespace tarnwick::test
