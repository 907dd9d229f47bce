// Polygons painted in real paint passes by each drawing library, upright and turned: the
// fill shows inside the polygon and nothing outside its turned box; a shadow and the
// drawn glyphs keep to their own rectangles.
#include <gtest/gtest.h>

#include <QImage>

#include "../PassImage.h"
#include "PolygonFixture.h"
#include "diagram/model/RegDControls.h"
#include "diagram/model/Shadow.h"
#include "diagram/view/DControlGlyph.h"
#include "geometry/Squares.h"
#include "platform/gui/Bitmap.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

constexpr TColor Red = 0x0000FF;

class PolygonPaint : public ::testing::TestWithParam<std::tuple<TDgrGraphicLib, double>>, public TPolygonFixture {
 protected:
  PolygonPaint() { Diagram->SetGraphicLib(std::get<0>(GetParam())); }
  double Angle() const { return std::get<1>(GetParam()); }
  TDirect2DOn Direct2D;
};

// The box around the polygon's turned vertices.
TSquare ShownBox(TCustomPolygonBlock* P) {
  TDotArray pts = P->GetPolygon()->Dots();
  RotatePolygon(pts, P->GetAngle());
  return PolygonBounds(pts);
}

}  // namespace

TEST_P(PolygonPaint, FillsInsideAndLeavesEverythingOutsideItsBoxWhite) {
  auto* p = Draw({{100, 100}, {220, 100}, {220, 200}, {160, 160}, {100, 200}}, Angle());
  p->SetColor(Red);
  const QImage image = PaintPass(Diagram, 400, 320);
  const TSquare box = ShownBox(p);
  const TDot inside = TurnDot(TDot{160, 120}, SquareCenter(p->GetBoundsRect()), Angle());
  EXPECT_TRUE(Near(image.pixel(int(inside.X), int(inside.Y)), 255, 0, 0)) << "filled";
  const TDot notch = TurnDot(TDot{160, 190}, SquareCenter(p->GetBoundsRect()), Angle());
  EXPECT_TRUE(Near(image.pixel(int(notch.X), int(notch.Y)), 255, 255, 255)) << "the notch stays empty";
  int painted = 0, outside = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      if (Near(image.pixel(x, y), 255, 255, 255)) continue;
      ++painted;
      outside += x < box.Left - 2 || x > box.Right + 2 || y < box.Top - 2 || y > box.Bottom + 2;
    }
  EXPECT_GT(painted, 3000);
  EXPECT_EQ(outside, 0);
  EXPECT_EQ(Diagram->DControlAtPos(inside), p);
  EXPECT_EQ(Diagram->DControlAtPos(notch), nullptr);
}

TEST_P(PolygonPaint, AShadowPaintsAtItsOffset) {
  auto* p = Draw({{100, 100}, {200, 100}, {150, 180}}, Angle());
  p->GetShadow()->SetVisible(true);
  p->GetShadow()->SetHOffset(40);
  p->GetShadow()->SetVOffset(0);
  const QImage image = PaintPass(Diagram, 400, 320);
  // Beyond the right edge of the triangle's box only the shadow can paint.
  const TSquare box = ShownBox(p);
  int shadow = 0;
  for (int y = int(box.Top); y < int(box.Bottom); ++y)
    for (int x = int(box.Right) + 3; x < int(box.Right) + 40; ++x) shadow += !Near(image.pixel(x, y), 255, 255, 255);
  EXPECT_GT(shadow, 50);
}

INSTANTIATE_TEST_SUITE_P(EveryLibraryAndAngle, PolygonPaint,
                         ::testing::Combine(::testing::Values(dglGDI, dglGDIPlus, dglDirect2D),
                                            ::testing::Values(0.0, 35.0)));

TEST(PolygonGlyphs, TheJoinAndPolygonEntriesHaveGlyphsThatShowSomething) {
  RegisterAllClasses();
  for (const char* id : {"TPolygonBlock", "TDiagramLineJoin"}) {
    SCOPED_TRACE(id);
    TBitmap glyph;
    GetDControlGlyph(RegisteredDControls().FindByID(id), glyph);
    const QImage image = glyph.GetImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(image.width(), DControlGlyphSize);
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) painted += image.pixel(x, y) != image.pixel(0, image.height() - 1);
    EXPECT_GT(painted, 15);
  }
}
