// The older metafile format's record loop. Its coordinates are logical units that the
// picture's window maps onto its box (the placeable header's, or the window the records
// set); records give their parameters last-first, and sizes count 16-bit words.
#include <cmath>

#include "platform/gui/MetafileDC.h"
#include "platform/gui/MetafileDib.h"
#include "platform/gui/MetafilePlayer.h"

namespace tarnwick::metafile::detail {

namespace {

QColor ColorRef(uint32_t C) { return QColor(C & 0xFF, (C >> 8) & 0xFF, (C >> 16) & 0xFF); }

// Left, top, right, bottom stored as bottom, right, top, left from At.
QRectF ReversedRect(const TByteView& R, int64_t At) {
  return QRectF(QPointF(R.I16(At + 6), R.I16(At + 4)), QPointF(R.I16(At + 2), R.I16(At)));
}
QPointF ReversedPoint(const TByteView& R, int64_t At) { return QPointF(R.I16(At + 2), R.I16(At)); }

QPolygonF Points(const TByteView& R, int64_t At, int64_t Count) {
  QPolygonF out;
  if (Count <= 0 || Count > (R.Size() - At) / 4) return out;
  out.reserve(static_cast<int>(Count));
  for (int64_t i = 0; i < Count; ++i) out << QPointF(R.I16(At + 4 * i), R.I16(At + 4 * i + 2));
  return out;
}

QString Ansi(const TByteView& R, int64_t At, int64_t Length) {
  QString s;
  if (Length <= 0 || !R.Has(At, Length)) return s;
  // Single-byte text of the Western code page, which Latin-1 matches for letters.
  s.reserve(static_cast<int>(Length));
  for (int64_t i = 0; i < Length; ++i) s.append(QChar(R.U8(At + i)));
  return s;
}

QImage PackedBitmap(const TByteView& R, int64_t At) {
  if (At >= R.Size()) return {};
  auto [info, bits] = SplitPackedDib(R.Sub(At, R.Size() - At));
  if (!info.Size()) return {};
  return DecodeDib(info, bits, false);
}

QRectF BitmapSource(const QImage& I, double X, double Y, double W, double H) {
  // Rows of the bitmaps here are bottom-up: a source y counts from the bottom.
  return QRectF(X, I.height() - Y - H, W, H);
}

void Placeholder(TMetafileDC& DC) {
  const int slot = DC.FreeSlot();
  if (slot < 0) return;
  TGdiObject other;
  other.Kind = TGdiObject::okOther;
  DC.Store(static_cast<uint32_t>(slot), other);
}

void Add(TMetafileDC& DC, TGdiObject AObject) {
  const int slot = DC.FreeSlot();
  if (slot >= 0) DC.Store(static_cast<uint32_t>(slot), std::move(AObject));
}

void PlayRecord(TMetafileDC& DC, uint16_t F, const TByteView& R) {
  constexpr int P = 6;  // parameters start after the size and the function
  // A record with a bitmap is longer than the same record without one.
  const bool withBitmap = R.Size() / 2 != (F >> 8) + 3;
  switch (F) {
    case META_SETBKMODE:
      DC.SetBkMode(R.U16(P));
      break;
    case META_SETMAPMODE:
      DC.SetMapMode(R.U16(P));
      break;
    case META_SETROP2:
      DC.SetRop2(R.U16(P));
      break;
    case META_SETPOLYFILLMODE:
      DC.SetPolyFillMode(R.U16(P));
      break;
    case META_SETTEXTALIGN:
      DC.SetTextAlign(R.U16(P));
      break;
    case META_SETBKCOLOR:
      DC.SetBkColor(ColorRef(R.U32(P)));
      break;
    case META_SETTEXTCOLOR:
      DC.SetTextColor(ColorRef(R.U32(P)));
      break;
    case META_SETWINDOWORG:
      DC.SetWindowOrg(ReversedPoint(R, P));
      break;
    case META_SETWINDOWEXT:
      DC.SetWindowExt(QSizeF(R.I16(P + 2), R.I16(P)));
      break;
    case META_OFFSETWINDOWORG:
      DC.OffsetWindowOrg(ReversedPoint(R, P));
      break;
    case META_SCALEWINDOWEXT:
      DC.ScaleWindowExt(R.I16(P + 6), R.I16(P + 4), R.I16(P + 2), R.I16(P));
      break;
    case META_SAVEDC:
      DC.Save();
      break;
    case META_RESTOREDC:
      DC.Restore(R.I16(P));
      break;
    case META_MOVETO:
      DC.MoveTo(ReversedPoint(R, P));
      break;
    case META_LINETO:
      DC.LineTo(ReversedPoint(R, P));
      break;
    case META_POLYGON:
      DC.Polygon(Points(R, P + 2, R.I16(P)));
      break;
    case META_POLYLINE:
      DC.Polyline(Points(R, P + 2, R.I16(P)));
      break;
    case META_POLYPOLYGON: {
      const int64_t n = R.U16(P);
      if (n > (R.Size() - P - 2) / 2) break;
      std::vector<QPolygonF> polys;
      int64_t at = P + 2 + 2 * n;
      for (int64_t i = 0; i < n; ++i) {
        const int64_t c = R.U16(P + 2 + 2 * i);
        const QPolygonF poly = Points(R, at, c);
        if (poly.isEmpty()) break;
        polys.push_back(poly);
        at += 4 * c;
      }
      DC.PolyPolygon(polys);
      break;
    }
    case META_RECTANGLE:
      DC.Rectangle(ReversedRect(R, P));
      break;
    case META_ELLIPSE:
      DC.Ellipse(ReversedRect(R, P));
      break;
    case META_ROUNDRECT:
      DC.RoundRect(ReversedRect(R, P + 4), QSizeF(R.I16(P + 2), R.I16(P)));
      break;
    case META_ARC:
    case META_PIE:
    case META_CHORD: {
      const TArcKind kind = F == META_ARC ? akArc : F == META_PIE ? akPie : akChord;
      DC.Arc(ReversedRect(R, P + 8), ReversedPoint(R, P + 4), ReversedPoint(R, P), kind);
      break;
    }
    case META_SETPIXEL:
      DC.SetPixel(ReversedPoint(R, P + 4), ColorRef(R.U32(P)));
      break;
    case META_TEXTOUT: {
      const int64_t len = R.I16(P);
      const int64_t after = P + 2 + ((len + 1) & ~int64_t{1});
      DC.Text(ReversedPoint(R, after), Ansi(R, P + 2, len), 0, QRectF(), {});
      break;
    }
    case META_EXTTEXTOUT: {
      const int64_t len = R.I16(P + 4);
      const uint16_t options = R.U16(P + 6);
      int64_t at = P + 8;
      QRectF rect;
      if (options & (ETO_OPAQUE | ETO_CLIPPED)) {
        rect = QRectF(QPointF(R.I16(at), R.I16(at + 2)), QPointF(R.I16(at + 4), R.I16(at + 6)));
        at += 8;
      }
      const QString text = Ansi(R, at, len);
      at += (len + 1) & ~int64_t{1};
      std::vector<double> dx;
      if (len > 0 && R.Has(at, 2 * len))
        for (int64_t i = 0; i < len; ++i) dx.push_back(R.I16(at + 2 * i));
      DC.Text(ReversedPoint(R, P), text, options, rect, dx);
      break;
    }
    case META_CREATEPENINDIRECT:
      Add(DC, TMetafileDC::MakePen(R.U16(P), R.I16(P + 2), ColorRef(R.U32(P + 6))));
      break;
    case META_CREATEBRUSHINDIRECT:
      Add(DC, TMetafileDC::MakeBrush(R.U16(P), ColorRef(R.U32(P + 2)), R.U16(P + 6)));
      break;
    case META_CREATEFONTINDIRECT:
      Add(DC, TMetafileDC::MakeFont(R.Size() > P ? R.Sub(P, R.Size() - P) : TByteView(), false));
      break;
    case META_DIBCREATEPATTERNBRUSH:
      Add(DC, TMetafileDC::MakeBrush(BS_DIBPATTERNPT, Qt::black, 0, PackedBitmap(R, P + 4)));
      break;
    case META_CREATEPALETTE:
    case META_CREATEPATTERNBRUSH:
    case META_CREATEREGION:
      Placeholder(DC);
      break;
    case META_SELECTOBJECT:
      DC.Select(R.U16(P));
      break;
    case META_DELETEOBJECT:
      DC.Delete(R.U16(P));
      break;
    case META_SELECTCLIPREGION:
      DC.SelectClipRegion(std::nullopt, RGN_COPY);
      break;
    case META_INTERSECTCLIPRECT:
      DC.IntersectClipRect(ReversedRect(R, P));
      break;
    case META_EXCLUDECLIPRECT:
      DC.ExcludeClipRect(ReversedRect(R, P));
      break;
    case META_OFFSETCLIPRGN:
      DC.OffsetClip(ReversedPoint(R, P));
      break;
    case META_PATBLT:
      DC.Blit(QRectF(R.I16(P + 10), R.I16(P + 8), R.I16(P + 6), R.I16(P + 4)), {}, {}, R.U32(P));
      break;
    case META_DIBBITBLT: {
      const uint32_t rop = R.U32(P);
      if (!withBitmap) {
        DC.Blit(QRectF(R.I16(P + 14), R.I16(P + 12), R.I16(P + 10), R.I16(P + 8)), {}, {}, rop);
        break;
      }
      const QImage image = PackedBitmap(R, P + 16);
      if (image.isNull()) break;
      const double w = R.I16(P + 10), h = R.I16(P + 8);
      DC.Blit(QRectF(R.I16(P + 14), R.I16(P + 12), w, h), image, BitmapSource(image, R.I16(P + 6), R.I16(P + 4), w, h),
              rop);
      break;
    }
    case META_DIBSTRETCHBLT: {
      const uint32_t rop = R.U32(P);
      const int64_t d = withBitmap ? 0 : 2;  // the record without a bitmap has a reserved word
      const QRectF dest(R.I16(P + d + 18), R.I16(P + d + 16), R.I16(P + d + 14), R.I16(P + d + 12));
      if (!withBitmap) {
        DC.Blit(dest, {}, {}, rop);
        break;
      }
      const QImage image = PackedBitmap(R, P + 20);
      if (image.isNull()) break;
      DC.Blit(dest, image, BitmapSource(image, R.I16(P + 10), R.I16(P + 8), R.I16(P + 6), R.I16(P + 4)), rop);
      break;
    }
    case META_STRETCHDIB: {
      const QImage image = PackedBitmap(R, P + 22);
      if (image.isNull()) break;
      const QRectF dest(R.I16(P + 20), R.I16(P + 18), R.I16(P + 16), R.I16(P + 14));
      DC.Blit(dest, image, BitmapSource(image, R.I16(P + 12), R.I16(P + 10), R.I16(P + 8), R.I16(P + 6)), R.U32(P));
      break;
    }
    case META_SETDIBTODEV: {
      const QImage image = PackedBitmap(R, P + 18);
      if (image.isNull()) break;
      const double w = R.I16(P + 12), h = R.I16(P + 10);
      DC.Blit(QRectF(R.I16(P + 16), R.I16(P + 14), w, h), image, BitmapSource(image, R.I16(P + 8), R.I16(P + 6), w, h),
              SRCCOPY);
      break;
    }
    default:
      // Viewport records speak of the device the file was made on: the picture's box
      // replaces it. Palettes, escapes and the rest draw nothing.
      break;
  }
}

// The window the records set first, for a file without a placeable header.
QRectF FirstWindow(const TByteView& B, int64_t At) {
  QPointF org;
  QSizeF ext;
  bool haveExt = false;
  for (int guard = 0; B.Has(At, 6) && guard < 100000; ++guard) {
    const int64_t size = int64_t{B.U32(At)} * 2;
    const uint16_t f = B.U16(At + 4);
    if (size < 6 || !B.Has(At, size) || f == META_EOF) break;
    if (f == META_SETWINDOWORG) org = ReversedPoint(B, At + 6);
    if (f == META_SETWINDOWEXT) {
      ext = QSizeF(B.I16(At + 8), B.I16(At + 6));
      haveExt = true;
      break;
    }
    At += size;
  }
  return haveExt ? QRectF(org, ext) : QRectF(0, 0, 1000, 1000);
}

}  // namespace

bool PlayWmf(QPainter& APainter, const TByteView& ABytes, const TMetafileInfo& AInfo, const QRectF& ATarget) {
  const int64_t start = AInfo.Inch > 0 || ABytes.U32(0) == PlaceableKey ? 22 : 0;
  const int handles = ABytes.U16(start + 10);
  int64_t at = start + int64_t{ABytes.U16(start + 2)} * 2;
  QRectF box = AInfo.Inch > 0 ? QRectF(QPointF(AInfo.PlaceableBox.left(), AInfo.PlaceableBox.top()),
                                       QPointF(AInfo.PlaceableBox.right() + 1.0, AInfo.PlaceableBox.bottom() + 1.0))
                              : FirstWindow(ABytes, at);
  if (box.width() == 0 || box.height() == 0) return true;
  // The box (which may run right to left or bottom to top) fills the target.
  const QTransform base = QTransform::fromTranslate(-box.left(), -box.top()) *
                          QTransform::fromScale(ATarget.width() / box.width(), ATarget.height() / box.height()) *
                          QTransform::fromTranslate(ATarget.left(), ATarget.top()) * APainter.worldTransform();
  TMetafileDC dc(APainter, base, QSizeF(AInfo.Inch > 0 ? AInfo.Inch : 96, AInfo.Inch > 0 ? AInfo.Inch : 96), handles);
  dc.SetMapMode(MM_ANISOTROPIC);
  dc.SetWindowOrg(box.topLeft());
  dc.SetWindowExt(box.size());
  dc.SetViewportOrg(box.topLeft());
  dc.SetViewportExt(box.size());
  while (ABytes.Has(at, 6)) {
    const int64_t size = int64_t{ABytes.U32(at)} * 2;
    const uint16_t function = ABytes.U16(at + 4);
    // A size below the record's own six bytes (zero above all) or past the end stops.
    if (size < 6 || !ABytes.Has(at, size) || function == META_EOF) break;
    PlayRecord(dc, function, ABytes.Sub(at, size));
    at += size;
  }
  return true;
}

}  // namespace tarnwick::metafile::detail
