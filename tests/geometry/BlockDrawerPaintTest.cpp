// The rotated frame's drawing on the integer canvas, checked on the pixels of a small image:
// black outline, red fill, white background, no anti-aliasing.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <functional>

#include "geometry/BlockDrawer.h"
#include "platform/core/Colors.h"
#include "platform/gui/Canvas.h"

namespace tarnwick {
namespace {

// 'O' outline, 'F' fill, '.' untouched.
class BlockDrawerPaintTest : public ::testing::Test {
 protected:
  void Paint(const std::function<void(TBlockDrawer&)>& Draw) {
    Image = QImage(48, 48, QImage::Format_RGB32);
    Image.fill(Qt::white);
    QPainter Painter(&Image);
    TOwned<TCanvas> Canvas = MakeOwned<TCanvas>();
    Canvas->SetPainter(&Painter);
    Canvas->GetBrush()->SetColor(clRed);
    Drawer.SetCanvas(Canvas.get());
    Draw(Drawer);
    Drawer.SetCanvas(nullptr);
  }
  char At(int X, int Y) const {
    const QRgb C = Image.pixel(X, Y);
    if (C == qRgb(0, 0, 0)) return 'O';
    if (C == qRgb(255, 0, 0)) return 'F';
    if (C == qRgb(255, 255, 255)) return '.';
    return '?';
  }

  TBlockDrawer Drawer;
  QImage Image;
};

TEST_F(BlockDrawerPaintTest, UnturnedRectIncludesTheRoundedRightAndBottomEdges) {
  Paint([](TBlockDrawer& D) { D.DrawRotRect(10.5, 10, 29.5, 20); });  // 10.5 -> 10, 30.5 -> 30
  EXPECT_EQ(At(9, 15), '.');
  EXPECT_EQ(At(10, 15), 'O');
  EXPECT_EQ(At(20, 15), 'F');
  EXPECT_EQ(At(29, 15), 'O');
  EXPECT_EQ(At(30, 15), '.');
  EXPECT_EQ(At(20, 20), 'O');
  EXPECT_EQ(At(20, 21), '.');
}

TEST_F(BlockDrawerPaintTest, TurnedRectBecomesAPolygonAboutTheCurRectCentre) {
  Drawer.SetCurRect(Square(0, 0, 40, 40));
  Drawer.SetAngle(90);
  // 20 x 10 about (20, 20) turned upright: corners (15, 10) .. (25, 30).
  Paint([](TBlockDrawer& D) { D.DrawRotRect(10, 15, 30, 25); });
  EXPECT_EQ(At(15, 20), 'O');
  EXPECT_EQ(At(25, 20), 'O');
  EXPECT_EQ(At(20, 10), 'O');
  EXPECT_EQ(At(20, 30), 'O');
  EXPECT_EQ(At(20, 20), 'F');
  EXPECT_EQ(At(12, 20), '.');
  EXPECT_EQ(At(20, 8), '.');
}

TEST_F(BlockDrawerPaintTest, UnturnedEllipseAndRoundRectIncludeTheirRightEdge) {
  Paint([](TBlockDrawer& D) { D.DrawRotEllipse(10, 10, 30, 20); });
  EXPECT_EQ(At(30, 15), 'O');
  EXPECT_EQ(At(31, 15), '.');
  EXPECT_EQ(At(20, 15), 'F');
  Paint([](TBlockDrawer& D) { D.DrawRotRoundRect(10, 10, 30, 20, 6, 6); });
  EXPECT_EQ(At(30, 15), 'O');
  EXPECT_EQ(At(31, 15), '.');
  EXPECT_EQ(At(10, 10), '.');  // the corner is rounded off
}

TEST_F(BlockDrawerPaintTest, AutoOperationsMapFromTheOriginalRect) {
  Drawer.SetCurRect(Square(0, 0, 40, 40));  // original 0..100 shrinks to 0..40
  Paint([](TBlockDrawer& D) { D.AutoRotRect(25, 25, 75, 75); });
  EXPECT_EQ(At(10, 20), 'O');
  EXPECT_EQ(At(30, 20), 'O');
  EXPECT_EQ(At(31, 20), '.');

  Drawer.SetAngle(90);
  // (50, 25) -> (20, 10) -> turned to (30, 20); (50, 75) -> (20, 30) -> (10, 20).
  Paint([](TBlockDrawer& D) {
    D.AutoMoveTo(50, 25);
    D.AutoLineTo(50, 75);
  });
  // Unturned the line would run down x = 20; turned it runs along y = 20.
  EXPECT_EQ(At(15, 20), 'O');
  EXPECT_EQ(At(25, 20), 'O');
  EXPECT_EQ(At(20, 15), '.');
  EXPECT_EQ(At(20, 25), '.');
}

}  // namespace
}  // namespace tarnwick
