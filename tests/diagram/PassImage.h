#pragma once
// Painting whole paint passes of a diagram into images, for tests that look at pixels.
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "diagram/view/Diagram.h"
#include "platform/gui/Canvas.h"

namespace tarnwick::test {

// One pass of the diagram onto a white image of Width x Height.
inline QImage PaintPass(TdvDiagram* ADiagram, int AWidth, int AHeight, TPaintStyle AStyle = psBitmap) {
  QImage image(AWidth, AHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  TCanvas canvas(&painter);
  ADiagram->PaintAs(canvas, AStyle, TDot{0, 0});
  return image;
}

// Whether a pixel is within Tolerance of (R, G, B) in every channel: anti-aliased engines
// never hit a colour exactly at an edge, and blends round either way.
inline bool Near(QRgb C, int R, int G, int B, int Tolerance = 12) {
  return std::abs(qRed(C) - R) <= Tolerance && std::abs(qGreen(C) - G) <= Tolerance &&
         std::abs(qBlue(C) - B) <= Tolerance;
}

// Turns the Direct2D engine on for a test and off again after it.
struct TDirect2DOn {
  TDirect2DOn() { SetDirect2DSupported(true); }
  ~TDirect2DOn() { SetDirect2DSupported(false); }
  TDirect2DOn(const TDirect2DOn&) = delete;
  TDirect2DOn& operator=(const TDirect2DOn&) = delete;
};

}  // namespace tarnwick::test
