#include "editor/palette/PaletteGlyphs.h"

#include <QImage>
#include <QPixmap>

#include "diagram/view/DControlGlyph.h"
#include "platform/gui/Bitmap.h"

namespace tarnwick {

QIcon PaletteIcon(const TRegDControl* AEntry) {
  TBitmap glyph;
  GetDControlGlyph(AEntry, glyph);
  QImage image = glyph.GetImage();
  if (image.isNull()) return {};
  image = image.convertToFormat(QImage::Format_ARGB32);
  // Glyphs mark their background with the colour of the bottom-left pixel.
  const QRgb transparent = image.pixel(0, image.height() - 1);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if (line[x] == transparent) line[x] = qRgba(0, 0, 0, 0);
  }
  return QIcon(QPixmap::fromImage(image));
}

}  // namespace tarnwick
