#pragma once
// The image rules both engines share: a raster image drawn "bitmap transparent" loses every
// pixel of the colour of its bottom-left pixel.
#include <QImage>

namespace tarnwick {

// A copy in premultiplied ARGB in which every pixel of exactly the bottom-left pixel's
// colour is fully transparent (all four channels 0). A null image stays null.
QImage WithoutBottomLeftColor(const QImage& AImage);

// The opacity a transparency percentage leaves, 0..1 (values outside 0..100 clamp).
double TransparencyOpacity(int ATransparency) noexcept;

}  // namespace tarnwick
