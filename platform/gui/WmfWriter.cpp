#include "platform/gui/WmfWriter.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "platform/core/Exception.h"
#include "platform/gui/EmfWriter.h"
#include "platform/gui/MetafileDib.h"

namespace tarnwick::metafile {

namespace {

// Coordinates stay inside this range, leaving room for pen widths and rounding.
constexpr double Range = 32000;
// At most this many points per polygon record (the count is a 16-bit number).
constexpr int MaxPoints = 16000;

QByteArray Latin1Text(const QString& S) {
  QByteArray out;
  out.reserve(S.size());
  for (QChar c : S) out.append(c.unicode() < 256 ? static_cast<char>(c.unicode()) : '?');
  return out;
}

}  // namespace

QString WmfTooLargeMessage(QSize APixels) {
  return QStringLiteral(
             "An image of %1 x %2 pixels is too large for a Windows metafile (at most %3 pixels on a side); "
             "export it as an enhanced metafile (.emf) instead.")
      .arg(APixels.width())
      .arg(APixels.height())
      .arg(TWmfWriter::MaxSide);
}

TWmfWriter::TWmfWriter(QSize APixels) : FPixels(APixels.expandedTo(QSize(1, 1))) {
  const int side = std::max(FPixels.width(), FPixels.height());
  if (side > MaxSide) throw Exception(WmfTooLargeMessage(APixels));
  // Sixteen units per pixel when the picture is small; fewer when its larger side would
  // not fit the range. Whole units per inch keep the placeable header exact.
  FInch = std::clamp(static_cast<int>(Range * 96 / side), 1, 96 * 16);
}

int16_t TWmfWriter::X(double V) const {
  const double v = V * Scale();
  if (!std::isfinite(v)) return 0;
  return static_cast<int16_t>(std::clamp(std::nearbyint(v), -32768.0, 32767.0));
}

void TWmfWriter::Record(uint16_t AFunction, std::initializer_list<int> AWords) {
  TByteWriter b;
  for (int w : AWords) b.U16(static_cast<uint16_t>(w));
  Record(AFunction, b.Bytes());
}

void TWmfWriter::Record(uint16_t AFunction, const QByteArray& ABody) {
  const uint32_t words = static_cast<uint32_t>(3 + (ABody.size() + 1) / 2);
  FOut.U32(words);
  FOut.U16(AFunction);
  FOut.Raw(ABody);
  FOut.Pad(2);
  FMaxRecord = std::max(FMaxRecord, words);
}

int TWmfWriter::NewSlot() {
  // Readers give each new object the lowest free slot: the writer counts the same way.
  for (size_t i = 0; i < FSlots.size(); ++i)
    if (!FSlots[i]) {
      FSlots[i] = true;
      return static_cast<int>(i);
    }
  FSlots.push_back(true);
  return static_cast<int>(FSlots.size() - 1);
}

void TWmfWriter::Delete(int ASlot) {
  if (ASlot < 0 || ASlot >= int(FSlots.size()) || !FSlots[size_t(ASlot)]) return;
  Record(META_DELETEOBJECT, {ASlot});
  FSlots[size_t(ASlot)] = false;
}

void TWmfWriter::Begin() {
  FOut = TByteWriter();
  FOut.Raw(QByteArray(22 + 18, '\0'));  // headers, written at the end
  const int w = X(FPixels.width()), h = X(FPixels.height());
  Record(META_SETMAPMODE, {MM_ANISOTROPIC});
  Record(META_SETWINDOWORG, {0, 0});
  Record(META_SETWINDOWEXT, {h, w});
  Record(META_SETBKMODE, {TRANSPARENT});
  Record(META_SETPOLYFILLMODE, {ALTERNATE});
  Record(META_SETTEXTALIGN, {TA_BASELINE});
  FNullPen = NewSlot();
  Record(META_CREATEPENINDIRECT, {PS_NULL, 0, 0, 0, 0});
  FNullBrush = NewSlot();
  Record(META_CREATEBRUSHINDIRECT, {BS_NULL, 0, 0, 0});
  FDefaultFont = NewSlot();
  {
    TByteWriter f;
    f.I16(static_cast<int16_t>(-X(12))), f.I16(0), f.I16(0), f.I16(0), f.I16(400);
    for (int i = 0; i < 8; ++i) f.U8(i == 3 ? 1 : 0);
    f.Raw(QByteArray("Arial").leftJustified(32, '\0'));
    Record(META_CREATEFONTINDIRECT, f.Bytes());
  }
  Record(META_SELECTOBJECT, {FNullPen});
  Record(META_SELECTOBJECT, {FNullBrush});
  Record(META_SELECTOBJECT, {FDefaultFont});
  FPenKnown = FBrushKnown = false;
}

void TWmfWriter::ResetObjects() {
  Record(META_SELECTOBJECT, {FNullPen});
  Record(META_SELECTOBJECT, {FNullBrush});
  Delete(FPen);
  Delete(FBrush);
  FPen = FBrush = -1;
  FPenKnown = FBrushKnown = false;
}

void TWmfWriter::End() {
  if (FEnded) return;
  FEnded = true;
  if (FClipSaved) {
    ResetObjects();
    Record(META_RESTOREDC, {-1});
    FClipSaved = false;
  }
  ResetObjects();
  Record(META_EOF, QByteArray());
  const int w = X(FPixels.width()), h = X(FPixels.height());
  TByteWriter head;
  head.U32(PlaceableKey);
  head.U16(0);
  head.I16(0), head.I16(0), head.I16(static_cast<int16_t>(w)), head.I16(static_cast<int16_t>(h));
  head.U16(static_cast<uint16_t>(FInch));
  head.U32(0);
  uint16_t sum = 0;
  const QByteArray& p = head.Bytes();
  for (int i = 0; i < 10; ++i)
    sum ^= static_cast<uint16_t>(static_cast<uint8_t>(p[2 * i]) | (static_cast<uint8_t>(p[2 * i + 1]) << 8));
  head.U16(sum);
  head.U16(1);  // in memory
  head.U16(9);
  head.U16(0x300);
  head.U32(static_cast<uint32_t>((FOut.Size() - 22) / 2));
  head.U16(static_cast<uint16_t>(FSlots.size()));
  head.U32(FMaxRecord);
  head.U16(0);
  FOut.Bytes().replace(0, 40, head.Bytes());
}

void TWmfWriter::SelectPen(const QPen& APen) {
  if (FPenKnown && APen == FPenKey) return;
  FPenKey = APen;
  FPenKnown = true;
  const int old = FPen;
  if (APen.style() == Qt::NoPen) {
    Record(META_SELECTOBJECT, {FNullPen});
    FPen = -1;
  } else {
    uint32_t style = APen.style() == Qt::DashLine         ? PS_DASH
                     : APen.style() == Qt::DotLine        ? PS_DOT
                     : APen.style() == Qt::DashDotLine    ? PS_DASHDOT
                     : APen.style() == Qt::DashDotDotLine ? PS_DASHDOTDOT
                     : APen.style() == Qt::SolidLine      ? PS_SOLID
                                                          : PS_DASH;
    style |= APen.capStyle() == Qt::FlatCap     ? uint32_t{PS_ENDCAP_FLAT}
             : APen.capStyle() == Qt::SquareCap ? uint32_t{PS_ENDCAP_SQUARE}
                                                : 0u;
    style |= APen.joinStyle() == Qt::BevelJoin   ? uint32_t{PS_JOIN_BEVEL}
             : APen.joinStyle() == Qt::MiterJoin ? uint32_t{PS_JOIN_MITER}
                                                 : 0u;
    const int width = APen.isCosmetic() ? 0 : std::max<int>(1, X(APen.widthF()));
    const uint32_t color = ColorRefOf(APen.color());
    FPen = NewSlot();
    Record(META_CREATEPENINDIRECT, {int(style), width, 0, int(color & 0xFFFF), int(color >> 16)});
    Record(META_SELECTOBJECT, {FPen});
  }
  Delete(old);
}

void TWmfWriter::SelectBrush(const QBrush& ABrush) {
  if (FBrushKnown && ABrush == FBrushKey) return;
  FBrushKey = ABrush;
  FBrushKnown = true;
  const int old = FBrush;
  const Qt::BrushStyle s = ABrush.style();
  if (s == Qt::NoBrush) {
    Record(META_SELECTOBJECT, {FNullBrush});
    FBrush = -1;
    Delete(old);
    return;
  }
  FBrush = NewSlot();
  int hatch = -1;
  switch (s) {
    case Qt::HorPattern:
      hatch = HS_HORIZONTAL;
      break;
    case Qt::VerPattern:
      hatch = HS_VERTICAL;
      break;
    case Qt::CrossPattern:
      hatch = HS_CROSS;
      break;
    case Qt::BDiagPattern:
      hatch = HS_BDIAGONAL;
      break;
    case Qt::FDiagPattern:
      hatch = HS_FDIAGONAL;
      break;
    case Qt::DiagCrossPattern:
      hatch = HS_DIAGCROSS;
      break;
    default:
      break;
  }
  if (s == Qt::SolidPattern || hatch >= 0 || s >= Qt::LinearGradientPattern) {
    QColor color = ABrush.color();
    if (ABrush.gradient() && !ABrush.gradient()->stops().isEmpty()) color = ABrush.gradient()->stops().first().second;
    const uint32_t c = ColorRefOf(color);
    Record(META_CREATEBRUSHINDIRECT,
           {hatch >= 0 ? int(BS_HATCHED) : int(BS_SOLID), int(c & 0xFFFF), int(c >> 16), std::max(hatch, 0)});
  } else {
    const TDibParts dib = EncodeDib(PatternImage(ABrush), false, 24);
    TByteWriter b;
    b.U16(BS_DIBPATTERNPT);
    b.U16(0);  // DIB_RGB_COLORS
    b.Raw(dib.Info);
    b.Raw(dib.Bits);
    Record(META_DIBCREATEPATTERNBRUSH, b.Bytes());
  }
  Record(META_SELECTOBJECT, {FBrush});
  Delete(old);
}

void TWmfWriter::Polygons(const QList<QPolygonF>& APolygons, bool AClosed) {
  if (AClosed) {
    // All closed figures in one record, so holes stay holes.
    TByteWriter b;
    QList<QPolygonF> polys;
    for (const QPolygonF& p : APolygons)
      if (p.size() >= 3) polys.append(p.size() > MaxPoints ? QPolygonF(p.mid(0, MaxPoints)) : p);
    if (polys.isEmpty()) return;
    b.U16(static_cast<uint16_t>(std::min<qsizetype>(polys.size(), 0xFFFF)));
    for (const QPolygonF& p : polys) b.U16(static_cast<uint16_t>(p.size()));
    for (const QPolygonF& p : polys)
      for (const QPointF& q : p) b.I16(X(q.x())), b.I16(X(q.y()));
    Record(polys.size() == 1 ? META_POLYGON : META_POLYPOLYGON, polys.size() == 1 ? b.Bytes().mid(2) : b.Bytes());
    return;
  }
  for (const QPolygonF& p : APolygons) {
    for (int start = 0; start + 1 < p.size(); start += MaxPoints - 1) {
      const QPolygonF part(p.mid(start, MaxPoints));
      TByteWriter b;
      b.U16(static_cast<uint16_t>(part.size()));
      for (const QPointF& q : part) b.I16(X(q.x())), b.I16(X(q.y()));
      Record(META_POLYLINE, b.Bytes());
    }
  }
}

void TWmfWriter::Path(const QPainterPath& ADevice, const QPen& APen, const QBrush& ABrush) {
  const bool fill = ABrush.style() != Qt::NoBrush, stroke = APen.style() != Qt::NoPen;
  if (!fill && !stroke) return;
  // Geometry far outside the picture would not fit the coordinates: it is cut to the
  // picture (and a stroke becomes the filled outline of the stroke).
  const double margin = (stroke ? APen.widthF() : 0) + 4;
  const QRectF frame = QRectF(QPointF(0, 0), QSizeF(FPixels)).adjusted(-margin, -margin, margin, margin);
  const QRectF box = ADevice.controlPointRect();
  const bool outside = !frame.contains(box);
  if (fill) {
    const QPainterPath area = outside ? ADevice.intersected([&] {
      QPainterPath f;
      f.addRect(frame);
      return f;
    }())
                                      : ADevice;
    SelectBrush(ABrush);
    Record(META_SETPOLYFILLMODE, {ADevice.fillRule() == Qt::WindingFill ? WINDING : ALTERNATE});
    SelectPen(Qt::NoPen);
    Polygons(area.toFillPolygons(), true);
  }
  if (!stroke) return;
  if (outside) {
    QPainterPathStroker stroker(APen);
    if (APen.isCosmetic()) stroker.setWidth(1);
    QPainterPath f;
    f.addRect(frame);
    const QPainterPath outline = stroker.createStroke(ADevice).intersected(f);
    SelectBrush(QBrush(APen.color()));
    Record(META_SETPOLYFILLMODE, {WINDING});
    SelectPen(Qt::NoPen);
    Polygons(outline.toFillPolygons(), true);
    return;
  }
  SelectPen(APen);
  SelectBrush(Qt::NoBrush);
  QList<QPolygonF> lines;
  for (const QPolygonF& p : ADevice.toSubpathPolygons()) lines.append(p);
  Polygons(lines, false);
}

void TWmfWriter::StretchDib(const QRectF& D, const QImage& AImage, uint32_t ARop) {
  const TDibParts dib = EncodeDib(AImage, false, 24);
  TByteWriter b;
  b.U32(ARop);
  b.U16(0);  // DIB_RGB_COLORS
  b.I16(static_cast<int16_t>(AImage.height())), b.I16(static_cast<int16_t>(AImage.width()));
  b.I16(0), b.I16(0);
  const int16_t x = X(D.left()), y = X(D.top());
  b.I16(static_cast<int16_t>(X(D.bottom()) - y)), b.I16(static_cast<int16_t>(X(D.right()) - x));
  b.I16(y), b.I16(x);
  b.Raw(dib.Info);
  b.Raw(dib.Bits);
  Record(META_STRETCHDIB, b.Bytes());
}

void TWmfWriter::Image(const QRectF& ADevice, const QImage& AImage) {
  if (AImage.isNull() || ADevice.isEmpty()) return;
  // Bitmap sides are 16-bit numbers too: a larger bitmap is scaled down first.
  QImage image = AImage;
  if (image.width() > 8192 || image.height() > 8192)
    image = image.scaled(8192, 8192, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  const QRectF dest = ADevice.intersected(QRectF(QPointF(-1e4, -1e4), QSizeF(FPixels) + QSizeF(2e4, 2e4)));
  if (dest != ADevice) {
    // Only the visible part of a bitmap reaching far out is kept.
    const QRectF src((dest.left() - ADevice.left()) / ADevice.width() * image.width(),
                     (dest.top() - ADevice.top()) / ADevice.height() * image.height(),
                     dest.width() / ADevice.width() * image.width(), dest.height() / ADevice.height() * image.height());
    image = image.copy(src.toAlignedRect());
  }
  if (image.isNull() || dest.isEmpty()) return;
  bool opaque = !image.hasAlphaChannel();
  if (!opaque) {
    opaque = true;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height() && opaque; ++y) {
      const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
      for (int x = 0; x < argb.width(); ++x)
        if (qAlpha(line[x]) < 255) {
          opaque = false;
          break;
        }
    }
  }
  if (opaque) {
    StretchDib(dest, image, SRCCOPY);
    return;
  }
  // No alpha in this format: a mask cuts the hole (AND), the picture fills it (OR).
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  QImage mask(argb.size(), QImage::Format_RGB32), color(argb.size(), QImage::Format_RGB32);
  for (int y = 0; y < argb.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    auto* m = reinterpret_cast<QRgb*>(mask.scanLine(y));
    auto* c = reinterpret_cast<QRgb*>(color.scanLine(y));
    for (int x = 0; x < argb.width(); ++x) {
      const bool shown = qAlpha(in[x]) >= 128;
      m[x] = shown ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
      c[x] = shown ? (in[x] | 0xFF000000u) : qRgb(0, 0, 0);
    }
  }
  StretchDib(dest, mask, SRCAND);
  StretchDib(dest, color, SRCPAINT);
}

void TWmfWriter::Text(const QPointF& APos, const QString& AText, const QFont& AFont, double APixelSize,
                      const QTransform& ATransform, const QColor& AColor) {
  if (AText.isEmpty() || !(APixelSize > 0) || !std::isfinite(APixelSize)) return;
  const QPointF at = ATransform.map(APos);
  if (!QRectF(QPointF(0, 0), QSizeF(FPixels)).adjusted(-1e4, -1e4, 1e4, 1e4).contains(at)) return;
  // No transforms here: the size and the angle of the transform go into the font.
  const double size = APixelSize * std::sqrt(std::abs(ATransform.determinant()));
  const double angle = qRadiansToDegrees(std::atan2(ATransform.m12(), ATransform.m11()));
  const int escapement = static_cast<int>(std::nearbyint(-angle * 10));
  const int font = NewSlot();
  TByteWriter f;
  f.I16(static_cast<int16_t>(-std::max<int>(1, X(size))));
  f.I16(0);
  f.I16(static_cast<int16_t>(escapement));
  f.I16(static_cast<int16_t>(escapement));
  f.I16(static_cast<int16_t>(AFont.bold() ? 700 : std::clamp(static_cast<int>(AFont.weight()), 1, 1000)));
  f.U8(AFont.italic() ? 1 : 0);
  f.U8(AFont.underline() ? 1 : 0);
  f.U8(AFont.strikeOut() ? 1 : 0);
  f.U8(0), f.U8(0), f.U8(0), f.U8(0), f.U8(0);  // ANSI charset, defaults
  f.Raw(Latin1Text(AFont.family().left(31)).leftJustified(32, '\0'));
  Record(META_CREATEFONTINDIRECT, f.Bytes());
  Record(META_SELECTOBJECT, {font});
  const uint32_t c = ColorRefOf(AColor);
  Record(META_SETTEXTCOLOR, {int(c & 0xFFFF), int(c >> 16)});
  const QByteArray text = Latin1Text(AText.left(8000));
  TByteWriter t;
  t.I16(X(at.y())), t.I16(X(at.x()));
  t.I16(static_cast<int16_t>(text.size()));
  t.U16(0);
  t.Raw(text);
  t.Pad(2);
  Record(META_EXTTEXTOUT, t.Bytes());
  Record(META_SELECTOBJECT, {FDefaultFont});
  Delete(font);
}

void TWmfWriter::Clip(const std::optional<QPainterPath>& ADevice) {
  // This format has only rectangles to clip with and no way back to "unclipped" but a
  // restored state: each clip lives in a saved state of its own.
  ResetObjects();
  if (FClipSaved) {
    Record(META_RESTOREDC, {-1});
    FClipSaved = false;
  }
  if (!ADevice) return;
  Record(META_SAVEDC, {});
  FClipSaved = true;
  const QRectF r = ADevice->boundingRect().intersected(QRectF(QPointF(-8, -8), QSizeF(FPixels) + QSizeF(16, 16)));
  Record(META_INTERSECTCLIPRECT, {X(r.bottom()), X(r.right()), X(r.top()), X(r.left())});
}

void TWmfWriter::Background(bool AOpaque, const QColor& AColor) {
  Record(META_SETBKMODE, {AOpaque ? OPAQUE : TRANSPARENT});
  const uint32_t c = ColorRefOf(AColor);
  Record(META_SETBKCOLOR, {int(c & 0xFFFF), int(c >> 16)});
}

QByteArray RecordWmf(QSize ASize, const std::function<void(QPainter&)>& APaint) {
  TWmfWriter writer(ASize);
  {
    TMetafileDevice device(ASize, writer);
    QPainter painter(&device);
    APaint(painter);
  }
  return writer.Bytes();
}

}  // namespace tarnwick::metafile
