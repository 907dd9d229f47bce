#pragma once
// Text as both engines lay it out: the font at an em size in drawing units, alignment in a
// layout rectangle, never clipped, wrapped only on request, optionally right to left.
#include <QFont>
#include <QRectF>
#include <QString>

#include "geometry/Dot.h"

class QPainter;

namespace tarnwick {

class TFont;

struct TEngineTextFormat {
  QFont Font;
  int Flags = 0;  // Qt::AlignmentFlag | Qt::TextFlag
  bool RightToLeft = false;
};

// The font's family (the generic sans-serif family when it is not installed), an em size of
// |Height| drawing units, and its style bits. AUnderline and AStrikeOut let an engine leave
// decorations to itself.
QFont EngineFont(const TFont& AFont, bool AUnderline, bool AStrikeOut);
TEngineTextFormat EngineTextFormat(const QFont& AFont, TAlignment AHAlign, TVertAlign AVAlign, bool AWrap,
                                   bool ARightToLeft);
// The box the text occupies when laid out in ARect.
QRectF EngineTextBounds(const TEngineTextFormat& AFormat, const QRectF& ARect, const QString& AText);
// Paints the text with the painter's current pen colour.
void PaintEngineText(QPainter& APainter, const TEngineTextFormat& AFormat, const QRectF& ARect, const QString& AText);

QRectF SquareToQRectF(const TSquare& R) noexcept;

}  // namespace tarnwick
