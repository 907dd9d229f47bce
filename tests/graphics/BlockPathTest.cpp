// A block outline taken through the drawer's transform as a whole path.
#include <gtest/gtest.h>

#include "graphics/BlockPath.h"

namespace tarnwick {
namespace {

QPainterPath Outline() {
  QPainterPath P;
  P.setFillRule(Qt::WindingFill);
  P.moveTo(10, 20);
  P.lineTo(90, 20);
  P.cubicTo(100, 40, 100, 60, 90, 80);
  P.closeSubpath();
  P.addEllipse(QRectF(30, 30, 40, 20));
  return P;
}

TEST(TransformPath, MovesEveryPointAsTheTransformMapsIt) {
  TBlockTransform T;
  T.SetSourceRect(Square(0, 0, 100, 100));
  T.SetDestRect(Square(200, 100, 400, 150));
  T.SetHorizontalFlip(true);
  T.SetVerticalFlip(true);
  T.SetRotationCenter(Dot(300, 125));
  T.SetAngle(33);
  const QPainterPath Before = Outline();
  QPainterPath After = Before;
  TransformPath(After, T);
  ASSERT_EQ(After.elementCount(), Before.elementCount());
  EXPECT_EQ(After.fillRule(), Qt::WindingFill);
  for (int I = 0; I < Before.elementCount(); ++I) {
    const QPainterPath::Element E = Before.elementAt(I);
    const TDot Expected = T.Map(Dot(E.x, E.y));
    EXPECT_EQ(After.elementAt(I).type, E.type) << "element " << I;
    EXPECT_NEAR(After.elementAt(I).x, Expected.X, 1e-9) << "element " << I;
    EXPECT_NEAR(After.elementAt(I).y, Expected.Y, 1e-9) << "element " << I;
  }
}

TEST(TransformPath, LeavesThePathAloneWhenThereIsNothingToDo) {
  TBlockTransform T;
  T.SetSourceRect(Square(0, 0, 100, 100));
  T.SetDestRect(Square(0, 0, 100, 100));
  QPainterPath P = Outline();
  TransformPath(P, T);
  EXPECT_EQ(P, Outline());
  QPainterPath Empty;
  T.SetAngle(45);
  TransformPath(Empty, T);
  EXPECT_TRUE(Empty.isEmpty());
}

}  // namespace
}  // namespace tarnwick
