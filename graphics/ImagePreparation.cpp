#include "graphics/ImagePreparation.h"

#include <algorithm>

namespace tarnwick {

QImage WithoutBottomLeftColor(const QImage& AImage) {
  if (AImage.isNull()) return AImage;
  QImage image = AImage.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QRgb keyPremultiplied = reinterpret_cast<const QRgb*>(image.constScanLine(image.height() - 1))[0];
  for (int y = 0; y < image.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    std::replace(row, row + image.width(), keyPremultiplied, QRgb{0});
  }
  return image;
}

double TransparencyOpacity(int ATransparency) noexcept {
  return (100 - std::clamp(ATransparency, 0, 100)) / 100.0;
}

}  // namespace tarnwick
