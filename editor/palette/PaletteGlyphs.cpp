#include "editor/palette/PaletteGlyphs.h"

#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPixmap>

#include "diagram/view/DControlGlyph.h"
#include "diagram/model/RegDControls.h"
#include "platform/core/ClassInfo.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Picture.h"

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
  // Drawing a glyph makes a diagram of its own; the palette, the line bar and the objects
  // bar all show the same entries, so each glyph is drawn once. The key holds what the
  // glyph is drawn from, so a library item saved again under its name is drawn afresh.
  // An entry's own picture costs nothing to show and may change under the same name: it
  // is not kept.
  static QHash<QString, QIcon> cache;
  const bool ownPicture = AEntry && AEntry->GetUseGlyph() && !AEntry->GetGlyph()->GetEmpty();
  const QString key = AEntry ? AEntry->GetDControlID() + u'|' +
                                   (AEntry->GetDControlClass() ? AEntry->GetDControlClass()->ClassName() : QString()) +
                                   u'|' + QString::number(qHash(AEntry->GetData()))
                             : QString();
  if (const auto found = cache.constFind(key); !ownPicture && found != cache.constEnd()) return *found;
  QIcon icon;
  // On a dense screen both densities: Qt picks the one matching the screen the palette
  // is on. The finer one costs four times the drawing, so only where it shows.
  const int finest = qApp && qApp->devicePixelRatio() > 1 ? 2 : 1;
  for (int scale = 1; scale <= finest; ++scale)
    if (const QPixmap pixmap = GlyphPixmap(AEntry, scale); !pixmap.isNull()) icon.addPixmap(pixmap);
  if (!ownPicture) cache.insert(key, icon);
  return icon;
}

}  // namespace tarnwick
