// The canvas's text: drawn into its layout rectangle without clipping, except underlined
// text, which is drawn as one laid-out block clipped to the rectangle. Strike-out is never
// drawn. The measured box is one unit wider and taller than the text.
#include <QPainter>

#include "graphics/EngineText.h"
#include "graphics/ImagePreparation.h"
#include "graphics/direct2d/D2DCanvas.h"
#include "platform/gui/ColorUtils.h"
#include "platform/gui/Font.h"

namespace tarnwick {

TSquare TD2DCanvas::StringBounds(const QString& AStr, TFont* AFont, const TSquare& ARect, TAlignment AHAlign,
                                 TVertAlign AVAlign, bool AWrap, bool ARightToLeft) {
  if (!AFont) return TSquare{ARect.Left, ARect.Top, ARect.Left, ARect.Top};
  const TEngineTextFormat format =
      EngineTextFormat(EngineFont(*AFont, false, false), AHAlign, AVAlign, AWrap, ARightToLeft);
  const QRectF measured = EngineTextBounds(format, SquareToQRectF(ARect), AStr);
  const double w = measured.width();
  const double h = measured.height();
  double left = ARect.Left;
  if (AHAlign == taRightJustify) left = ARect.Right - w;
  else if (AHAlign == taCenter) left = ARect.Left + (ARect.Right - ARect.Left - w) / 2;
  double top = ARect.Top;
  if (AVAlign == vaBottom) top = ARect.Bottom - h;
  else if (AVAlign == vaCenter) top = ARect.Top + (ARect.Bottom - ARect.Top - h) / 2;
  return TSquare{left, top, left + w + 1, top + h + 1};
}

void TD2DCanvas::DrawString(const QString& AStr, TFont* AFont, const TSquare& ARect, TAlignment AHAlign,
                            TVertAlign AVAlign, bool AWrap, bool ARightToLeft, int ATransparency) {
  if (AStr.isEmpty() || !AFont) return;
  const bool underline = AFont->GetStyle().Contains(fsUnderline);
  const TEngineTextFormat format =
      EngineTextFormat(EngineFont(*AFont, underline, false), AHAlign, AVAlign, AWrap, ARightToLeft);
  const QRectF box = SquareToQRectF(ARect);
  TPainterSurface::TScope scope(Surface());
  if (!scope.Active()) return;
  QPainter& p = scope.P();
  if (underline) p.setClipRect(box, p.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
  p.setOpacity(TransparencyOpacity(ATransparency));
  p.setPen(ColorToQColor(AFont->GetColor()));
  PaintEngineText(p, format, box, AStr);
}

}  // namespace tarnwick
