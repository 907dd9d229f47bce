// Inserting by control identifier through the diagram's widget, keep-inserting, the
// fallbacks for identifiers without a usable class, and the class of connecting lines.
#include <gtest/gtest.h>

#include "../interaction/MouseFixture.h"
#include "diagram/lines/LineClasses.h"
#include "diagram/model/LinkPoints.h"
#include "diagram/model/RegDControls.h"
#include "platform/core/Exception.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

// A widget fixture whose extra registry entries go again afterwards.
struct TRegistryMouseFixture : TMouseFixture {
  TRegistryMouseFixture() : StartCount(RegisteredDControls().Count()) {}
  ~TRegistryMouseFixture() {
    TRegDControls& registry = RegisteredDControls();
    while (registry.Count() > StartCount) registry.GetItem(registry.Count() - 1)->Free();
  }
  TDiagramControl* Last() const { return Diagram->GetDControls(Diagram->DControlCount() - 1); }
  int StartCount;
};

}  // namespace

TEST(InsertById, ADragPlacesTheRegisteredClassUnderTheIdentifierAskedFor) {
  TRegistryMouseFixture f;
  f.Diagram->StartInsertingControl(QStringLiteral("tdiagramLINE"), false);
  EXPECT_EQ(f.Diagram->GetMouseState(), msToInsert);
  f.DragFromTo(f.At(100, 100), f.At(300, 200));
  ASSERT_EQ(f.Diagram->LinkCount(), 1);
  auto* line = dynamic_cast<TDiagramLine*>(f.Diagram->GetLinks(0));
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->GetDControlID(), "tdiagramLINE");
  EXPECT_TRUE(line->GetSelected());
  EXPECT_EQ(f.Diagram->GetMouseState(), msBrowsing);
  EXPECT_EQ(f.Operations, QStringList{"insert"});
}

TEST(InsertById, KeepInsertingArmsTheSameIdentifierAgain) {
  TRegistryMouseFixture f;
  RegisterDControl<TDiagramLine>(QStringLiteral("TDiagramLine_dashed"), QStringLiteral("Dashed"));
  f.Diagram->StartInsertingControl(QStringLiteral("TDiagramLine_dashed"), true);
  f.DragFromTo(f.At(100, 100), f.At(300, 100));
  f.DragFromTo(f.At(100, 200), f.At(300, 200));
  ASSERT_EQ(f.Diagram->LinkCount(), 2);
  for (int i = 0; i < 2; ++i) EXPECT_EQ(f.Diagram->GetLinks(i)->GetDControlID(), "TDiagramLine_dashed");
  EXPECT_EQ(f.Diagram->GetMouseState(), msToInsert);
  TDiagramControl* pending = f.Diagram->GetInsertDControl();
  ASSERT_NE(pending, nullptr);
  EXPECT_EQ(&pending->ClassInfo(), &TDiagramLine::StaticClassInfo());
  EXPECT_EQ(pending->GetDControlID(), "TDiagramLine_dashed");
}

TEST(InsertById, KeepInsertingAnUnregisteredClassKeepsItsClass) {
  TRegistryMouseFixture f;
  f.Diagram->StartInsertingControl(&TTestBlock::StaticClassInfo(), true);
  f.Press(f.At(100, 100));
  f.Release(f.At(100, 100));
  TDiagramControl* pending = f.Diagram->GetInsertDControl();
  ASSERT_NE(pending, nullptr);
  EXPECT_EQ(&pending->ClassInfo(), &TTestBlock::StaticClassInfo());
}

TEST(InsertById, IdentifiersWithoutAUsableClassInsertAPlainBlock) {
  TRegistryMouseFixture f;
  f.Diagram->StartInsertingControl(QStringLiteral("NoSuchControl"), false);
  f.Press(f.At(100, 100));
  f.Release(f.At(100, 100));
  ASSERT_EQ(f.Diagram->DControlCount(), 1);
  EXPECT_EQ(&f.Last()->ClassInfo(), &TDiagramBlock::StaticClassInfo());
  EXPECT_EQ(f.Last()->GetDControlID(), "NoSuchControl");

  // An entry whose class cannot be instantiated would arm insertion with nothing to place.
  RegisterDControl(&TCustomDiagramLine::StaticClassInfo(), QStringLiteral("AbstractLine"));
  ASSERT_FALSE(TCustomDiagramLine::StaticClassInfo().CanCreate());
  f.Diagram->StartInsertingControl(QStringLiteral("AbstractLine"), false);
  ASSERT_NE(f.Diagram->GetInsertDControl(), nullptr);
  EXPECT_EQ(&f.Diagram->GetInsertDControl()->ClassInfo(), &TDiagramBlock::StaticClassInfo());
  EXPECT_EQ(f.Diagram->GetInsertDControl()->GetDControlID(), "AbstractLine");
  f.Diagram->CancelInsertingBlock();
}

TEST(InsertById, ALibraryObjectIsMadeFromItsStoredTextAndAnEmptyOneFailsClearly) {
  TRegistryMouseFixture f;
  // The stored text of a library object: one shaped, coloured block.
  TDiagramFixture source;
  auto* model = Create<TDiagramBlock>(source.Form);
  model->SetBoundsRect(TSquare{0, 0, 80, 30});
  model->SetShape(bsEllipse);
  model->SetDiagram(source.Diagram);
  TRegDControl* item = RegisteredDControls().Add();
  item->SetDControlID(QStringLiteral("LIB_Pump"));
  item->SetDControlClass(&TDiagramBlock::StaticClassInfo());
  item->SetData(source.Diagram->SerializeObjectToString(model));

  f.Diagram->StartInsertingControl(QStringLiteral("lib_pump"), false);
  ASSERT_NE(f.Diagram->GetInsertDControl(), nullptr);
  f.DragFromTo(f.At(100, 100), f.At(180, 140));
  ASSERT_EQ(f.Diagram->BlockCount(), 1);
  auto* placed = dynamic_cast<TDiagramBlock*>(f.Diagram->GetBlocks(0));
  ASSERT_NE(placed, nullptr);
  EXPECT_EQ(placed->GetShape(), bsEllipse);
  EXPECT_EQ(placed->GetDControlID(), "lib_pump");

  // A stored text without a control: a clear error, and the pending insertion stays.
  f.Diagram->StartInsertingControl(QStringLiteral("TTextBlock"), false);
  TDiagramControl* pending = f.Diagram->GetInsertDControl();
  item->SetData(QStringLiteral("object TdvDiagram\nend\n"));
  EXPECT_THROW(f.Diagram->StartInsertingControl(QStringLiteral("lib_pump"), false), EInvalidOperation);
  EXPECT_EQ(f.Diagram->GetInsertDControl(), pending);
  EXPECT_EQ(f.Diagram->GetMouseState(), msToInsert);
  UnregisterDControl(QStringLiteral("LIB_Pump"));
}

TEST(InsertById, TheConnectionLineClassComesFromTheConnectionLineId) {
  TRegistryMouseFixture f;
  EXPECT_EQ(f.Diagram->GetConnectionLineClass(), nullptr);
  f.Diagram->SetConnectionLineId(QStringLiteral("TDiagramBlock"));
  EXPECT_EQ(f.Diagram->GetConnectionLineClass(), nullptr);
  f.Diagram->SetConnectionLineId(QStringLiteral("NoSuchLine"));
  EXPECT_EQ(f.Diagram->GetConnectionLineClass(), nullptr);
  f.Diagram->SetConnectionLineId(QStringLiteral("tdiagramsideline"));
  EXPECT_EQ(f.Diagram->GetConnectionLineClass(), &TDiagramSideLine::StaticClassInfo());

  f.Diagram->SetConnectionLineClass(&TDiagramArc::StaticClassInfo());
  EXPECT_EQ(f.Diagram->GetConnectionLineId(), "TDiagramArc");
  f.Diagram->SetConnectionLineClass(nullptr);
  EXPECT_EQ(f.Diagram->GetConnectionLineId(), "");
  EXPECT_EQ(f.Diagram->GetConnectionLineClass(), nullptr);

  // A line drawn out of a link point carries the connection identifier.
  RegisterDControl<TDiagramLine>(QStringLiteral("TDiagramLine_conn"));
  f.Diagram->SetConnectionLineId(QStringLiteral("TDiagramLine_conn"));
  auto* a = f.NewBlock(100, 100, 50, 50);
  auto* b = f.NewBlock(300, 100, 50, 50);
  a->GetLinkPoints()->Add(50, 50, aoNone);
  b->GetLinkPoints()->Add(50, 50, aoNone);
  f.DragFromTo(f.At(125, 125), f.At(325, 125));
  ASSERT_EQ(f.Diagram->LinkCount(), 1);
  EXPECT_EQ(f.Diagram->GetLinks(0)->GetDControlID(), "TDiagramLine_conn");
}
