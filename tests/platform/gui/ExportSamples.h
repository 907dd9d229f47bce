#pragma once
// Helpers of the image export tests: a source picture, cutting it into bands, decoding
// what a writer produced, and naming the first pixel that differs.
#include <QImage>
#include <QString>
#include <string>
#include <vector>

#include "platform/core/Stream.h"

namespace tarnwick::testing_export {

// Varied colours; Translucent mixes opaque, clear and partial alphas, and makes pixel
// (0, 0) the straight (200, 100, 50) at alpha 128.
inline QImage Source(int W, int H, bool Translucent) {
  static const int Alphas[] = {255, 0, 128, 1, 254, 77, 255};
  QImage Image(W, H, QImage::Format_ARGB32);
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X)
      Image.setPixel(X, Y, qRgba((X * 37 + Y * 11) & 255, (X * 5 + Y * 29) & 255, (X * 13 + Y * 7) & 255,
                                 Translucent ? Alphas[(X + 3 * Y) % 7] : 255));
  if (Translucent) Image.setPixel(0, 0, qRgba(200, 100, 50, 128));
  return Image;
}

// Image cut into bands of the given heights; a last band takes what is left.
inline std::vector<QImage> Bands(const QImage& Image, const std::vector<int>& Heights) {
  std::vector<QImage> Out;
  for (int Top = 0, I = 0; Top < Image.height(); Top += Out.back().height(), ++I)
    Out.push_back(Image.copy(0, Top, Image.width(), I < int(Heights.size()) ? Heights[I] : Image.height() - Top));
  return Out;
}

inline QImage Decode(const TMemoryStream& Stream, const char* Format) {
  return QImage::fromData(Stream.Bytes(), Format).convertToFormat(QImage::Format_ARGB32);
}

// Empty when both images hold the same straight pixels.
inline std::string Difference(const QImage& Actual, const QImage& Expected) {
  if (Actual.size() != Expected.size()) return "sizes differ";
  const QImage A = Actual.convertToFormat(QImage::Format_ARGB32);
  const QImage E = Expected.convertToFormat(QImage::Format_ARGB32);
  for (int Y = 0; Y < A.height(); ++Y)
    for (int X = 0; X < A.width(); ++X)
      if (A.pixel(X, Y) != E.pixel(X, Y))
        return QString("pixel (%1, %2) is %3, expected %4")
            .arg(X).arg(Y).arg(A.pixel(X, Y), 8, 16).arg(E.pixel(X, Y), 8, 16).toStdString();
  return {};
}

}  // namespace tarnwick::testing_export
