// Snap grid and background without a diagram: defaults, tables, Assign, and the numbers
// their painting relies on (grid steps, which image is drawn, where tiles go).
#include <gtest/gtest.h>

#include "diagram/model/Gradient.h"
#include "diagram/view/DiagramBackground.h"
#include "diagram/view/SnapGrid.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Pen.h"
#include "platform/gui/Picture.h"
#include "tests/diagram/viewobjects/TableSupport.h"

using namespace tarnwick;
using namespace tarnwick::testing;

TEST(SnapGridValues, DefaultsAndTable) {
  auto* g = Create<TSnapGrid>();
  EXPECT_EQ(PropertyNames(TSnapGrid::StaticClassInfo()),
            (QStringList{"Active", "Force", "Visible", "SizeX", "SizeY", "Style", "Pen", "SnapToRuler"}));
  EXPECT_EQ(g->GetSizeX(), 8);
  EXPECT_EQ(g->GetSizeY(), 8);
  EXPECT_EQ(g->GetPen()->GetStyle(), psSolid);
  EXPECT_EQ(g->GetPen()->GetColor(), clBlack);
  EXPECT_EQ(StoredNames(*g), (QStringList{"Active", "Force", "Visible", "Style", "SnapToRuler"}));
  g->Free();
}

TEST(SnapGridValues, SizesAreWrittenWheneverTheyDifferFromEight) {
  auto* g = Create<TSnapGrid>();
  EXPECT_FALSE(StoredNames(*g).contains("SizeX"));
  g->SetSizeX(0);
  g->SetSizeY(12.5);
  EXPECT_TRUE(StoredValues(*g).contains("SizeX=0")) << "a switched-off axis must not read back as 8";
  EXPECT_TRUE(StoredValues(*g).contains("SizeY=12.5"));
  g->SetSizeX(std::nan(""));
  EXPECT_EQ(g->GetSizeX(), 0) << "values that are not finite are ignored";
  g->Free();
}

TEST(SnapGridValues, AssignLeavesForceAndSnapToRuler) {
  auto* a = Create<TSnapGrid>();
  auto* b = Create<TSnapGrid>();
  a->SetActive(true);
  a->SetVisible(true);
  a->SetSizeX(10);
  a->SetSizeY(20);
  a->SetStyle(gsLines);
  a->GetPen()->SetColor(clRed);
  a->SetForce(true);
  a->SetSnapToRuler(true);
  b->Assign(a);
  EXPECT_TRUE(b->GetActive());
  EXPECT_TRUE(b->GetVisible());
  EXPECT_EQ(b->GetSizeX(), 10);
  EXPECT_EQ(b->GetSizeY(), 20);
  EXPECT_EQ(b->GetStyle(), gsLines);
  EXPECT_EQ(b->GetPen()->GetColor(), clRed);
  EXPECT_FALSE(b->GetForce());
  EXPECT_FALSE(b->GetSnapToRuler());
  a->Free();
  b->Free();
}

TEST(SnapGridValues, PaintedStepsAreAtLeastTwoPixels) {
  EXPECT_DOUBLE_EQ(TSnapGrid::PixelStep(8, 1.5, 1.25), 15);
  EXPECT_TRUE(TSnapGrid::IsPaintedStep(2));
  EXPECT_FALSE(TSnapGrid::IsPaintedStep(1.99)) << "it would only fill the area";
  EXPECT_FALSE(TSnapGrid::IsPaintedStep(0));
  EXPECT_FALSE(TSnapGrid::IsPaintedStep(-8));
  EXPECT_FALSE(TSnapGrid::IsPaintedStep(1e-6)) << "a tiny grid would loop per fraction of a pixel";
  EXPECT_FALSE(TSnapGrid::IsPaintedStep(std::nan("")));
}

TEST(BackgroundValues, DefaultsTableAndImageChoice) {
  auto* b = Create<TDiagramBackground>();
  EXPECT_EQ(PropertyNames(TDiagramBackground::StaticClassInfo()),
            (QStringList{"Bitmap", "Picture", "Scroll", "Style", "Visible", "Gradient", "PrintGradient"}));
  EXPECT_TRUE(b->GetScroll());
  EXPECT_EQ(b->GetStyle(), biTile);
  EXPECT_FALSE(b->GetVisible());
  EXPECT_FALSE(b->GetPrintGradient());
  EXPECT_EQ(b->GetGradient()->GetDControl(), nullptr);
  EXPECT_EQ(StoredValues(*b),
            (QStringList{"Scroll=1", "Style=0", "Visible=0", "Gradient.Direction=0", "Gradient.StartColor=16777215",
                         "Gradient.EndColor=65535", "Gradient.Visible=0", "PrintGradient=0"}));
  EXPECT_EQ(b->Image(), nullptr);
  b->GetBitmap()->SetSize(4, 3);
  EXPECT_EQ(b->Image(), b->GetBitmap());
  auto* other = Create<TBitmap>();
  other->SetSize(5, 5);
  b->GetPicture()->SetGraphic(other);
  EXPECT_EQ(b->Image(), b->GetPicture()->GetGraphic()) << "the picture comes first";
  other->Free();
  b->Free();
}

TEST(BackgroundValues, GradientPaintsOnScreenOrWithPrintGradient) {
  auto* b = Create<TDiagramBackground>();
  EXPECT_FALSE(b->PaintsGradient(psScreen));
  b->GetGradient()->SetVisible(true);
  EXPECT_TRUE(b->PaintsGradient(psScreen));
  EXPECT_TRUE(b->PaintsGradient(psBitmap));
  EXPECT_FALSE(b->PaintsGradient(psPreview));
  EXPECT_FALSE(b->PaintsGradient(psPrint));
  b->SetPrintGradient(true);
  EXPECT_TRUE(b->PaintsGradient(psPrint));
  b->Free();
}

TEST(BackgroundValues, AssignCopiesImagesStyleAndGradientOnly) {
  auto* a = Create<TDiagramBackground>();
  auto* b = Create<TDiagramBackground>();
  a->GetBitmap()->SetSize(6, 2);
  a->SetStyle(biFixed);
  a->GetGradient()->SetEndColor(clRed);
  a->SetScroll(false);
  a->SetVisible(true);
  a->SetPrintGradient(true);
  b->Assign(a);
  EXPECT_EQ(b->GetBitmap()->GetWidth(), 6);
  EXPECT_EQ(b->GetStyle(), biFixed);
  EXPECT_EQ(b->GetGradient()->GetEndColor(), clRed);
  EXPECT_TRUE(b->GetScroll());
  EXPECT_FALSE(b->GetVisible());
  EXPECT_FALSE(b->GetPrintGradient());
  a->Free();
  b->Free();
}

TEST(BackgroundTiles, RepeatOnlyRightOfAndBelowTheImage) {
  TTileGrid g = LayTiles(Square(10, 20, 60, 50), Square(0, 0, 200, 100));
  EXPECT_EQ(g.FirstCol, 0);
  EXPECT_EQ(g.FirstRow, 0);
  EXPECT_EQ(g.EndCol, 4);  // left edges 10, 60, 110, 160
  EXPECT_EQ(g.EndRow, 3);  // top edges 20, 50, 80
  EXPECT_EQ(g.Tile(3, 2), Square(160, 80, 210, 110));
  // Scrolled far: copies left of the clip are skipped, not laid one by one.
  g = LayTiles(Square(-1e6, 0, -1e6 + 50, 30), Square(0, 0, 120, 30));
  EXPECT_EQ(g.EndCol - g.FirstCol, 3);
  EXPECT_LE(g.Tile(g.FirstCol, 0).Left, 0);
  EXPECT_GT(g.Tile(g.FirstCol, 0).Right, 0);
  // An image right of or below the clip, or smaller than a pixel, lays nothing.
  EXPECT_TRUE(LayTiles(Square(300, 0, 350, 30), Square(0, 0, 200, 100)).Empty());
  EXPECT_TRUE(LayTiles(Square(0, 0, 0, 30), Square(0, 0, 200, 100)).Empty());
  EXPECT_TRUE(LayTiles(Square(0, 0, 0.01, 0.01), Square(0, 0, 2000, 2000)).Empty());
}
