// Inserting controls with the mouse and connecting blocks out of their link points.
#include <gtest/gtest.h>

#include <QtTest/QTest>

#include "MouseFixture.h"
#include "diagram/lines/LineClasses.h"
#include "diagram/model/LinkPoints.h"
#include "diagram/model/StretchHandles.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

TDiagramBlock* LastBlock(TdvDiagram& D) { return dynamic_cast<TDiagramBlock*>(D.GetBlocks(D.BlockCount() - 1)); }

}  // namespace

TEST(MouseInsert, AClickGivesTheDefaultSizeAndADragSpansTheBlock) {
  TMouseFixture f;
  f.Diagram->StartInsertingControl(&TDiagramBlock::StaticClassInfo(), false);
  EXPECT_EQ(f.Diagram->GetMouseState(), msToInsert);
  f.Press(f.At(200, 100));
  f.Drag(f.At(205, 104));
  f.Release(f.At(205, 104));
  ASSERT_EQ(f.Diagram->BlockCount(), 1);
  TDiagramBlock* clicked = LastBlock(*f.Diagram);
  EXPECT_EQ(clicked->GetBoundsRect(), (TSquare{200, 100, 250, 150}));
  EXPECT_TRUE(clicked->GetSelected());
  EXPECT_EQ(f.Diagram->GetMouseState(), msBrowsing);
  EXPECT_EQ(f.Operations, QStringList{"insert"});

  f.Diagram->StartInsertingControl(&TDiagramBlock::StaticClassInfo(), false);
  f.DragFromTo(f.At(300, 100), f.At(400, 160));
  ASSERT_EQ(f.Diagram->BlockCount(), 2);
  EXPECT_EQ(LastBlock(*f.Diagram)->GetBoundsRect(), (TSquare{300, 100, 400, 160}));
  EXPECT_FALSE(clicked->GetSelected());
}

TEST(MouseInsert, KeepInsertingArmsTheNextButEscapeDoesNot) {
  TMouseFixture f;
  f.Diagram->StartInsertingControl(&TDiagramBlock::StaticClassInfo(), true);
  f.Press(f.At(100, 100));
  f.Release(f.At(100, 100));
  EXPECT_EQ(f.Diagram->GetMouseState(), msToInsert);
  ASSERT_NE(f.Diagram->GetInsertDControl(), nullptr);
  EXPECT_EQ(&f.Diagram->GetInsertDControl()->ClassInfo(), &TDiagramBlock::StaticClassInfo());

  f.Press(f.At(300, 100));
  f.Drag(f.At(350, 150));
  f.Escape();
  EXPECT_EQ(f.Diagram->GetMouseState(), msBrowsing);
  EXPECT_EQ(f.Diagram->GetInsertDControl(), nullptr);
  f.Release(f.At(350, 150));
  EXPECT_EQ(f.Diagram->BlockCount(), 1);
}

TEST(MouseConnect, ALineDrawnFromALinkPointToAnotherAnchorsBothEnds) {
  TMouseFixture f;
  auto* a = f.NewBlock(100, 100, 50, 50);
  auto* b = f.NewBlock(300, 100, 50, 50);
  TLinkPoint* pa = a->GetLinkPoints()->Add(50, 50, aoNone);
  TLinkPoint* pb = b->GetLinkPoints()->Add(50, 50, aoNone);
  f.Diagram->SetConnectionLineClass(&TDiagramLine::StaticClassInfo());
  f.DragFromTo(f.At(125, 125), f.At(325, 125));
  ASSERT_EQ(f.Diagram->LinkCount(), 1);
  auto* line = dynamic_cast<TDiagramLine*>(f.Diagram->GetLinks(0));
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->GetSourceLinkPoint()->GetAnchorLink(), pa);
  EXPECT_EQ(line->GetTargetLinkPoint()->GetAnchorLink(), pb);
  EXPECT_TRUE(line->GetSelected());
  EXPECT_EQ(f.Operations, QStringList{"insert"});

  // Without a connection class a press on a free link point selects and drags the block.
  b->GetLinkPoints()->Add(50, 20, aoNone);
  f.Diagram->SetConnectionLineClass(nullptr);
  f.Diagram->UnselectAll();
  f.Operations.clear();
  f.DragFromTo(f.At(325, 110), f.At(345, 110));
  EXPECT_TRUE(b->GetSelected());
  EXPECT_EQ(f.Diagram->LinkCount(), 1);
  EXPECT_EQ(f.Operations, QStringList{"move"});
}

TEST(MouseConnect, ALinkPointMadeForARefusedOrCancelledStartIsRemoved) {
  TMouseFixture f;
  auto* a = f.NewBlock(100, 100, 50, 50);
  a->SetAutoCreateLinkPoints(true);
  bool accept = false;
  f.Diagram->OnAcceptAnchor = [&](TObject*, TLinkPoint*, TLinkPoint*, bool& Accept) { Accept = accept; };
  auto arm = [&] {
    auto* line = Create<TDiagramLine>(f.Form);
    line->SetRequiresConnections(true);
    f.Diagram->StartInsertingControl(line, false);
  };

  // Refused: the press is ignored, the line stays pending and the block keeps no point.
  arm();
  f.Press(f.At(120, 120));
  EXPECT_EQ(f.Diagram->GetMouseState(), msToInsert);
  EXPECT_EQ(a->GetLinkPoints()->Count(), 0);
  f.Release(f.At(120, 120));

  // Accepted, then cancelled with Escape: the point made for the start goes too.
  accept = true;
  f.Press(f.At(120, 120));
  EXPECT_EQ(f.Diagram->GetMouseState(), msInserting);
  EXPECT_EQ(a->GetLinkPoints()->Count(), 1);
  f.Drag(f.At(300, 300));
  f.Escape();
  EXPECT_EQ(a->GetLinkPoints()->Count(), 0);
  f.Release(f.At(300, 300));

  // Released away from any end: a line that must be connected is not inserted.
  arm();
  f.DragFromTo(f.At(120, 120), f.At(400, 300));
  EXPECT_EQ(f.Diagram->LinkCount(), 0);
  EXPECT_EQ(a->GetLinkPoints()->Count(), 0);
}

TEST(MouseDraw, APolyLineGetsAPointPerReleaseAndEndsOnADoublePress) {
  TMouseFixture f;
  auto* line = Create<TDiagramPolyLine>(f.Form);
  ASSERT_EQ(line->GetInsertStyle(), isDraw);
  f.Diagram->StartInsertingControl(line, false);
  EXPECT_EQ(f.Diagram->GetMouseState(), msToDraw);
  f.Press(f.At(100, 100));
  EXPECT_EQ(f.Diagram->GetMouseState(), msDrawing);
  f.Release(f.At(100, 100));
  f.Drag(f.At(200, 100));
  f.W()->repaint();
  f.Press(f.At(200, 100));
  f.Release(f.At(200, 100));
  // Within 5 units of the last point: no new point.
  f.Press(f.At(203, 102));
  f.Release(f.At(203, 102));
  // A double click: the first click adds the point, the double press ends the drawing.
  f.Press(f.At(200, 200));
  f.Release(f.At(200, 200));
  QTest::mouseDClick(f.W(), Qt::LeftButton, {}, f.At(200, 200));
  EXPECT_EQ(f.Diagram->GetMouseState(), msBrowsing);
  ASSERT_EQ(f.Diagram->LinkCount(), 1);
  EXPECT_EQ(f.Diagram->GetLinks(0), line);
  ASSERT_EQ(line->GetHandles()->Count(), 3);
  EXPECT_EQ(line->GetHandles()->GetItems(2)->GetOrPoint(), (TDot{200, 200}));
  EXPECT_EQ(f.Operations, QStringList{"insert"});

  // Escape drops a drawing in progress with its control.
  auto* other = Create<TDiagramPolyLine>(f.Form);
  f.Diagram->StartInsertingControl(other, false);
  f.Press(f.At(300, 100));
  f.Release(f.At(300, 100));
  f.Escape();
  EXPECT_EQ(f.Diagram->GetMouseState(), msBrowsing);
  EXPECT_EQ(f.Diagram->LinkCount(), 1);
}
