// Library items in the control registry: what loading publishes, what only the final
// item may publish, and the entries that go when they are unregistered.
#include <QImage>

#include "LibraryFixture.h"
#include "diagram/model/DiagramBlock.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Picture.h"

using namespace tarnwick;
using namespace tarnwick::test;

TEST(LibraryRegistry, LoadingPublishesEveryItemAsALibEntry) {
  TLibraryFixture f;
  f.MakeDir("dlib_Shapes");
  f.WriteBytes(f.Path("dlib_Shapes/Box.dgo"), f.ItemBytes("A box", "Basic", "object TdvDiagram\nend\n"));
  f.WriteBytes(f.Path("dlib_Shapes/Bare.dgo"), f.ItemBytes(QString(), QString(), "data"));
  f.Manager->LoadLibraries();

  const TRegDControl* box = RegisteredDControls().FindByID("lib_box");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->GetDControlID(), "LIB_Box");
  EXPECT_EQ(box->GetDControlClass(), &TDiagramBlock::StaticClassInfo());
  EXPECT_EQ(box->GetCaption(), "A box");
  EXPECT_EQ(box->GetCategory(), "Basic");
  EXPECT_EQ(box->GetData(), "object TdvDiagram\nend\n");
  EXPECT_FALSE(box->GetUseGlyph());
  const TRegDControl* bare = RegisteredDControls().FindByID("LIB_Bare");
  ASSERT_NE(bare, nullptr);
  EXPECT_EQ(bare->GetCaption(), "Bare");  // the item name stands in for an empty caption
  EXPECT_EQ(RegisteredDControls().Count(), f.StartCount + 2);

  // Unregistering frees the entries; deleting a library leaves them until then.
  TDgrLibrary* shapes = f.Manager->LibraryByName("Shapes");
  shapes->GetItem(0)->UnregisterItem();
  EXPECT_EQ(RegisteredDControls().Count(), f.StartCount + 1);
  f.Manager->DeleteLibrary("Shapes");
  EXPECT_EQ(RegisteredDControls().Count(), f.StartCount + 1);
  EXPECT_TRUE(f.Registered("LIB_Box") != f.Registered("LIB_Bare"));
}

TEST(LibraryRegistry, AGlyphGoesWithTheEntry) {
  TLibraryFixture f;
  TDgrLibraryItem* item = f.Manager->CreateLibrary("Icons")->NewItem();
  item->SetItemName("Dot");
  QImage image(3, 3, QImage::Format_RGB32);
  image.fill(Qt::red);
  TOwned<TBitmap> bitmap = MakeOwned<TBitmap>();
  bitmap->SetImage(image);
  item->GetGlyph()->SetGraphic(bitmap.get());
  item->RegisterItem();
  const TRegDControl* entry = RegisteredDControls().FindByID("LIB_Dot");
  ASSERT_NE(entry, nullptr);
  EXPECT_TRUE(entry->GetUseGlyph());
  EXPECT_EQ(entry->GetGlyph()->GetWidth(), 3);
  EXPECT_NE(entry->GetGlyph(), item->GetGlyph());  // the entry keeps its own copy

  // Registering again updates the one entry in place.
  item->SetCaption("Red dot");
  item->RegisterItem();
  EXPECT_EQ(RegisteredDControls().Count(), f.StartCount + 1);
  EXPECT_EQ(RegisteredDControls().FindByID("LIB_Dot")->GetCaption(), "Red dot");

  // Without an item name nothing is published.
  TOwned<TDgrLibraryItem> unnamed = MakeOwned<TDgrLibraryItem>(nullptr);
  unnamed->RegisterItem();
  EXPECT_EQ(RegisteredDControls().Count(), f.StartCount + 1);
}

TEST(LibraryRegistry, OnlyTheFinalItemRegistersNeverTheNameStoredInTheFile) {
  TLibraryFixture f;
  f.MakeDir("dlib_L");
  f.WriteBytes(f.Path("dlib_L/OnDisk.dgo"), f.ItemBytes("Cap", {}, "d", "StoredName"));
  f.Manager->LoadLibraries();
  f.Manager->ReloadLibrary("L");
  EXPECT_TRUE(f.Registered("LIB_OnDisk"));
  EXPECT_FALSE(f.Registered("LIB_StoredName"));
  EXPECT_EQ(RegisteredDControls().Count(), f.StartCount + 1);
}

TEST(LibraryRegistry, ReloadingALibraryPublishesWhatItNowHolds) {
  TLibraryFixture f;
  f.MakeDir("dlib_L");
  f.WriteItem("dlib_L/First.dgo", "First");
  f.Manager->LoadLibraries();
  f.WriteItem("dlib_L/First.dgo", "First, edited");
  f.WriteItem("dlib_L/Second.dgo", "Second");
  f.WriteBytes(f.Path("dlib_L/Third.dgo"), "broken");
  f.Manager->ReloadLibrary("l");
  EXPECT_EQ(f.Manager->LibraryByName("L")->Count(), 2);
  EXPECT_EQ(RegisteredDControls().FindByID("LIB_First")->GetCaption(), "First, edited");
  EXPECT_TRUE(f.Registered("LIB_Second"));
  EXPECT_FALSE(f.Registered("LIB_Third"));
  ASSERT_EQ(f.Manager->GetLoadErrors().size(), 1);
  EXPECT_TRUE(f.Manager->GetLoadErrors()[0].contains("Third.dgo"));
}

TEST(LibraryRegistry, ItemsOfOneNameInTwoLibrariesShareAnEntryAndTheLoadSaysSo) {
  TLibraryFixture f;
  f.MakeDir("dlib_A");
  f.WriteItem("dlib_A/Valve.dgo", "Valve A");
  f.MakeDir("dlib_B");
  f.WriteItem("dlib_B/valve.dgo", "Valve B");
  f.Manager->LoadLibraries();
  EXPECT_EQ(RegisteredDControls().Count(), f.StartCount + 1);
  EXPECT_EQ(RegisteredDControls().FindByID("LIB_Valve")->GetCaption(), "Valve B");
  ASSERT_EQ(f.Manager->GetLoadErrors().size(), 1);
  EXPECT_TRUE(f.Manager->GetLoadErrors()[0].contains("replaces")) << f.Manager->GetLoadErrors()[0].toStdString();

  // A new item whose caption makes a name already published elsewhere gets its own.
  TDgrLibraryItem* item = f.Manager->LibraryByName("A")->NewItem();
  item->SetCaption("valve");
  item->Save();
  EXPECT_EQ(item->GetItemName(), "valve_1");
}
