// Polygons and joins through the real widget: inserted by identifier, a polygon drawn
// click by click, and its vertices dragged by their handles.
#include <gtest/gtest.h>

#include <QtTest/QTest>

#include "PolygonFixture.h"

using namespace tarnwick;
using namespace tarnwick::test;

TEST(PolygonMouse, APolygonIsDrawnClickByClickAndEndsOnADoubleClick) {
  TPolygonFixture f;
  f.Diagram->StartInsertingControl(QStringLiteral("TPolygonBlock"), false);
  EXPECT_EQ(f.Diagram->GetMouseState(), msToDraw);
  f.Press(f.At(100, 100));
  f.Release(f.At(100, 100));
  f.Drag(f.At(200, 100));
  f.W()->repaint();  // the placed segments and the rubber segment paint over the diagram
  f.Press(f.At(200, 100));
  f.Release(f.At(200, 100));
  f.Drag(f.At(150, 180));
  f.W()->repaint();
  f.Press(f.At(150, 180));
  f.Release(f.At(150, 180));
  QTest::mouseDClick(f.W(), Qt::LeftButton, {}, f.At(150, 180));
  EXPECT_EQ(f.Diagram->GetMouseState(), msBrowsing);
  ASSERT_EQ(f.Diagram->BlockCount(), 1);
  auto* p = dynamic_cast<TPolygonBlock*>(f.Diagram->GetBlocks(0));
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->GetDControlID(), "TPolygonBlock");
  EXPECT_EQ(TPolygonFixture::Vertices(p), (TDotArray{{100, 100}, {200, 100}, {150, 180}}));
  EXPECT_EQ(p->GetBoundsRect(), (TSquare{100, 100, 200, 180}));
  EXPECT_TRUE(p->GetSelected());
  EXPECT_EQ(f.Operations, QStringList{"insert"});
  EXPECT_EQ(f.Diagram->DControlAtPos(TDot{150, 130}), p);
  f.W()->repaint();  // selected, with its vertex handles
}

TEST(PolygonMouse, AVertexHandleDragsItsVertexOnlyAndIsUndoneInOneStep) {
  TPolygonFixture f;
  auto* p = f.Draw({{100, 100}, {200, 100}, {150, 180}});
  p->SetSelected(true);
  f.DragFromTo(f.At(150, 180), f.At(170, 220));
  EXPECT_EQ(TPolygonFixture::Vertices(p), (TDotArray{{100, 100}, {200, 100}, {170, 220}}));
  EXPECT_EQ(p->GetBoundsRect(), (TSquare{100, 100, 200, 220}));
  EXPECT_EQ(f.Operations, QStringList{"resize"});

  // The same with the shape drag style, whose preview swaps the vertices in.
  f.Diagram->SetDragStyle(dsShape);
  f.Press(f.At(100, 100));
  f.Drag(f.At(80, 90));
  f.W()->repaint();
  f.Drag(f.At(60, 80));
  f.W()->repaint();
  f.Release(f.At(60, 80));
  EXPECT_EQ(TPolygonFixture::Vertices(p), (TDotArray{{60, 80}, {200, 100}, {170, 220}}));

  f.Diagram->Undo();
  EXPECT_EQ(TPolygonFixture::Vertices(dynamic_cast<TPolygonBlock*>(f.Diagram->GetBlocks(0))),
            (TDotArray{{100, 100}, {200, 100}, {170, 220}}));
}

TEST(PolygonMouse, AVertexOfARestrictedBlockStaysWhereItIs) {
  TPolygonFixture f;
  auto* p = f.Draw({{100, 100}, {200, 100}, {150, 180}});
  p->SetRestrictions(TControlRestrictions{crNoResize});
  p->SetSelected(true);
  f.DragFromTo(f.At(150, 180), f.At(170, 220));
  EXPECT_EQ(TPolygonFixture::Vertices(p)[2], (TDot{150, 180}));
}

TEST(PolygonMouse, AJoinIsInsertedByIdentifierWithAClick) {
  TPolygonFixture f;
  f.Diagram->StartInsertingControl(QStringLiteral("TDiagramLineJoin"), false);
  f.Press(f.At(100, 100));
  f.Release(f.At(100, 100));
  ASSERT_EQ(f.Diagram->BlockCount(), 1);
  auto* j = dynamic_cast<TDiagramLineJoin*>(f.Diagram->GetBlocks(0));
  ASSERT_NE(j, nullptr);
  EXPECT_EQ(j->GetBoundsRect(), (TSquare{100, 100, 120, 120}));
  EXPECT_EQ(j->GetLinkPoints()->GetItems(0)->DiagramPoint(), (TDot{110, 110}));
  EXPECT_FALSE(j->CanResize());
}
