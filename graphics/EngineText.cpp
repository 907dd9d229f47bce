#include "graphics/EngineText.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextOption>
#include <cstdlib>

#include "platform/gui/Font.h"

namespace tarnwick {

QRectF SquareToQRectF(const TSquare& R) noexcept { return QRectF(R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top); }

QFont EngineFont(const TFont& AFont, bool AUnderline, bool AStrikeOut) {
  QFont font;
  if (QFontDatabase::hasFamily(AFont.GetName())) font.setFamily(AFont.GetName());
  else font.setStyleHint(QFont::SansSerif);
  // A pixel size of at least one: Qt ignores zero and negative sizes.
  font.setPixelSize(std::max(1, std::abs(AFont.GetHeight())));
  const TFontStyles style = AFont.GetStyle();
  font.setBold(style.Contains(fsBold));
  font.setItalic(style.Contains(fsItalic));
  font.setUnderline(AUnderline && style.Contains(fsUnderline));
  font.setStrikeOut(AStrikeOut && style.Contains(fsStrikeOut));
  // Metrics must not depend on the device's hinting, or a layout measured for the screen
  // would not match the same text exported at another zoom.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

TEngineTextFormat EngineTextFormat(const QFont& AFont, TAlignment AHAlign, TVertAlign AVAlign, bool AWrap,
                                   bool ARightToLeft) {
  int flags = Qt::TextDontClip;
  switch (AHAlign) {
    case taLeftJustify:
      flags |= Qt::AlignLeft;
      break;
    case taRightJustify:
      flags |= Qt::AlignRight;
      break;
    default:
      flags |= Qt::AlignHCenter;
      break;
  }
  switch (AVAlign) {
    case vaTop:
      flags |= Qt::AlignTop;
      break;
    case vaBottom:
      flags |= Qt::AlignBottom;
      break;
    default:
      flags |= Qt::AlignVCenter;
      break;
  }
  if (AWrap) flags |= Qt::TextWordWrap;
  return TEngineTextFormat{AFont, flags, ARightToLeft};
}

QRectF EngineTextBounds(const TEngineTextFormat& AFormat, const QRectF& ARect, const QString& AText) {
  const QFontMetricsF metrics(AFormat.Font);
  return metrics.boundingRect(ARect, AFormat.Flags, AText);
}

void PaintEngineText(QPainter& APainter, const TEngineTextFormat& AFormat, const QRectF& ARect, const QString& AText) {
  APainter.setFont(AFormat.Font);
  if (AFormat.RightToLeft) APainter.setLayoutDirection(Qt::RightToLeft);
  APainter.drawText(ARect, AFormat.Flags, AText);
}

}  // namespace tarnwick
