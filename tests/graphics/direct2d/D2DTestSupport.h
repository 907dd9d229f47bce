#pragma once
// What the Direct2D engine's tests share: the support switch turned on for the test and
// off again after it, a scene (an image, its painter, a paint engine over it and a block
// drawer drawing on that engine) and a colour comparison with a tolerance.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "graphics/DgrTypes.h"
#include "graphics/direct2d/D2DBlockDrawer.h"
#include "graphics/direct2d/D2DBrush.h"
#include "graphics/direct2d/D2DCanvas.h"
#include "graphics/direct2d/D2DGraphicsPath.h"
#include "graphics/direct2d/D2DPaintEngine.h"
#include "graphics/direct2d/D2DPen.h"
#include "platform/gui/Canvas.h"

namespace tarnwick::d2dtest {

class D2DTest : public ::testing::Test {
 protected:
  void SetUp() override { SetDirect2DSupported(true); }
  void TearDown() override { SetDirect2DSupported(false); }
};

class TScene {
 public:
  explicit TScene(int W = 200, int H = 200, QColor Background = Qt::white)
      : FImage(W, H, QImage::Format_ARGB32_Premultiplied) {
    FImage.fill(Background);
    FPainter.begin(&FImage);
    FCanvas = MakeOwned<TCanvas>(&FPainter);
    FEngine = MakeOwned<TD2DPaintEngine>(FCanvas.get(), TRect{0, 0, W, H});
    FDrawer = MakeOwned<TD2DBlockDrawer>();
    FDrawer->SetPaintEngine(FEngine.get());
    // Crisp edges, so that pixels just inside a shape have the shape's colour.
    FEngine->SetSmoothMode(smInactive);
    Canvas().GetPen()->SetWidth(0);
    Pen().SetPenStyle(psClear);
  }
  ~TScene() { End(); }

  TD2DPaintEngine& Engine() { return *FEngine; }
  TD2DBlockDrawer& Drawer() { return *FDrawer; }
  TD2DCanvas& Canvas() { return *FDrawer->GetD2DCanvas(); }
  TD2DBrush& Brush() { return *static_cast<TD2DBrush*>(Canvas().GetBrush()); }
  TD2DPen& Pen() { return *static_cast<TD2DPen*>(Canvas().GetPen()); }

  // Finishes painting; the pixels can be read afterwards.
  const QImage& End() {
    if (FDrawer) FDrawer->SetPaintEngine(nullptr);
    FEngine.reset();
    if (FPainter.isActive()) FPainter.end();
    return FImage;
  }
  QColor Pixel(int X, int Y) { return End().pixelColor(X, Y); }

 private:
  QImage FImage;
  QPainter FPainter;
  TOwned<TCanvas> FCanvas;
  TOwned<TD2DPaintEngine> FEngine;
  TOwned<TD2DBlockDrawer> FDrawer;
};

inline ::testing::AssertionResult ColorNear(const QColor& Actual, const QColor& Expected, int Tolerance = 8) {
  const bool near = std::abs(Actual.red() - Expected.red()) <= Tolerance &&
                    std::abs(Actual.green() - Expected.green()) <= Tolerance &&
                    std::abs(Actual.blue() - Expected.blue()) <= Tolerance &&
                    std::abs(Actual.alpha() - Expected.alpha()) <= Tolerance;
  if (near) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "got " << qPrintable(Actual.name(QColor::HexArgb)) << ", expected "
                                       << qPrintable(Expected.name(QColor::HexArgb));
}

}  // namespace tarnwick::d2dtest
