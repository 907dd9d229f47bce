#include "editor/palette/PaletteGlyphs.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>

#include "diagram/view/DControlGlyph.h"
#include "platform/gui/Bitmap.h"

namespace tarnwick {

namespace {

QPixmap GlyphPixmap(const TRegDControl* AEntry, int AScale) {
  TBitmap glyph;
  GetDControlGlyph(AEntry, glyph, AScale);
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
  QPixmap pixmap = QPixmap::fromImage(image);
  // A glyph that came at the finer scale shows at the glyph size on a dense screen.
  pixmap.setDevicePixelRatio(double(image.width()) / DControlGlyphSize);
  return pixmap;
}

}  // namespace

QIcon PaletteIcon(const TRegDControl* AEntry) {
  QIcon icon;
  // On a dense screen both densities: Qt picks the one matching the screen the palette
  // is on. The finer one costs four times the drawing, so only where it shows.
  const int finest = qApp && qApp->devicePixelRatio() > 1 ? 2 : 1;
  for (int scale = 1; scale <= finest; ++scale)
    if (const QPixmap pixmap = GlyphPixmap(AEntry, scale); !pixmap.isNull()) icon.addPixmap(pixmap);
  return icon;
}

}  // namespace tarnwick
