// Where the platform reports no Direct2D support, the engine's entry points refuse to start.
#include <gtest/gtest.h>

#include "graphics/NativeObjectCounts.h"
#include "graphics/direct2d/D2DBlockDrawer.h"
#include "graphics/direct2d/D2DException.h"
#include "graphics/direct2d/D2DPaintEngine.h"
#include "platform/gui/Canvas.h"

namespace tarnwick {
namespace {

class D2DUnsupportedTest : public ::testing::Test {
 protected:
  void SetUp() override { SetDirect2DSupported(false); }
};

template <class F>
QString ErrorOf(F&& Action) {
  try {
    Action();
  } catch (const EDirect2DException& e) {
    return e.Message();
  }
  return QStringLiteral("(nothing raised)");
}

TEST_F(D2DUnsupportedTest, CreatingABlockDrawerRaisesAndBuildsNothing) {
  const uint64_t before = NativeObjectCounts().Total();
  EXPECT_EQ(ErrorOf([] { TOwned<TD2DBlockDrawer> drawer(Create<TD2DBlockDrawer>()); }), "Direct2D not supported.");
  EXPECT_EQ(NativeObjectCounts().Total(), before);
}

TEST_F(D2DUnsupportedTest, CreatingAPaintEngineRaises) {
  QImage image(10, 10, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&image);
  TOwned<TCanvas> canvas(MakeOwned<TCanvas>(&painter));
  EXPECT_EQ(ErrorOf([&] { TOwned<TD2DPaintEngine> engine(Create<TD2DPaintEngine>(canvas.get(), TRect{0, 0, 10, 10})); }),
            "Direct2D not supported.");
  // The factory of a canvas made while support was on does the same check.
  SetDirect2DSupported(true);
  TOwned<TD2DCanvas> d2dCanvas(MakeOwned<TD2DCanvas>(nullptr));
  SetDirect2DSupported(false);
  EXPECT_EQ(ErrorOf([&] { TOwned<TDgrPaintEngine> engine(d2dCanvas->CreatePaintEngine(canvas.get(), TRect{0, 0, 10, 10})); }),
            "Direct2D not supported.");
}

}  // namespace
}  // namespace tarnwick
