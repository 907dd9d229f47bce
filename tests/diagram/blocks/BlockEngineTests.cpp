// Blocks painted through each drawing library in a real paint pass: the same block looks
// the same in all three where the libraries agree, transparency and shadows blend on the
// engines, and a repaint of an unchanged block builds no native pen, brush or path.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "../PassImage.h"
#include "BlockFixture.h"
#include "diagram/model/Gradient.h"
#include "diagram/model/Shadow.h"
#include "graphics/NativeObjectCounts.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Canvas.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

constexpr TColor Red = 0x0000FF;
constexpr TColor Blue = 0xFF0000;

class BlockEngines : public ::testing::TestWithParam<TDgrGraphicLib>, public TBlockFixture {
 protected:
  BlockEngines() { Diagram->SetGraphicLib(GetParam()); }
  QImage Paint() { return PaintPass(Diagram, 300, 200); }
  TDirect2DOn Direct2D;
};

TEST_P(BlockEngines, ABlockPaintsItsFillAndOutlineInEveryLibrary) {
  NewBlock(50, 50, 100, 60)->SetColor(Red);
  const QImage image = Paint();
  EXPECT_TRUE(Near(image.pixel(100, 80), 255, 0, 0)) << "filled";
  EXPECT_LT(qRed(image.pixel(100, 50)), 128) << "outline on the top edge";
  EXPECT_TRUE(Near(image.pixel(100, 45), 255, 255, 255)) << "nothing outside";
  EXPECT_TRUE(Near(image.pixel(160, 80), 255, 255, 255));
}

TEST_P(BlockEngines, ATurnedEllipseLeavesItsBoundsCornersEmpty) {
  auto* b = NewBlock(50, 50, 100, 100, 45);
  b->SetShape(bsEllipse);
  b->SetColor(Blue);
  const QImage image = Paint();
  EXPECT_TRUE(Near(image.pixel(100, 100), 0, 0, 255));
  EXPECT_TRUE(Near(image.pixel(55, 55), 255, 255, 255));
}

TEST_P(BlockEngines, TheGradientRunsFromStartToEndColour) {
  auto* b = NewBlock(50, 50, 100, 100);
  b->GetGradient()->SetStartColor(Red);
  b->GetGradient()->SetEndColor(Blue);
  b->GetGradient()->SetVisible(true);
  const QImage image = Paint();
  const QRgb top = image.pixel(100, 54), bottom = image.pixel(100, 146);
  EXPECT_GT(qRed(top), qBlue(top) + 100);
  EXPECT_GT(qBlue(bottom), qRed(bottom) + 100);
}

TEST_P(BlockEngines, ARepaintOfAnUnchangedBlockBuildsNoNativeObjects) {
  if (GetParam() == dglGDI) GTEST_SKIP() << "the legacy canvas has no engine objects";
  auto* b = NewBlock(50, 50, 100, 60, 30);
  b->GetShadow()->SetVisible(true);
  b->GetGradient()->SetVisible(true);
  b->SetTransparency(20);
  Paint();
  const uint64_t before = NativeObjectCounts().Total();
  Paint();
  EXPECT_EQ(NativeObjectCounts().Total(), before);
  b->SetColor(0x00FF00);
  Paint();
  EXPECT_GT(NativeObjectCounts().Total(), before) << "a change is built anew";
}

INSTANTIATE_TEST_SUITE_P(EveryLibrary, BlockEngines, ::testing::Values(dglGDI, dglGDIPlus, dglDirect2D));

class BlockOnEngine : public ::testing::Test, public TBlockFixture {
 protected:
  QImage Paint() { return PaintPass(Diagram, 300, 200); }
};

TEST_F(BlockOnEngine, TransparencyBlendsTheBodyWithWhatLiesBelow) {
  auto* b = NewBlock(50, 50, 100, 60);
  b->SetColor(Red);
  b->SetTransparency(50);
  EXPECT_TRUE(Near(Paint().pixel(100, 80), 255, 127, 127));
}

TEST_F(BlockOnEngine, AShadowCombinesItsTransparencyWithTheBlocks) {
  auto* b = NewBlock(50, 50, 100, 60);
  b->SetColor(Red);
  b->GetShadow()->SetVisible(true);
  b->GetShadow()->SetHOffset(20);
  b->GetShadow()->SetVOffset(20);
  b->GetShadow()->SetColor(0);
  b->GetShadow()->SetTransparency(50);
  const QImage image = Paint();
  EXPECT_TRUE(Near(image.pixel(160, 120), 127, 127, 127)) << "half-transparent black shadow";
  b->SetTransparency(50);
  // 100 - (50 x 50) div 100 = 75: the shadow is a quarter opaque.
  EXPECT_TRUE(Near(Paint().pixel(160, 120), 191, 191, 191));
}

TEST_F(BlockOnEngine, ABitmapTurnsWithTheBlock) {
  auto* b = NewBlock(50, 50, 100, 100, 45);
  b->SetTransparent(true);
  QImage picture(10, 10, QImage::Format_RGB32);
  picture.fill(QColor(0, 160, 0));
  b->GetBitmap()->SetImage(picture);
  const QImage image = Paint();
  EXPECT_TRUE(Near(image.pixel(100, 100), 0, 160, 0)) << "the centre";
  EXPECT_TRUE(Near(image.pixel(100, 48), 0, 160, 0, 40)) << "a turned corner reaches above the bounds";
  EXPECT_TRUE(Near(image.pixel(54, 54), 255, 255, 255)) << "the unturned corner stays empty";
}

}  // namespace
