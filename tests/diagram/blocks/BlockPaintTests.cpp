// Painting a block on the legacy canvas: the layers land where the outline says, turned
// with the block, and nothing is painted that the block's settings leave out.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "BlockFixture.h"
#include "diagram/model/Gradient.h"
#include "diagram/model/Shadow.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Canvas.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

constexpr TColor Red = 0x0000FF;
constexpr TColor Blue = 0xFF0000;
const QRgb White = qRgb(255, 255, 255);

// A white image with a canvas on it.
struct TSurface {
  QImage Image{200, 200, QImage::Format_RGB32};
  QPainter Painter;
  TCanvas Canvas;
  TSurface() {
    Image.fill(Qt::white);
    Painter.begin(&Image);
    Canvas.SetPainter(&Painter);
  }
  ~TSurface() { Painter.end(); }
  QRgb At(int X, int Y) {
    Painter.end();
    const QRgb c = Image.pixel(X, Y);
    Painter.begin(&Image);
    return c;
  }
};

class BlockPainting : public ::testing::Test, public TBlockFixture {
 protected:
  TDiagramBlock* Block(TBlockShape AShape) {
    auto* b = NewBlock(0, 0, 100, 100);
    b->SetShape(AShape);
    b->SetColor(Red);
    return b;
  }
  TSurface S;
};

TEST_F(BlockPainting, FillAndOutlineFollowTheShape) {
  Block(bsEllipse)->DrawBlockInCanvas(&S.Canvas, TRect{50, 50, 150, 150});
  EXPECT_EQ(S.At(100, 100), qRgb(255, 0, 0)) << "filled inside";
  EXPECT_EQ(S.At(52, 52), White) << "the ellipse leaves the corner out";
  EXPECT_EQ(S.At(100, 50), qRgb(0, 0, 0)) << "outline at the top";
  EXPECT_EQ(S.At(100, 40), White) << "nothing outside";
}

TEST_F(BlockPainting, ATurnedBlockIsPaintedTurned) {
  auto* b = Block(bsRectangle);
  b->SetAngle(45);
  b->DrawBlockInCanvas(&S.Canvas, TRect{50, 50, 150, 150});
  EXPECT_EQ(S.At(100, 100), qRgb(255, 0, 0));
  EXPECT_EQ(S.At(55, 55), White) << "the unturned corner is empty";
  EXPECT_EQ(S.At(100, 35), qRgb(255, 0, 0)) << "the turned corner stands above the box";
}

TEST_F(BlockPainting, ATransparentBlockPaintsOnlyItsOutline) {
  auto* b = Block(bsRectangle);
  b->SetTransparent(true);
  b->DrawBlockInCanvas(&S.Canvas, TRect{50, 50, 150, 150});
  EXPECT_EQ(S.At(100, 100), White);
  EXPECT_EQ(S.At(50, 100), qRgb(0, 0, 0));
}

TEST_F(BlockPainting, TheShadowLiesBehindTheBodyAtItsOffset) {
  auto* b = Block(bsRectangle);
  b->GetShadow()->SetVisible(true);
  b->GetShadow()->SetHOffset(10);
  b->GetShadow()->SetVOffset(10);
  b->DrawBlockInCanvas(&S.Canvas, TRect{50, 50, 150, 150});
  EXPECT_EQ(S.At(155, 155), qRgb(128, 128, 128)) << "shadow below right";
  EXPECT_EQ(S.At(100, 100), qRgb(255, 0, 0)) << "body over the shadow";
}

TEST_F(BlockPainting, TheGradientRunsFromStartToEndColour) {
  auto* b = Block(bsRectangle);
  b->GetGradient()->SetStartColor(Red);
  b->GetGradient()->SetEndColor(Blue);
  b->GetGradient()->SetVisible(true);
  b->DrawBlockInCanvas(&S.Canvas, TRect{50, 50, 150, 150});
  const QRgb top = S.At(100, 53), bottom = S.At(100, 146);
  EXPECT_GT(qRed(top), qBlue(top));
  EXPECT_GT(qBlue(bottom), qRed(bottom));
}

TEST_F(BlockPainting, APatternBrushPaintsOverTheFill) {
  auto* b = Block(bsRectangle);
  b->GetBrush()->SetStyle(bsHorizontal);
  b->GetBrush()->SetColor(Blue);
  b->DrawBlockInCanvas(&S.Canvas, TRect{50, 50, 150, 150});
  int blue = 0;
  for (int y = 60; y < 140; ++y)
    if (S.At(100, y) == qRgb(0, 0, 255)) ++blue;
  EXPECT_GT(blue, 5);
}

TEST_F(BlockPainting, DrawPaintsAtTheBlocksPlaceInTheDiagram) {
  auto* b = Block(bsRectangle);
  b->SetBoundsRect(TSquare{20, 30, 80, 90});
  b->DefaultTextCell()->SetText("text");
  b->SetClipText(true);
  TDiagramDrawInfo info;
  info.Canvas = &S.Canvas;
  b->Draw(info);
  const TDot inside = Diagram->ClientToCanvas(TDot{25, 85});
  const TDot outside = Diagram->ClientToCanvas(TDot{15, 85});
  EXPECT_EQ(S.At(Round(inside.X), Round(inside.Y)), qRgb(255, 0, 0));
  EXPECT_EQ(S.At(Round(outside.X), Round(outside.Y)), White);
}

TEST_F(BlockPainting, PaintingRestoresTheCanvasTools) {
  S.Canvas.GetBrush()->SetColor(0x123456);
  S.Canvas.GetBrush()->SetStyle(bsSolid);
  Block(bsDiamond)->DrawBlockInCanvas(&S.Canvas, TRect{50, 50, 150, 150});
  EXPECT_EQ(S.Canvas.GetBrush()->GetColor(), 0x123456);
  EXPECT_EQ(S.Canvas.GetBrush()->GetStyle(), bsSolid);
}

}  // namespace
