// The enhanced metafile record loop: each record is cut out of the file with its declared
// size checked first, then decoded into calls on the drawing state. Records of the
// extended (plus) format travel inside comments and are skipped with them: their plain
// twins follow and are drawn instead.
#include <cmath>

#include "platform/gui/MetafileDC.h"
#include "platform/gui/MetafileDib.h"
#include "platform/gui/MetafilePlayer.h"

namespace tarnwick::metafile::detail {

namespace {

QColor ColorRef(uint32_t C) { return QColor(C & 0xFF, (C >> 8) & 0xFF, (C >> 16) & 0xFF); }

QPointF PointL(const TByteView& R, int64_t At) { return QPointF(R.I32(At), R.I32(At + 4)); }
QRectF RectL(const TByteView& R, int64_t At) {
  return QRectF(QPointF(R.I32(At), R.I32(At + 4)), QPointF(R.I32(At + 8), R.I32(At + 12)));
}

// Count points from At, 8 (or 4 when short) bytes each; empty when they are not all here.
QPolygonF Points(const TByteView& R, int64_t At, int64_t Count, bool AShort) {
  const int size = AShort ? 4 : 8;
  QPolygonF out;
  if (Count <= 0 || Count > (R.Size() - At) / size) return out;
  out.reserve(static_cast<int>(Count));
  for (int64_t i = 0; i < Count; ++i) {
    const int64_t p = At + i * size;
    out << (AShort ? QPointF(R.I16(p), R.I16(p + 2)) : PointL(R, p));
  }
  return out;
}

// Several polygons: counts, then all points.
std::vector<QPolygonF> PolyPoints(const TByteView& R, bool AShort) {
  const int64_t n = R.U32(24), total = R.U32(28);
  std::vector<QPolygonF> out;
  if (n <= 0 || n > (R.Size() - 32) / 4) return out;
  const int64_t pointsAt = 32 + 4 * n;
  const QPolygonF all = Points(R, pointsAt, total, AShort);
  if (all.isEmpty()) return out;
  int64_t start = 0;
  for (int64_t i = 0; i < n; ++i) {
    const int64_t c = R.U32(32 + 4 * i);
    if (c > total - start) break;
    out.push_back(all.mid(static_cast<int>(start), static_cast<int>(c)));
    start += c;
  }
  return out;
}

// A region's rectangles, as a path in device units; none when the data do not hold them.
std::optional<QPainterPath> Region(const TByteView& R, int64_t At, int64_t Size) {
  if (Size < 32 || !R.Has(At, Size)) return std::nullopt;
  const TByteView d = R.Sub(At, Size);
  const int64_t header = d.U32(0), count = d.U32(8);
  if (header < 32 || header > Size || count > (Size - header) / 16) return std::nullopt;
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  for (int64_t i = 0; i < count; ++i) path.addRect(RectL(d, header + 16 * i).normalized());
  return path;
}

// The bitmap a record carries at the given offsets (from the record's start).
QImage Bitmap(const TByteView& R, int64_t InfoAt, bool AKeepAlpha) {
  const int64_t offBmi = R.U32(InfoAt), cbBmi = R.U32(InfoAt + 4), offBits = R.U32(InfoAt + 8),
                cbBits = R.U32(InfoAt + 12);
  if (!cbBmi || !R.Has(offBmi, cbBmi) || !R.Has(offBits, cbBits)) return {};
  return DecodeDib(R.Sub(offBmi, cbBmi), R.Sub(offBits, cbBits), AKeepAlpha);
}

// The part of the bitmap a record names. Rows of a bottom-up bitmap count from the bottom.
QRectF SourceRect(const TByteView& R, int64_t InfoAt, const QImage& AImage, double X, double Y, double W, double H) {
  const int64_t offBmi = R.U32(InfoAt);
  const bool bottomUp = R.U32(offBmi) == 12 ? true : R.I32(offBmi + 8) > 0;
  if (bottomUp) Y = AImage.height() - Y - H;
  return QRectF(X, Y, W, H);
}

// Handle 0 stands for the metafile itself: no object may be made there.
void Store(TMetafileDC& DC, uint32_t AIndex, TGdiObject AObject) {
  if (AIndex != 0) DC.Store(AIndex, std::move(AObject));
}

void PlayRecord(TMetafileDC& DC, uint32_t Type, const TByteView& R) {
  switch (Type) {
    case EMR_POLYBEZIER:
    case EMR_POLYBEZIER16:
      DC.PolyBezier(Points(R, 28, R.U32(24), Type == EMR_POLYBEZIER16), false);
      break;
    case EMR_POLYBEZIERTO:
    case EMR_POLYBEZIERTO16:
      DC.PolyBezier(Points(R, 28, R.U32(24), Type == EMR_POLYBEZIERTO16), true);
      break;
    case EMR_POLYGON:
    case EMR_POLYGON16:
      DC.Polygon(Points(R, 28, R.U32(24), Type == EMR_POLYGON16));
      break;
    case EMR_POLYLINE:
    case EMR_POLYLINE16:
      DC.Polyline(Points(R, 28, R.U32(24), Type == EMR_POLYLINE16));
      break;
    case EMR_POLYLINETO:
    case EMR_POLYLINETO16:
      DC.PolylineTo(Points(R, 28, R.U32(24), Type == EMR_POLYLINETO16));
      break;
    case EMR_POLYPOLYLINE:
    case EMR_POLYPOLYLINE16:
      DC.PolyPolyline(PolyPoints(R, Type == EMR_POLYPOLYLINE16));
      break;
    case EMR_POLYPOLYGON:
    case EMR_POLYPOLYGON16:
      DC.PolyPolygon(PolyPoints(R, Type == EMR_POLYPOLYGON16));
      break;
    case EMR_SETWINDOWEXTEX:
      DC.SetWindowExt(QSizeF(R.I32(8), R.I32(12)));
      break;
    case EMR_SETWINDOWORGEX:
      DC.SetWindowOrg(PointL(R, 8));
      break;
    case EMR_SETVIEWPORTEXTEX:
      DC.SetViewportExt(QSizeF(R.I32(8), R.I32(12)));
      break;
    case EMR_SETVIEWPORTORGEX:
      DC.SetViewportOrg(PointL(R, 8));
      break;
    case EMR_SCALEWINDOWEXTEX:
      DC.ScaleWindowExt(R.I32(8), R.I32(12), R.I32(16), R.I32(20));
      break;
    case EMR_SCALEVIEWPORTEXTEX:
      DC.ScaleViewportExt(R.I32(8), R.I32(12), R.I32(16), R.I32(20));
      break;
    case EMR_SETPIXELV:
      DC.SetPixel(PointL(R, 8), ColorRef(R.U32(16)));
      break;
    case EMR_SETMAPMODE:
      DC.SetMapMode(R.I32(8));
      break;
    case EMR_SETBKMODE:
      DC.SetBkMode(R.I32(8));
      break;
    case EMR_SETPOLYFILLMODE:
      DC.SetPolyFillMode(R.I32(8));
      break;
    case EMR_SETROP2:
      DC.SetRop2(R.I32(8));
      break;
    case EMR_SETTEXTALIGN:
      DC.SetTextAlign(R.U32(8));
      break;
    case EMR_SETTEXTCOLOR:
      DC.SetTextColor(ColorRef(R.U32(8)));
      break;
    case EMR_SETBKCOLOR:
      DC.SetBkColor(ColorRef(R.U32(8)));
      break;
    case EMR_SETARCDIRECTION:
      DC.SetArcDirection(R.I32(8));
      break;
    case EMR_OFFSETCLIPRGN:
      DC.OffsetClip(PointL(R, 8));
      break;
    case EMR_MOVETOEX:
      DC.MoveTo(PointL(R, 8));
      break;
    case EMR_LINETO:
      DC.LineTo(PointL(R, 8));
      break;
    case EMR_EXCLUDECLIPRECT:
      DC.ExcludeClipRect(RectL(R, 8));
      break;
    case EMR_INTERSECTCLIPRECT:
      DC.IntersectClipRect(RectL(R, 8));
      break;
    case EMR_SAVEDC:
      DC.Save();
      break;
    case EMR_RESTOREDC:
      DC.Restore(R.I32(8));
      break;
    case EMR_SETWORLDTRANSFORM:
    case EMR_MODIFYWORLDTRANSFORM: {
      const QTransform t(R.F32(8), R.F32(12), R.F32(16), R.F32(20), R.F32(24), R.F32(28));
      DC.ModifyWorld(t, Type == EMR_SETWORLDTRANSFORM ? 4 : static_cast<int>(R.U32(32)));
      break;
    }
    case EMR_SELECTOBJECT:
      DC.Select(R.U32(8));
      break;
    case EMR_DELETEOBJECT:
      DC.Delete(R.U32(8));
      break;
    case EMR_CREATEPEN:
      Store(DC, R.U32(8), TMetafileDC::MakePen(R.U32(12), R.I32(16), ColorRef(R.U32(24))));
      break;
    case EMR_EXTCREATEPEN: {
      const int64_t entries = R.U32(48);
      std::vector<double> dashes;
      if (entries > 0 && entries <= 64 && R.Has(52, entries * 4))
        for (int64_t i = 0; i < entries; ++i) dashes.push_back(R.U32(52 + 4 * i));
      const uint32_t style = R.U32(28);
      // A cosmetic pen (not geometric) is one pixel wide whatever the record says.
      const double width = (style & PS_GEOMETRIC) ? double(R.U32(32)) : 0.0;
      TGdiObject pen = TMetafileDC::MakePen(style, width, ColorRef(R.U32(40)), dashes);
      if (R.U32(36) == BS_NULL) pen.Pen = QPen(Qt::NoPen);
      Store(DC, R.U32(8), pen);
      break;
    }
    case EMR_CREATEBRUSHINDIRECT:
      Store(DC, R.U32(8), TMetafileDC::MakeBrush(R.U32(12), ColorRef(R.U32(16)), R.U32(20)));
      break;
    case EMR_CREATEMONOBRUSH:
    case EMR_CREATEDIBPATTERNBRUSHPT:
      Store(DC, R.U32(8), TMetafileDC::MakeBrush(BS_DIBPATTERNPT, Qt::black, 0, Bitmap(R, 16, false)));
      break;
    case EMR_EXTCREATEFONTINDIRECTW:
      if (R.Has(12, 92)) Store(DC, R.U32(8), TMetafileDC::MakeFont(R.Sub(12, 92), true));
      break;
    case EMR_CREATEPALETTE: {
      TGdiObject other;
      other.Kind = TGdiObject::okOther;
      Store(DC, R.U32(8), other);
      break;
    }
    case EMR_ANGLEARC:
      DC.AngleArc(PointL(R, 8), R.U32(16), R.F32(20), R.F32(24));
      break;
    case EMR_ELLIPSE:
      DC.Ellipse(RectL(R, 8));
      break;
    case EMR_RECTANGLE:
      DC.Rectangle(RectL(R, 8));
      break;
    case EMR_ROUNDRECT:
      DC.RoundRect(RectL(R, 8), QSizeF(R.I32(24), R.I32(28)));
      break;
    case EMR_ARC:
      DC.Arc(RectL(R, 8), PointL(R, 24), PointL(R, 32), akArc);
      break;
    case EMR_CHORD:
      DC.Arc(RectL(R, 8), PointL(R, 24), PointL(R, 32), akChord);
      break;
    case EMR_PIE:
      DC.Arc(RectL(R, 8), PointL(R, 24), PointL(R, 32), akPie);
      break;
    case EMR_ARCTO:
      DC.Arc(RectL(R, 8), PointL(R, 24), PointL(R, 32), akArcTo);
      break;
    case EMR_BEGINPATH:
      DC.BeginPath();
      break;
    case EMR_ENDPATH:
      DC.EndPath();
      break;
    case EMR_CLOSEFIGURE:
      DC.CloseFigure();
      break;
    case EMR_FILLPATH:
      DC.FillPath(true, false);
      break;
    case EMR_STROKEANDFILLPATH:
      DC.FillPath(true, true);
      break;
    case EMR_STROKEPATH:
      DC.FillPath(false, true);
      break;
    case EMR_ABORTPATH:
      DC.AbortPath();
      break;
    case EMR_SELECTCLIPPATH:
      DC.SelectClipPath(R.I32(8));
      break;
    case EMR_EXTSELECTCLIPRGN: {
      const int64_t size = R.U32(8);
      const int mode = R.I32(12);
      // No region data with RGN_COPY resets the clip.
      if (size == 0)
        DC.SelectClipRegion(std::nullopt, mode);
      else if (auto region = Region(R, 16, size))
        DC.SelectClipRegion(region, mode);
      break;
    }
    case EMR_FILLRGN:
      if (auto region = Region(R, 32, R.U32(24))) DC.FillRegion(*region, R.U32(28));
      break;
    case EMR_BITBLT:
    case EMR_STRETCHBLT: {
      const QRectF dest(R.I32(24), R.I32(28), R.I32(32), R.I32(36));
      const uint32_t rop = R.U32(40);
      QImage image = Bitmap(R, 84, false);
      QRectF source;
      if (!image.isNull()) {
        const double w = Type == EMR_STRETCHBLT ? R.I32(100) : dest.width();
        const double h = Type == EMR_STRETCHBLT ? R.I32(104) : dest.height();
        source = QRectF(R.I32(44), R.I32(48), w, h);
      }
      DC.Blit(dest, image, source, image.isNull() && rop == SRCCOPY ? PATCOPY : rop);
      break;
    }
    case EMR_STRETCHDIBITS: {
      const QImage image = Bitmap(R, 48, false);
      if (image.isNull()) break;
      const QRectF dest(R.I32(24), R.I32(28), R.I32(72), R.I32(76));
      DC.Blit(dest, image, SourceRect(R, 48, image, R.I32(32), R.I32(36), R.I32(40), R.I32(44)), R.U32(68));
      break;
    }
    case EMR_SETDIBITSTODEVICE: {
      const QImage image = Bitmap(R, 48, false);
      if (image.isNull()) break;
      const QRectF dest(R.I32(24), R.I32(28), R.I32(40), R.I32(44));
      DC.Blit(dest, image, SourceRect(R, 48, image, R.I32(32), R.I32(36), R.I32(40), R.I32(44)), SRCCOPY);
      break;
    }
    case EMR_ALPHABLEND: {
      // The source's own alpha counts only when the blend says so (AC_SRC_ALPHA).
      const bool alpha = R.U8(43) & 1;
      const QImage image = Bitmap(R, 84, alpha);
      if (image.isNull()) break;
      const QRectF dest(R.I32(24), R.I32(28), R.I32(32), R.I32(36));
      DC.AlphaBlend(dest, image, SourceRect(R, 84, image, R.I32(44), R.I32(48), R.I32(100), R.I32(104)), R.U8(42));
      break;
    }
    case EMR_EXTTEXTOUTA:
    case EMR_EXTTEXTOUTW: {
      const bool wide = Type == EMR_EXTTEXTOUTW;
      const int64_t chars = R.U32(44), offString = R.U32(48), offDx = R.U32(72);
      if (!R.Has(offString, chars * (wide ? 2 : 1))) break;
      QString text;
      text.reserve(static_cast<int>(chars));
      for (int64_t i = 0; i < chars; ++i)
        text.append(wide ? QChar(R.U16(offString + 2 * i)) : QChar(R.U8(offString + i)));
      std::vector<double> dx;
      if (offDx && R.Has(offDx, chars * 4))
        for (int64_t i = 0; i < chars; ++i) dx.push_back(R.I32(offDx + 4 * i));
      DC.Text(PointL(R, 36), text, R.U32(52), RectL(R, 56), dx);
      break;
    }
    default:
      // Comments (and the plus records inside them), palettes, colour management and the
      // rest change nothing that is drawn here.
      break;
  }
}

}  // namespace

bool PlayEmf(QPainter& APainter, const TByteView& ABytes, const TMetafileInfo& AInfo, const QRectF& ATarget) {
  // The reference device's pixels per millimetre place the frame (in hundredths of a
  // millimetre) in device units; a header without them is taken as a 96 dpi screen.
  double pxPerMmX = 96 / 25.4, pxPerMmY = 96 / 25.4;
  if (AInfo.DevicePixels.width() > 0 && AInfo.DeviceMillimeters.width() > 0 && AInfo.DevicePixels.height() > 0 &&
      AInfo.DeviceMillimeters.height() > 0) {
    pxPerMmX = double(AInfo.DevicePixels.width()) / AInfo.DeviceMillimeters.width();
    pxPerMmY = double(AInfo.DevicePixels.height()) / AInfo.DeviceMillimeters.height();
  }
  QRectF device(QPointF(AInfo.Frame.left() * pxPerMmX / 100, AInfo.Frame.top() * pxPerMmY / 100),
                QPointF(AInfo.Frame.right() * pxPerMmX / 100, AInfo.Frame.bottom() * pxPerMmY / 100));
  if (!(device.width() > 0 && device.height() > 0))
    device = QRectF(QPointF(AInfo.Bounds.left(), AInfo.Bounds.top()),
                    QPointF(AInfo.Bounds.right() + 1.0, AInfo.Bounds.bottom() + 1.0));
  if (!(device.width() > 0 && device.height() > 0)) return true;
  const QTransform base = QTransform::fromTranslate(-device.left(), -device.top()) *
                          QTransform::fromScale(ATarget.width() / device.width(), ATarget.height() / device.height()) *
                          QTransform::fromTranslate(ATarget.left(), ATarget.top()) * APainter.worldTransform();
  const int handles = ABytes.U16(56);
  TMetafileDC dc(APainter, base, QSizeF(pxPerMmX * 25.4, pxPerMmY * 25.4), handles);
  int64_t at = ABytes.U32(4);
  while (ABytes.Has(at, 8)) {
    const uint32_t type = ABytes.U32(at);
    const int64_t size = ABytes.U32(at + 4);
    // Records are whole multiples of four bytes and lie inside the file: anything else
    // (a zero size above all, which would never advance) ends the picture here.
    if (size < 8 || size % 4 || !ABytes.Has(at, size)) break;
    if (type == EMR_EOF) break;
    PlayRecord(dc, type, ABytes.Sub(at, size));
    at += size;
  }
  return true;
}

}  // namespace tarnwick::metafile::detail
