// Libraries as folders of .dgo files: scanning a base folder, the names that must be
// refused, saving, renaming and deleting, and the shipped folders that are never written.
#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

#include "LibraryFixture.h"
#include "diagram/libraries/DiagramException.h"
#include "diagram/libraries/LibraryFolders.h"
#include "platform/core/Exception.h"
#include "platform/core/Strings.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

QStringList ItemNames(const TDgrLibrary* ALibrary) {
  QStringList names;
  for (int i = 0; i < ALibrary->Count(); ++i) names << ALibrary->GetItem(i)->GetItemName();
  return names;
}

QStringList LibraryNames(TDgrLibraryManager* AManager) {
  QStringList names;
  for (int i = 0; i < AManager->LibraryCount(); ++i) names << AManager->GetLibrary(i)->GetLibraryName();
  return names;
}

bool AnyErrorMentions(const QStringList& AErrors, const QString& AText) {
  for (const QString& e : AErrors)
    if (e.contains(AText)) return true;
  return false;
}

QStringList FilesIn(const QString& AFolder) { return QDir(AFolder).entryList(QDir::Files | QDir::Hidden); }

}  // namespace

TEST(LibraryFolders, ScanningLoadsGoodLibrariesAndSkipsWhatCannotBeUsed) {
  TLibraryFixture f;
  f.MakeDir("dlib_Shapes");
  f.WriteItem("dlib_Shapes/Box.dgo", "A box", "Basic shapes");
  f.WriteItem("dlib_Shapes/Ring.DGO", "A ring");
  f.MakeDir("DLIB_Flow");  // the prefix's letter case does not matter
  f.WriteItem("DLIB_Flow/Start.dgo", "Start");
  f.WriteBytes(f.Path("DLIB_Flow/Broken.dgo"), f.ItemBytes("Broken").left(30));
  f.WriteBytes(f.Path("DLIB_Flow/notes.txt"), "not an item");
  f.WriteItem("DLIB_Flow/.dgo", "No name");
  f.MakeDir("DLIB_Flow/Folder.dgo");
  f.MakeDir("dlib_");        // nothing after the prefix
  f.MakeDir("Shapes");       // no prefix
  f.MakeDir("dlib_.hidden");  // a name that cannot be a library
  f.WriteBytes(f.Path("dlib_File"), "a file, not a folder");

  f.Manager->LoadLibraries();
  EXPECT_EQ(LibraryNames(f.Manager), (QStringList{"Flow", "Shapes"}));
  EXPECT_EQ(ItemNames(f.Manager->LibraryByName("shapes")), (QStringList{"Box", "Ring"}));
  EXPECT_EQ(ItemNames(f.Manager->LibraryByName("FLOW")), QStringList{"Start"});
  EXPECT_EQ(f.Manager->LibraryByName("Shapes")->FindItem("basic SHAPES", "box")->GetCaption(), "A box");
  EXPECT_EQ(f.Manager->LibraryByName("Shapes")->FindItem("Other", "Box"), nullptr);

  const QStringList errors = f.Manager->GetLoadErrors();
  EXPECT_EQ(errors.size(), 3) << errors.join('\n').toStdString();
  EXPECT_TRUE(AnyErrorMentions(errors, "Broken.dgo"));
  EXPECT_TRUE(AnyErrorMentions(errors, "/.dgo\" was skipped: the name is empty"));
  EXPECT_TRUE(AnyErrorMentions(errors, "dlib_.hidden\" was skipped: the name starts with a dot"));
  EXPECT_TRUE(f.Registered("LIB_Box"));
  EXPECT_TRUE(f.Registered("LIB_Start"));
  EXPECT_FALSE(f.Registered("LIB_Broken"));

  // Loading again neither duplicates items nor keeps old errors.
  f.Manager->LoadLibraries();
  EXPECT_EQ(ItemNames(f.Manager->LibraryByName("Shapes")), (QStringList{"Box", "Ring"}));
  EXPECT_EQ(f.Manager->GetLoadErrors().size(), 3);
}

TEST(LibraryFolders, NamesDifferingOnlyInLetterCaseKeepTheFirstAndSaySo) {
  TLibraryFixture f;
  f.MakeDir("dlib_Parts");
  f.WriteItem("dlib_Parts/Gear.dgo", "first");
  f.WriteItem("dlib_Parts/GEAR.dgo", "second");
  f.Manager->LoadLibraries();
  ASSERT_EQ(f.Manager->LibraryCount(), 1);
  ASSERT_EQ(f.Manager->GetLibrary(0)->Count(), 1);
  EXPECT_EQ(f.Manager->GetLoadErrors().size(), 1);
  EXPECT_TRUE(AnyErrorMentions(f.Manager->GetLoadErrors(), "another file holds the item"));

  f.MakeDir("DLIB_parts");
  f.Manager->LoadLibraries();
  EXPECT_EQ(f.Manager->LibraryCount(), 1);
  EXPECT_EQ(f.Manager->GetLoadErrors().size(), 2);
  EXPECT_TRUE(AnyErrorMentions(f.Manager->GetLoadErrors(), "another folder holds the library"));
}

TEST(LibraryFolders, NamesThatAreNotOneSafeFileNameAreRefused) {
  TLibraryFixture f;
  QDir outside(f.Base.path());
  outside.cdUp();
  const QStringList before = outside.entryList();
  for (const QString& name : {QString("../escape"), QString("a/b"), QString("a\\b"), QString(".."), QString("."),
                              QString(), QString("  "), QString(".hidden"), QString("tab\there"),
                              QString("nul") + QChar(0) + "x", QString(300, 'n')}) {
    SCOPED_TRACE(name.toStdString());
    EXPECT_THROW(f.Manager->CreateLibrary(name), EDiagramException);
  }
  EXPECT_EQ(f.Manager->LibraryCount(), 0);
  EXPECT_TRUE(FilesIn(f.Base.path()).isEmpty());
  EXPECT_TRUE(QDir(f.Base.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
  EXPECT_EQ(outside.entryList(), before);

  TDgrLibrary* library = f.Manager->CreateLibrary("Good");
  TDgrLibraryItem* item = library->NewItem();
  item->SetData("x");
  for (const QString& name : {QString("../../escape"), QString("sub/item"), QString(".."), QString(".item")}) {
    SCOPED_TRACE(name.toStdString());
    item->SetItemName(name);
    EXPECT_THROW(item->Save(), EDiagramException);
  }
  item->SetItemName("Fine");
  item->Save();
  EXPECT_THROW(library->RenameItem(item, "../Moved"), EDiagramException);
  EXPECT_THROW(f.Filer->SetDefaultExt("/../x"), EDiagramException);
  EXPECT_EQ(FilesIn(f.Path("dlib_Good")), QStringList{"Fine.dgo"});
  EXPECT_EQ(outside.entryList(), before);
}

TEST(LibraryFolders, ItemNamesComeFromCaptionsAndNeverOverwriteAnother) {
  TLibraryFixture f;
  TDgrLibrary* library = f.Manager->CreateLibrary("Default");
  auto save = [&](const QString& ACaption) {
    TDgrLibraryItem* item = library->NewItem();
    item->SetCaption(ACaption);
    item->SetData(ACaption);
    item->Save();
    return item->GetItemName();
  };
  EXPECT_EQ(save("My block #1"), "Myblock1");
  EXPECT_EQ(save("1st"), "st");
  EXPECT_EQ(save("My-block 1"), "Myblock1_1");
  EXPECT_EQ(save("myblock1"), "myblock1_2");
  EXPECT_EQ(FilesIn(f.Path("dlib_Default")),
            (QStringList{"Myblock1.dgo", "Myblock1_1.dgo", "myblock1_2.dgo", "st.dgo"}));
  EXPECT_EQ(f.ReadBytes(f.Path("dlib_Default/Myblock1.dgo")), f.ItemBytes("My block #1", {}, "My block #1", "Myblock1"));

  // A caption with nothing usable, and no caption at all.
  TDgrLibraryItem* item = library->NewItem();
  item->SetCaption("#1 !");
  try {
    item->Save();
    FAIL() << "saved";
  } catch (const EDiagramException& e) {
    EXPECT_TRUE(e.Message().contains("cannot make a file name")) << e.what();
  }
  item->SetCaption(QString());
  try {
    item->Save();
    FAIL() << "saved";
  } catch (const EDiagramException& e) {
    EXPECT_EQ(e.Message(), "Item caption cannot be empty.");
  }
  EXPECT_EQ(FilesIn(f.Path("dlib_Default")).size(), 4);

  // Two items given the same name by hand: the second would replace the first's file.
  TDgrLibraryItem* twin = library->NewItem();
  twin->SetItemName("ST");
  EXPECT_THROW(twin->Save(), EDiagramException);
}

TEST(LibraryFolders, SavingReplacesTheFileWholeAndLeavesNoScratchFiles) {
  TLibraryFixture f;
  TDgrLibraryItem* item = f.Manager->CreateLibrary("Default")->NewItem();
  item->SetItemName("Pump");
  item->SetData(QString(5000, u'a'));
  item->Save();
  item->SetData("short");
  item->Save();
  EXPECT_EQ(FilesIn(f.Path("dlib_Default")), QStringList{"Pump.dgo"});
  EXPECT_EQ(f.ReadBytes(f.Path("dlib_Default/Pump.dgo")), f.ItemBytes({}, {}, "short", "Pump"));

  // Outside a managed library Save does nothing.
  TOwned<TDgrLibraryItem> loose = MakeOwned<TDgrLibraryItem>(nullptr);
  loose->SetItemName("Loose");
  EXPECT_NO_THROW(loose->Save());
}

TEST(LibraryFolders, RenamingMovesTheFileAndTheFileNameWinsOnLoad) {
  TLibraryFixture f;
  f.MakeDir("dlib_Default");
  f.WriteItem("dlib_Default/Old.dgo", "Caption");
  f.WriteItem("dlib_Default/Other.dgo", "Other");
  f.Manager->LoadLibraries();
  TDgrLibrary* library = f.Manager->LibraryByName("Default");
  TDgrLibraryItem* item = library->FindItemByName("Old");
  ASSERT_NE(item, nullptr);
  ASSERT_TRUE(f.Registered("LIB_Old"));

  library->RenameItem(item, "New");
  EXPECT_EQ(item->GetItemName(), "New");
  EXPECT_EQ(FilesIn(f.Path("dlib_Default")), (QStringList{"New.dgo", "Other.dgo"}));
  EXPECT_FALSE(f.Registered("LIB_Old"));
  EXPECT_TRUE(f.Registered("LIB_New"));
  EXPECT_THROW(library->RenameItem(item, "other"), EDiagramException);
  library->RenameItem(item, "NEW");  // only the letter case changes
  EXPECT_EQ(FilesIn(f.Path("dlib_Default")), (QStringList{"NEW.dgo", "Other.dgo"}));

  // A file renamed on disk renames the item, whatever name the file stores.
  f.WriteBytes(f.Path("dlib_Default/Stored.dgo"), f.ItemBytes("Cap", {}, "d", "InsideName"));
  ASSERT_TRUE(QFile::rename(f.Path("dlib_Default/Stored.dgo"), f.Path("dlib_Default/Renamed.dgo")));
  f.Manager->LoadLibraries();
  EXPECT_EQ(ItemNames(f.Manager->LibraryByName("Default")), (QStringList{"NEW", "Other", "Renamed"}));
  EXPECT_TRUE(f.Registered("LIB_Renamed"));
  EXPECT_FALSE(f.Registered("LIB_InsideName"));
}

TEST(LibraryFolders, LoadItemReadsByFileNameAndReportsDamage) {
  TLibraryFixture f;
  f.MakeDir("dlib_L");
  f.WriteBytes(f.Path("dlib_L/Named.dgo"), f.ItemBytes("Cap", "Cat", "d", "Inside"));
  f.WriteBytes(f.Path("dlib_L/Bad.dgo"), "garbage");
  TDgrLibrary* library = f.Manager->CreateLibrary("L");
  TDgrLibraryItem* item = library->NewItem();
  item->SetItemName("Named");
  EXPECT_TRUE(f.Filer->LoadItem(item));
  EXPECT_EQ(item->GetItemName(), "Named");
  EXPECT_EQ(item->GetCategory(), "Cat");
  EXPECT_FALSE(f.Registered("LIB_Inside"));
  item->SetItemName("Missing");
  EXPECT_FALSE(f.Filer->LoadItem(item));
  item->SetItemName("Bad");
  EXPECT_THROW(f.Filer->LoadItem(item), EReadError);
  EXPECT_EQ(item->GetCategory(), "Cat");
}

TEST(LibraryFolders, DeletingRemovesFilesAndEmptyFoldersOnly) {
  TLibraryFixture f;
  f.MakeDir("dlib_A");
  f.WriteItem("dlib_A/One.dgo", "One");
  f.WriteItem("dlib_A/Two.dgo", "Two");
  f.MakeDir("dlib_B");
  f.WriteItem("dlib_B/Three.dgo", "Three");
  f.WriteBytes(f.Path("dlib_B/readme.txt"), "keep me");
  f.Manager->LoadLibraries();

  TDgrLibrary* a = f.Manager->LibraryByName("A");
  TDgrLibraryItem* one = a->FindItemByName("One");
  a->DeleteItem(one);
  EXPECT_EQ(a->Count(), 2);  // the item stays in the list
  EXPECT_EQ(FilesIn(f.Path("dlib_A")), QStringList{"Two.dgo"});
  EXPECT_NO_THROW(a->DeleteItem(one));           // its file is gone already
  EXPECT_NO_THROW(a->DeleteItem(a->NewItem()));  // never saved: no file at all

  f.Manager->DeleteLibrary("a");
  EXPECT_EQ(f.Manager->LibraryByName("A"), nullptr);
  EXPECT_FALSE(QFileInfo::exists(f.Path("dlib_A")));
  f.Manager->DeleteLibrary("B");
  EXPECT_EQ(FilesIn(f.Path("dlib_B")), QStringList{"readme.txt"});
  EXPECT_EQ(f.Manager->LibraryCount(), 0);
}

TEST(LibraryFolders, ShippedFoldersAreReadButNeverWritten) {
  TLibraryFixture f;
  QTemporaryDir shipped;
  const QString shippedShapes = QDir(shipped.path()).filePath("dlib_Shapes");
  ASSERT_TRUE(QDir().mkpath(shippedShapes));
  f.WriteBytes(shippedShapes + "/Star.dgo", f.ItemBytes("Shipped star"));
  f.WriteBytes(shippedShapes + "/Moon.dgo", f.ItemBytes("Shipped moon"));
  ASSERT_TRUE(QDir().mkpath(QDir(shipped.path()).filePath("dlib_Extra")));
  f.MakeDir("dlib_Shapes");
  f.WriteItem("dlib_Shapes/Star.dgo", "My star");
  f.WriteItem("dlib_Shapes/Box.dgo", "My box");
  f.Filer->SetReadOnlyFolders({shipped.path()});
  const QByteArray shippedStar = f.ReadBytes(shippedShapes + "/Star.dgo");

  f.Manager->LoadLibraries();
  EXPECT_EQ(LibraryNames(f.Manager), (QStringList{"Extra", "Shapes"}));
  TDgrLibrary* shapes = f.Manager->LibraryByName("Shapes");
  EXPECT_EQ(ItemNames(shapes), (QStringList{"Moon", "Star", "Box"}));
  EXPECT_EQ(shapes->FindItemByName("Star")->GetCaption(), "My star");

  // Editing a shipped item saves the user's copy.
  TDgrLibraryItem* moon = shapes->FindItemByName("Moon");
  moon->SetCaption("Edited moon");
  moon->Save();
  EXPECT_TRUE(QFileInfo::exists(f.Path("dlib_Shapes/Moon.dgo")));
  // Deleting the user's copy brings the shipped one back; the shipped one itself stays.
  shapes->DeleteItem(moon);
  EXPECT_FALSE(QFileInfo::exists(f.Path("dlib_Shapes/Moon.dgo")));
  EXPECT_THROW(shapes->DeleteItem(moon), EDiagramException);
  EXPECT_THROW(shapes->RenameItem(moon, "Sun"), EDiagramException);
  f.Manager->DeleteLibrary("Shapes");
  f.Manager->DeleteLibrary("Extra");

  EXPECT_EQ(f.ReadBytes(shippedShapes + "/Star.dgo"), shippedStar);
  EXPECT_EQ(FilesIn(shippedShapes), (QStringList{"Moon.dgo", "Star.dgo"}));
  EXPECT_TRUE(QFileInfo(QDir(shipped.path()).filePath("dlib_Extra")).isDir());
  f.Manager->LoadLibraries();
  EXPECT_EQ(ItemNames(f.Manager->LibraryByName("Shapes")), (QStringList{"Moon", "Star"}));
}

TEST(LibraryFolders, MissingBaseFolderOrFilerIsAClearError) {
  TLibraryFixture f;
  f.Filer->SetBaseFolder(QString());
  TStringList names;
  names.Add("stale");
  f.Filer->GetLibraryNames(&names);
  EXPECT_EQ(names.Count(), 0);
  try {
    f.Manager->CreateLibrary("X");
    FAIL() << "created";
  } catch (const EDiagramException& e) {
    EXPECT_EQ(e.Message(), "Base folder not specified in library filer component.");
  }
  EXPECT_EQ(f.Manager->LibraryCount(), 0);

  f.Filer->Free();  // the manager hears of it
  f.Filer = nullptr;
  EXPECT_EQ(f.Manager->GetFiler(), nullptr);
  try {
    f.Manager->LoadLibraries();
    FAIL() << "loaded";
  } catch (const EDiagramException& e) {
    EXPECT_EQ(e.Message(), "Filer object not specified for diagram library manager.");
  }
}

TEST(LibraryFolders, TheProgramReadsShippedLibrariesBesideItAndWritesTheUsersOwn) {
  const TLibraryFolders folders = DefaultLibraryFolders();
  EXPECT_EQ(folders.ShippedFolders, QStringList{QCoreApplication::applicationDirPath() + "/Libraries"});
  EXPECT_EQ(folders.UserFolder, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/Libraries");
  TLibraryFixture f;
  ApplyLibraryFolders(*f.Filer, folders);
  EXPECT_EQ(f.Filer->GetBaseFolder(), folders.UserFolder);
  EXPECT_EQ(f.Filer->GetReadOnlyFolders(), folders.ShippedFolders);
}
