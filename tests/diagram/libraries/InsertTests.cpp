// A library item placed on a diagram: through the palette path (insert by identifier,
// then a drag on the widget) and directly, and an item whose text holds no object.
#include "../interaction/MouseFixture.h"
#include "LibraryFixture.h"
#include "diagram/libraries/DiagramException.h"
#include "diagram/model/DiagramBlock.h"
#include "platform/core/Exception.h"
#include "platform/core/Strings.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

// A library holding one item made from a red ellipse that reads "Pump".
struct TInsertFixture : TMouseFixture {
  TInsertFixture() {
    TDiagramFixture source;
    auto* pump = Create<TDiagramBlock>(source.Form);
    pump->SetBoundsRect(TSquare{0, 0, 80, 40});
    pump->SetShape(bsEllipse);
    pump->SetColor(0x0000FF);
    pump->GetStrings()->SetText("Pump");
    pump->SetDiagram(source.Diagram);
    TDgrLibraryItem* item = Lib.Manager->CreateLibrary("Plant")->NewItem();
    item->SetCaption("Pump");
    item->SetData(source.Diagram->SerializeObjectToString(pump));
    item->Save();
    Lib.Manager->LoadLibraries();  // what the program does at start
  }
  TDiagramBlock* Placed(int I = 0) const { return dynamic_cast<TDiagramBlock*>(Diagram->GetBlocks(I)); }
  TLibraryFixture Lib;
};

}  // namespace

TEST(LibraryInsert, AnItemInsertedByItsEntryKeepsItsTextAndColour) {
  TInsertFixture f;
  f.Diagram->StartInsertingControl("LIB_Pump", false);
  ASSERT_EQ(f.Diagram->GetMouseState(), msToInsert);
  f.DragFromTo(f.At(100, 100), f.At(260, 180));
  ASSERT_EQ(f.Diagram->BlockCount(), 1);
  TDiagramBlock* placed = f.Placed();
  ASSERT_NE(placed, nullptr);
  EXPECT_EQ(placed->GetShape(), bsEllipse);
  EXPECT_EQ(placed->GetColor(), TColor(0x0000FF));
  EXPECT_EQ(placed->GetStrings()->GetText().trimmed(), "Pump");
  EXPECT_EQ(placed->GetDControlID(), "LIB_Pump");
  EXPECT_FALSE(placed->GetName().isEmpty());
  EXPECT_EQ(f.Operations, QStringList{"insert"});
}

TEST(LibraryInsert, CreateControlPutsTheStoredObjectOnTheDiagram) {
  TInsertFixture f;
  TDgrLibraryItem* item = f.Lib.Manager->LibraryByName("Plant")->GetItem(0);
  TDiagramControl* made = item->CreateControl(f.Diagram);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->GetDiagram(), f.Diagram);
  EXPECT_EQ(f.Diagram->BlockCount(), 1);
  EXPECT_EQ(made->GetDControlID(), "LIB_Pump");
  EXPECT_EQ(f.Placed()->GetStrings()->GetText().trimmed(), "Pump");
}

TEST(LibraryInsert, AnItemWithoutAnObjectFailsClearlyAndChangesNothing) {
  TInsertFixture f;
  TDgrLibraryItem* item = f.Lib.Manager->LibraryByName("Plant")->GetItem(0);
  item->SetData("object TdvDiagram\nend\n");
  item->RegisterItem();
  try {
    item->CreateControl(f.Diagram);
    FAIL() << "made a control";
  } catch (const EDiagramException& e) {
    EXPECT_TRUE(e.Message().contains("holds no diagram object")) << e.what();
  }
  EXPECT_EQ(f.Diagram->DControlCount(), 0);
  EXPECT_THROW(f.Diagram->StartInsertingControl("LIB_Pump", false), EInvalidOperation);
  EXPECT_EQ(f.Diagram->GetMouseState(), msBrowsing);
  EXPECT_EQ(f.Diagram->GetInsertDControl(), nullptr);
}
