// A block class that states only its outline is painted on the legacy canvas and on the
// engines, hit-tested and flipped alike everywhere; pictures turn with the block and cell
// text blends by its transparency on every library, the legacy canvas included.
#include <gtest/gtest.h>

#include <QImage>
#include <array>

#include "../PassImage.h"
#include "BlockFixture.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Font.h"
#include "platform/gui/Pen.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

constexpr TColor Green = 0x00A000;

// A right triangle with its right angle at the bottom left of the original rectangle:
// all a new block class has to say to be painted and picked.
class TTriangleBlock : public TCustomDiagramBlock {
 public:
  using TCustomDiagramBlock::TCustomDiagramBlock;
  void BuildOutline(TOutlineSink& AOutline) override {
    const TSquare o = GetOriginalRect();
    const std::array<TDot, 3> pts{TDot{o.Left, o.Top}, TDot{o.Right, o.Bottom}, TDot{o.Left, o.Bottom}};
    AOutline.Polygon(pts);
  }
};

class OutlineOnEveryLibrary : public ::testing::TestWithParam<TDgrGraphicLib>, public TBlockFixture {
 protected:
  OutlineOnEveryLibrary() { Diagram->SetGraphicLib(GetParam()); }
  QImage Paint() { return PaintPass(Diagram, 300, 200); }
  TTriangleBlock* Triangle() {
    auto* b = NewBlock<TTriangleBlock>(50, 50, 100, 100);
    b->SetColor(Green);
    return b;
  }
  TDirect2DOn Direct2D;
};

TEST_P(OutlineOnEveryLibrary, ABlockStatingOnlyItsOutlineIsPaintedByIt) {
  Triangle();
  const QImage image = Paint();
  EXPECT_TRUE(Near(image.pixel(70, 130), 0, 160, 0)) << "inside, near the right angle";
  EXPECT_TRUE(Near(image.pixel(130, 70), 255, 255, 255)) << "the cut-off half stays empty";
  EXPECT_LT(qGreen(image.pixel(100, 100)), 100) << "the outline runs along the hypotenuse";
}

TEST_P(OutlineOnEveryLibrary, ABlockStatingOnlyItsOutlineIsHitByIt) {
  auto* b = Triangle();
  EXPECT_TRUE(b->PointInControl(TPoint{70, 130}));
  EXPECT_FALSE(b->PointInControl(TPoint{130, 70})) << "inside the bounds, outside the outline";
  EXPECT_EQ(Diagram->DControlAtPos(TDot{70, 130}), b);
  EXPECT_EQ(Diagram->DControlAtPos(TDot{130, 70}), nullptr);
  // A quarter turn clockwise brings the right angle to the top left.
  b->SetAngle(90);
  EXPECT_TRUE(b->PointInControl(TPoint{70, 70}));
  EXPECT_FALSE(b->PointInControl(TPoint{130, 130}));
}

TEST_P(OutlineOnEveryLibrary, AFlippedOutlineIsPaintedAndHitMirrored) {
  auto* b = Triangle();
  b->SetHorizontalFlip(true);
  const QImage image = Paint();
  EXPECT_TRUE(Near(image.pixel(130, 130), 0, 160, 0)) << "the right angle is now at the bottom right";
  EXPECT_TRUE(Near(image.pixel(70, 70), 255, 255, 255));
  EXPECT_TRUE(b->PointInControl(TPoint{130, 130}));
  EXPECT_FALSE(b->PointInControl(TPoint{70, 70}));
}

TEST_P(OutlineOnEveryLibrary, APictureTurnsWithTheBlock) {
  auto* b = NewBlock(50, 50, 100, 100, 45);
  b->SetTransparent(true);
  QImage picture(10, 10, QImage::Format_RGB32);
  picture.fill(QColor(0, 160, 0));
  b->GetBitmap()->SetImage(picture);
  const QImage image = Paint();
  EXPECT_TRUE(Near(image.pixel(100, 100), 0, 160, 0)) << "the centre";
  EXPECT_TRUE(Near(image.pixel(100, 34), 0, 160, 0, 40)) << "a turned corner reaches above the bounds";
  EXPECT_TRUE(Near(image.pixel(54, 54), 255, 255, 255)) << "the unturned corner stays empty";
}

// The darkest pixel of the image: black text on white shows how much of it is blended.
int Darkest(const QImage& AImage) {
  int darkest = 255;
  for (int y = 0; y < AImage.height(); ++y)
    for (int x = 0; x < AImage.width(); ++x) darkest = std::min(darkest, qGreen(AImage.pixel(x, y)));
  return darkest;
}

TEST_P(OutlineOnEveryLibrary, CellTextBlendsByTheCellsTransparency) {
  auto* b = NewBlock(20, 20, 260, 160);
  b->SetTransparent(true);
  b->GetPen()->SetStyle(psClear);
  TTextCell* cell = b->DefaultTextCell();
  b->GetFont()->SetSize(28);
  cell->SetText(QStringLiteral("WWW"));
  EXPECT_LT(Darkest(Paint()), 40) << "opaque text is black";
  cell->SetParentTransparency(false);
  cell->SetTransparency(50);
  EXPECT_TRUE(std::abs(Darkest(Paint()) - 127) <= 12) << "half-transparent text is grey";
  cell->SetParentTransparency(true);
  EXPECT_LT(Darkest(Paint()), 40) << "following the block, which is opaque";
  b->SetTransparency(50);
  EXPECT_TRUE(std::abs(Darkest(Paint()) - 127) <= 12) << "following the block's transparency";
}

INSTANTIATE_TEST_SUITE_P(EveryLibrary, OutlineOnEveryLibrary, ::testing::Values(dglGDI, dglGDIPlus, dglDirect2D));

}  // namespace
