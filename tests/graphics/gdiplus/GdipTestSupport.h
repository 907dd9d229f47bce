#pragma once
// What the engine's pixel tests share: an image target with its painter and platform canvas,
// colour comparison with a tolerance (anti-aliasing and gradient steps), and encoded images.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <string>

#include "platform/core/Object.h"
#include "platform/core/Stream.h"
#include "platform/gui/Canvas.h"

namespace tarnwick::gdiptest {

// An image, white unless told otherwise, with an active painter and a platform canvas on it.
class TTarget {
 public:
  explicit TTarget(int W = 100, int H = 100, QColor Fill = Qt::white)
      : FImage(W, H, QImage::Format_ARGB32_Premultiplied) {
    FImage.fill(Fill);
    FPainter.begin(&FImage);
    FCanvas = MakeOwned<TCanvas>(&FPainter);
  }
  ~TTarget() { End(); }

  QPainter* Painter() { return &FPainter; }
  TCanvas* Canvas() { return FCanvas.get(); }
  // Ends painting (once) and gives the pixel at (X, Y), unpremultiplied.
  QColor At(int X, int Y) {
    End();
    return QColor::fromRgba(FImage.pixel(X, Y));
  }
  const QImage& Image() {
    End();
    return FImage;
  }

 private:
  void End() {
    if (FPainter.isActive()) FPainter.end();
  }

  QImage FImage;
  QPainter FPainter;
  TOwned<TCanvas> FCanvas;
};

inline std::string Describe(const QColor& C) {
  return "(" + std::to_string(C.red()) + ", " + std::to_string(C.green()) + ", " + std::to_string(C.blue()) + ", " +
         std::to_string(C.alpha()) + ")";
}

// Each channel within Tolerance.
inline ::testing::AssertionResult Near(const QColor& Actual, const QColor& Expected, int Tolerance = 12) {
  const bool ok = std::abs(Actual.red() - Expected.red()) <= Tolerance &&
                  std::abs(Actual.green() - Expected.green()) <= Tolerance &&
                  std::abs(Actual.blue() - Expected.blue()) <= Tolerance &&
                  std::abs(Actual.alpha() - Expected.alpha()) <= Tolerance;
  if (ok) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "got " << Describe(Actual) << ", expected " << Describe(Expected);
}

// The colour a fraction T of the way from A to B.
inline QColor Mix(const QColor& A, const QColor& B, double T) {
  auto lerp = [T](int a, int b) { return static_cast<int>(a + (b - a) * T + 0.5); };
  return QColor(lerp(A.red(), B.red()), lerp(A.green(), B.green()), lerp(A.blue(), B.blue()));
}

// The image encoded as a PNG file in a memory stream.
inline QByteArray PngBytes(const QImage& AImage) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  AImage.save(&buffer, "PNG");
  return bytes;
}

}  // namespace tarnwick::gdiptest
