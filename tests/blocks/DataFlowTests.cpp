// The data-flow set: the blocks' defaults and link points, the open data store, and the
// data-flow line inserted between two blocks.
#include <gtest/gtest.h>

#include <QImage>

#include "../diagram/PassImage.h"
#include "BlockSetFixture.h"
#include "diagram/lines/LineArrow.h"
#include "diagram/model/Shadow.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

struct DataFlowFixture : ::testing::Test, TBlockSetFixture {};

}  // namespace

TEST_F(DataFlowFixture, NewBlocksHaveTheirSizeShapeCentredTextAndSideMiddleLinkPoints) {
  struct TExpected {
    TCustomDiagramBlock* Block;
    double Width, Height;
    TBlockShape Shape;
  };
  const TExpected cases[] = {{Create<TDFDProcessBlock>(Form), 100, 50, bsSquareRound},
                             {Create<TDFDInterfaceBlock>(Form), 100, 100, bsRectangle},
                             {Create<TDFDDataStoreBlock>(Form), 100, 50, bsNoShape}};
  for (const TExpected& c : cases) {
    SCOPED_TRACE(c.Block->ClassName().toStdString());
    EXPECT_EQ(c.Block->GetWidth(), c.Width);
    EXPECT_EQ(c.Block->GetHeight(), c.Height);
    EXPECT_EQ(c.Block->GetShape(), c.Shape);
    EXPECT_EQ(c.Block->GetAlignment(), taCenter);
    EXPECT_EQ(c.Block->GetVertAlign(), vaCenter);
    TLinkPoints* points = c.Block->GetLinkPoints();
    ASSERT_EQ(points->Count(), 4);
    const TSymbolLinkPoint expected[] = {{aoUp, {50, 0}}, {aoDown, {50, 100}}, {aoLeft, {0, 50}}, {aoRight, {100, 50}}};
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(points->GetItems(i)->GetOrientation(), expected[i].Orientation) << i;
      EXPECT_EQ(points->GetItems(i)->GetOrX(), expected[i].At.X) << i;
      EXPECT_EQ(points->GetItems(i)->GetOrY(), expected[i].At.Y) << i;
    }
  }
}

TEST_F(DataFlowFixture, ADataStoreIsOpenOnTheRightButHitAllOver) {
  TDirect2DOn direct2D;
  TCustomDiagramBlock* store = NewById("TDFDDataStoreBlock", TSquare{100, 50, 200, 100});
  store->SetColor(0x0000FF);
  store->GetShadow()->SetVisible(true);
  store->GetShadow()->SetColor(0x00FF00);
  for (TDgrGraphicLib lib : {dglGDI, dglGDIPlus, dglDirect2D}) {
    Diagram->SetGraphicLib(lib);
    const QImage image = PaintPass(Diagram, 300, 200);
    auto darkAround = [&](int X, int Y) {
      for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
          if (qGray(image.pixel(X + dx, Y + dy)) < 128) return true;
      return false;
    };
    EXPECT_TRUE(darkAround(150, 50)) << "top, library " << lib;
    EXPECT_TRUE(darkAround(150, 100)) << "bottom, library " << lib;
    EXPECT_TRUE(darkAround(100, 75)) << "left, library " << lib;
    EXPECT_FALSE(darkAround(200, 75)) << "no right edge, library " << lib;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QRgb p = image.pixel(x, y);
        ASSERT_FALSE(Near(p, 255, 0, 0, 60) || Near(p, 0, 255, 0, 60)) << "no fill or shadow, library " << lib;
      }
    EXPECT_EQ(Diagram->DControlAtPos(TDot{195, 75}), store) << "library " << lib;
  }
}

TEST_F(DataFlowFixture, ADataFlowLineRunsAsASideLineToASolidArrow) {
  TCustomDiagramBlock* from = NewById("TDFDProcessBlock", TSquare{60, 60, 160, 110});
  TCustomDiagramBlock* to = NewById("TDFDDataStoreBlock", TSquare{260, 160, 360, 210});
  Diagram->StartInsertingControl("TDFDDataFlowLine", false);
  ASSERT_EQ(Diagram->GetMouseState(), msToInsert);
  DragFromTo(At(160, 85), At(260, 185));
  ASSERT_EQ(Diagram->LinkCount(), 1);
  auto* line = dynamic_cast<TDFDDataFlowLine*>(Diagram->GetLinks(0));
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->GetDControlID(), "TDFDDataFlowLine");
  EXPECT_EQ(line->GetLineStyle(), lsSideLine);
  EXPECT_EQ(line->GetTargetArrow()->GetShape(), asSolidArrow);
  EXPECT_EQ(line->GetSourceArrow()->GetShape(), asNone);
  EXPECT_EQ(line->GetSourceLinkPoint()->GetAnchorLink(), from->GetLinkPoints()->GetItems(3));
  EXPECT_EQ(line->GetTargetLinkPoint()->GetAnchorLink(), to->GetLinkPoints()->GetItems(2));
  // A side line turns corners: between these two points it needs at least one.
  EXPECT_GE(line->GetHandles()->Count(), 3);
}
