#include "platform/gui/EmfWriter.h"

#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "platform/gui/MetafileDib.h"

namespace tarnwick::metafile {

namespace {

constexpr int HeaderSize = 108;
// The reference device: a 96 dpi screen, 1920 x 1440 pixels being 508 x 381 millimetres
// exactly, so readers that work out the resolution from them find 96.
constexpr int DeviceW = 1920, DeviceH = 1440, DeviceMmW = 508, DeviceMmH = 381;

// Logical coordinates are int32: anything off the picture is clamped far enough out not
// to show.
int32_t L(double V) {
  const double v = V * TEmfWriter::Subpixels;
  if (!std::isfinite(v)) return 0;
  return static_cast<int32_t>(std::clamp(std::nearbyint(v), -1.0e9, 1.0e9));
}

uint32_t HatchOf(Qt::BrushStyle S) {
  switch (S) {
    case Qt::HorPattern:
      return HS_HORIZONTAL;
    case Qt::VerPattern:
      return HS_VERTICAL;
    case Qt::CrossPattern:
      return HS_CROSS;
    case Qt::BDiagPattern:
      return HS_BDIAGONAL;
    case Qt::FDiagPattern:
      return HS_FDIAGONAL;
    case Qt::DiagCrossPattern:
      return HS_DIAGCROSS;
    default:
      return 0xFFFFFFFF;
  }
}

}  // namespace

uint32_t ColorRefOf(const QColor& C) {
  const QColor c = C.toRgb();
  return static_cast<uint32_t>(c.red()) | (static_cast<uint32_t>(c.green()) << 8) |
         (static_cast<uint32_t>(c.blue()) << 16);
}

QImage PatternImage(const QBrush& ABrush) {
  if (ABrush.style() == Qt::TexturePattern) return ABrush.textureImage();
  // The dense patterns repeat every 8 pixels; their gaps are white, as a pattern brush of
  // the format paints every pixel.
  QImage tile(8, 8, QImage::Format_RGB32);
  tile.fill(Qt::white);
  QPainter p(&tile);
  p.fillRect(tile.rect(), QBrush(ABrush.color(), ABrush.style()));
  return tile;
}

TEmfWriter::TEmfWriter(QSize APixels, const QString& ADescription)
    : FPixels(APixels.expandedTo(QSize(1, 1))), FDescription(ADescription) {}

void TEmfWriter::Record(uint32_t AType, const QByteArray& ABody) {
  FOut.U32(AType);
  FOut.U32(static_cast<uint32_t>(8 + ABody.size()));
  FOut.Raw(ABody);
  ++FRecords;
}

void TEmfWriter::Record(uint32_t AType, std::initializer_list<int32_t> AValues) {
  TByteWriter body;
  for (int32_t v : AValues) body.I32(v);
  Record(AType, body.Bytes());
}

uint32_t TEmfWriter::NewHandle() {
  for (size_t i = 1; i < FHandles.size(); ++i)
    if (!FHandles[i]) {
      FHandles[i] = true;
      return static_cast<uint32_t>(i);
    }
  FHandles.push_back(true);
  return static_cast<uint32_t>(FHandles.size() - 1);
}

void TEmfWriter::FreeHandle(uint32_t AHandle) {
  if (AHandle == 0 || AHandle >= FHandles.size()) return;
  Record(EMR_DELETEOBJECT, {static_cast<int32_t>(AHandle)});
  FHandles[AHandle] = false;
}

void TEmfWriter::Touch(const QRectF& ADevice) {
  const QRectF r = ADevice.intersected(QRectF(QPointF(0, 0), QSizeF(FPixels)));
  if (!r.isEmpty()) FBounds = FBounds.isNull() ? r : FBounds.united(r);
}

void TEmfWriter::Begin() {
  FOut = TByteWriter();
  FRecords = 0;
  FOut.Raw(QByteArray(HeaderSize, '\0'));  // written last, when the totals are known
  const QByteArray description = [&] {
    TByteWriter d;
    for (QChar c : FDescription) d.U16(c.unicode());
    d.U16(0);
    d.U16(0);  // the description ends with two nulls
    d.Pad(4);
    return d.Bytes();
  }();
  FOut.Raw(description);
  ++FRecords;
  Record(EMR_SETMAPMODE, {MM_ANISOTROPIC});
  Record(EMR_SETWINDOWEXTEX, {FPixels.width() * Subpixels, FPixels.height() * Subpixels});
  Record(EMR_SETVIEWPORTEXTEX, {FPixels.width(), FPixels.height()});
  Record(EMR_SETBKMODE, {TRANSPARENT});
  Record(EMR_SETPOLYFILLMODE, {ALTERNATE});
  Record(EMR_SETTEXTALIGN, {TA_BASELINE});
  Record(EMR_SAVEDC, {});
}

void TEmfWriter::End() {
  if (FEnded) return;
  FEnded = true;
  Record(EMR_RESTOREDC, {-1});
  // Objects still selected are released with the metafile; the selection moves to stock
  // objects first so every handle is freed the ordinary way.
  Record(EMR_SELECTOBJECT, {static_cast<int32_t>(StockObjectFlag | BLACK_PEN)});
  Record(EMR_SELECTOBJECT, {static_cast<int32_t>(StockObjectFlag | WHITE_BRUSH)});
  FreeHandle(FPen);
  FreeHandle(FBrush);
  Record(EMR_EOF, {0, 16, 20});
  TByteWriter head;
  const QRect bounds = FBounds.isNull() ? QRect(0, 0, 0, 0) : FBounds.toAlignedRect();
  head.U32(EMR_HEADER);
  const int descChars = static_cast<int>(FDescription.size()) + 2;
  head.U32(static_cast<uint32_t>(HeaderSize + ((descChars * 2 + 3) / 4) * 4));
  head.I32(bounds.left());
  head.I32(bounds.top());
  head.I32(bounds.isEmpty() ? 0 : bounds.right());
  head.I32(bounds.isEmpty() ? 0 : bounds.bottom());
  // The frame in hundredths of a millimetre of the reference screen.
  head.I32(0);
  head.I32(0);
  head.I32(static_cast<int32_t>(std::nearbyint(DeviceMmW * 100.0 / DeviceW * FPixels.width())));
  head.I32(static_cast<int32_t>(std::nearbyint(DeviceMmH * 100.0 / DeviceH * FPixels.height())));
  head.U32(EmfSignature);
  head.U32(0x10000);
  head.U32(static_cast<uint32_t>(FOut.Size()));
  head.U32(static_cast<uint32_t>(FRecords));
  head.U16(static_cast<uint16_t>(std::min<size_t>(FHandles.size(), 0xFFFF)));
  head.U16(0);
  head.U32(static_cast<uint32_t>(descChars));
  head.U32(HeaderSize);
  head.U32(0);  // no palette
  head.I32(DeviceW);
  head.I32(DeviceH);
  head.I32(DeviceMmW);
  head.I32(DeviceMmH);
  head.U32(0);  // no pixel format, no OpenGL
  head.U32(0);
  head.U32(0);
  head.I32(DeviceMmW * 1000);
  head.I32(DeviceMmH * 1000);
  QByteArray& out = FOut.Bytes();
  out.replace(0, HeaderSize, head.Bytes());
}

void TEmfWriter::SelectPen(const QPen& APen) {
  if (FPenKnown && APen == FPenKey) return;
  FPenKey = APen;
  FPenKnown = true;
  const uint32_t old = FPen;
  if (APen.style() == Qt::NoPen) {
    Record(EMR_SELECTOBJECT, {static_cast<int32_t>(StockObjectFlag | NULL_PEN)});
    FPen = 0;
    FreeHandle(old);
    return;
  }
  const uint32_t h = NewHandle();
  TByteWriter body;
  body.U32(h);
  if (APen.isCosmetic() && APen.style() == Qt::SolidLine) {
    // A cosmetic pen is one device pixel wide however the picture is scaled.
    Record(EMR_CREATEPEN, {static_cast<int32_t>(h), PS_SOLID, 0, 0, static_cast<int32_t>(ColorRefOf(APen.color()))});
  } else {
    uint32_t style = PS_GEOMETRIC;
    style |= APen.capStyle() == Qt::FlatCap     ? uint32_t{PS_ENDCAP_FLAT}
             : APen.capStyle() == Qt::SquareCap ? uint32_t{PS_ENDCAP_SQUARE}
                                                : uint32_t{PS_ENDCAP_ROUND};
    style |= APen.joinStyle() == Qt::BevelJoin   ? PS_JOIN_BEVEL
             : APen.joinStyle() == Qt::RoundJoin ? PS_JOIN_ROUND
                                                 : PS_JOIN_MITER;
    const double width = APen.isCosmetic() ? 1.0 : std::max(APen.widthF(), 1.0 / Subpixels);
    std::vector<uint32_t> dashes;
    if (APen.style() != Qt::SolidLine) {
      // Qt's own dash pattern, in pen widths, so dashes look the same in every reader.
      style |= PS_USERSTYLE;
      for (qreal d : APen.dashPattern())
        dashes.push_back(static_cast<uint32_t>(std::max(1.0, std::nearbyint(d * std::max(width, 1.0) * Subpixels))));
    }
    body.U32(0);  // no bitmap
    body.U32(0);
    body.U32(0);
    body.U32(0);
    body.U32(style);
    body.U32(static_cast<uint32_t>(std::min(std::nearbyint(width * Subpixels), 1.0e9)));
    body.U32(BS_SOLID);
    body.U32(ColorRefOf(APen.color()));
    body.U32(0);
    body.U32(static_cast<uint32_t>(dashes.size()));
    for (uint32_t d : dashes) body.U32(d);
    Record(EMR_EXTCREATEPEN, body.Bytes());
  }
  Record(EMR_SELECTOBJECT, {static_cast<int32_t>(h)});
  FPen = h;
  FreeHandle(old);
}

void TEmfWriter::SelectBrush(const QBrush& ABrush) {
  if (FBrushKnown && ABrush == FBrushKey) return;
  FBrushKey = ABrush;
  FBrushKnown = true;
  const uint32_t old = FBrush;
  const Qt::BrushStyle s = ABrush.style();
  if (s == Qt::NoBrush) {
    Record(EMR_SELECTOBJECT, {static_cast<int32_t>(StockObjectFlag | NULL_BRUSH)});
    FBrush = 0;
    FreeHandle(old);
    return;
  }
  const uint32_t h = NewHandle();
  const uint32_t hatch = HatchOf(s);
  if (s == Qt::SolidPattern || hatch != 0xFFFFFFFF || s >= Qt::LinearGradientPattern) {
    // Gradients reach here only when Qt did not draw them into a bitmap: their first
    // colour stands in for them.
    QColor color = ABrush.color();
    if (ABrush.gradient() && !ABrush.gradient()->stops().isEmpty()) color = ABrush.gradient()->stops().first().second;
    Record(EMR_CREATEBRUSHINDIRECT,
           {static_cast<int32_t>(h), static_cast<int32_t>(hatch != 0xFFFFFFFF ? BS_HATCHED : BS_SOLID),
            static_cast<int32_t>(ColorRefOf(color)), static_cast<int32_t>(hatch != 0xFFFFFFFF ? hatch : 0)});
  } else {
    const TDibParts dib = EncodeDib(PatternImage(ABrush), false);
    TByteWriter body;
    body.U32(h);
    body.U32(0);  // DIB_RGB_COLORS
    body.U32(32);
    body.U32(static_cast<uint32_t>(dib.Info.size()));
    body.U32(static_cast<uint32_t>(32 + dib.Info.size()));
    body.U32(static_cast<uint32_t>(dib.Bits.size()));
    body.Raw(dib.Info);
    body.Raw(dib.Bits);
    Record(EMR_CREATEDIBPATTERNBRUSHPT, body.Bytes());
  }
  Record(EMR_SELECTOBJECT, {static_cast<int32_t>(h)});
  FBrush = h;
  FreeHandle(old);
}

void TEmfWriter::PathRecords(const QPainterPath& P) {
  Record(EMR_BEGINPATH, {});
  QPointF start;
  std::vector<QPointF> lines;
  const auto flushLines = [&] {
    if (lines.empty()) return;
    TByteWriter b;
    QRectF box;
    for (const QPointF& p : lines) box = box.united(QRectF(p, QSizeF(0, 0)));
    b.I32(L(box.left()));
    b.I32(L(box.top()));
    b.I32(L(box.right()));
    b.I32(L(box.bottom()));
    b.U32(static_cast<uint32_t>(lines.size()));
    for (const QPointF& p : lines) {
      b.I32(L(p.x()));
      b.I32(L(p.y()));
    }
    Record(EMR_POLYLINETO, b.Bytes());
    lines.clear();
  };
  QPointF last;
  for (int i = 0; i < P.elementCount(); ++i) {
    const QPainterPath::Element e = P.elementAt(i);
    if (e.isMoveTo()) {
      flushLines();
      if (i > 0 && last == start) Record(EMR_CLOSEFIGURE, {});
      start = e;
      Record(EMR_MOVETOEX, {L(e.x), L(e.y)});
      last = e;
    } else if (e.isLineTo()) {
      lines.push_back(e);
      last = e;
    } else if (e.isCurveTo() && i + 2 < P.elementCount()) {
      flushLines();
      const QPointF c1 = e, c2 = P.elementAt(i + 1), end = P.elementAt(i + 2);
      TByteWriter b;
      const QRectF box = QPolygonF({c1, c2, end}).boundingRect();
      b.I32(L(box.left()));
      b.I32(L(box.top()));
      b.I32(L(box.right()));
      b.I32(L(box.bottom()));
      b.U32(3);
      for (const QPointF& p : {c1, c2, end}) {
        b.I32(L(p.x()));
        b.I32(L(p.y()));
      }
      Record(EMR_POLYBEZIERTO, b.Bytes());
      last = end;
      i += 2;
    }
  }
  flushLines();
  if (P.elementCount() > 1 && last == start) Record(EMR_CLOSEFIGURE, {});
  Record(EMR_ENDPATH, {});
}

void TEmfWriter::Path(const QPainterPath& ADevice, const QPen& APen, const QBrush& ABrush) {
  const bool fill = ABrush.style() != Qt::NoBrush, stroke = APen.style() != Qt::NoPen;
  if (!fill && !stroke) return;
  const double grow = stroke ? APen.widthF() / 2 + 1 : 0;
  Touch(ADevice.boundingRect().adjusted(-grow, -grow, grow, grow));
  if (stroke) SelectPen(APen);
  if (fill) {
    SelectBrush(ABrush);
    Record(EMR_SETPOLYFILLMODE, {ADevice.fillRule() == Qt::WindingFill ? WINDING : ALTERNATE});
  }
  PathRecords(ADevice);
  Record(fill && stroke ? EMR_STROKEANDFILLPATH : fill ? EMR_FILLPATH : EMR_STROKEPATH, {0, 0, -1, -1});
}

void TEmfWriter::Image(const QRectF& ADevice, const QImage& AImage) {
  if (AImage.isNull() || ADevice.isEmpty()) return;
  Touch(ADevice);
  const bool alpha = AImage.hasAlphaChannel();
  const TDibParts dib = EncodeDib(AImage, alpha);
  const QRect b = ADevice.toAlignedRect();
  TByteWriter r;
  r.I32(b.left());
  r.I32(b.top());
  r.I32(b.right());
  r.I32(b.bottom());
  const int32_t x = L(ADevice.left()), y = L(ADevice.top());
  const int32_t cx = L(ADevice.right()) - x, cy = L(ADevice.bottom()) - y;
  const int w = AImage.width(), h = AImage.height();
  if (alpha) {
    // Pixels with alpha blend with what lies below them.
    constexpr uint32_t Fixed = 100 + 8;
    r.I32(x), r.I32(y), r.I32(cx), r.I32(cy);
    r.U8(0), r.U8(0), r.U8(255), r.U8(1);  // AC_SRC_OVER, constant alpha 255, AC_SRC_ALPHA
    r.I32(0), r.I32(0);
    for (float f : {1.f, 0.f, 0.f, 1.f, 0.f, 0.f}) r.F32(f);
    r.U32(0);  // background colour
    r.U32(0);  // DIB_RGB_COLORS
    r.U32(Fixed);
    r.U32(static_cast<uint32_t>(dib.Info.size()));
    r.U32(static_cast<uint32_t>(Fixed + dib.Info.size()));
    r.U32(static_cast<uint32_t>(dib.Bits.size()));
    r.I32(w), r.I32(h);
    r.Raw(dib.Info);
    r.Raw(dib.Bits);
    Record(EMR_ALPHABLEND, r.Bytes());
  } else {
    constexpr uint32_t Fixed = 80;
    r.I32(x), r.I32(y), r.I32(0), r.I32(0), r.I32(w), r.I32(h);
    r.U32(Fixed);
    r.U32(static_cast<uint32_t>(dib.Info.size()));
    r.U32(static_cast<uint32_t>(Fixed + dib.Info.size()));
    r.U32(static_cast<uint32_t>(dib.Bits.size()));
    r.U32(0);  // DIB_RGB_COLORS
    r.U32(SRCCOPY);
    r.I32(cx), r.I32(cy);
    r.Raw(dib.Info);
    r.Raw(dib.Bits);
    Record(EMR_STRETCHDIBITS, r.Bytes());
  }
}

void TEmfWriter::Text(const QPointF& APos, const QString& AText, const QFont& AFont, double APixelSize,
                      const QTransform& ATransform, const QColor& AColor) {
  if (AText.isEmpty() || !(APixelSize > 0) || !std::isfinite(APixelSize)) return;
  const QRectF area =
      ATransform.mapRect(QRectF(APos.x(), APos.y() - APixelSize, APixelSize * AText.size(), APixelSize * 1.5));
  Touch(area);
  // Text is drawn in the painter's own coordinates through a world transform, so rotated,
  // scaled and mirrored text stays text. The world transform ends with the state.
  Record(EMR_SAVEDC, {});
  const QTransform w = ATransform * QTransform::fromScale(Subpixels, Subpixels);
  TByteWriter x;
  for (double v : {w.m11(), w.m12(), w.m21(), w.m22(), w.dx(), w.dy()}) x.F32(static_cast<float>(v));
  Record(EMR_SETWORLDTRANSFORM, x.Bytes());
  // Font heights are whole logical units: small text is drawn at a larger size under a
  // smaller transform so it keeps its exact size.
  double k = 1;
  while (APixelSize * k < 256 && k < 1024) k *= 2;
  if (k > 1) {
    TByteWriter s;
    for (double v : {1 / k, 0.0, 0.0, 1 / k, 0.0, 0.0}) s.F32(static_cast<float>(v));
    s.U32(2);  // multiply on the left
    Record(EMR_MODIFYWORLDTRANSFORM, s.Bytes());
  }
  const uint32_t font = NewHandle();
  TByteWriter f;
  f.U32(font);
  f.I32(-static_cast<int32_t>(std::nearbyint(std::min(APixelSize * k, 1.0e8))));
  f.I32(0);
  f.I32(0);
  f.I32(0);
  f.I32(AFont.bold() ? 700 : std::clamp(static_cast<int>(AFont.weight()), 1, 1000));
  f.U8(AFont.italic() ? 1 : 0);
  f.U8(AFont.underline() ? 1 : 0);
  f.U8(AFont.strikeOut() ? 1 : 0);
  f.U8(1);  // DEFAULT_CHARSET
  f.U8(0), f.U8(0), f.U8(0), f.U8(0);
  const QString face = AFont.family().left(31);
  for (int i = 0; i < 32; ++i) f.U16(i < face.size() ? face[i].unicode() : 0);
  Record(EMR_EXTCREATEFONTINDIRECTW, f.Bytes());
  Record(EMR_SELECTOBJECT, {static_cast<int32_t>(font)});
  Record(EMR_SETTEXTCOLOR, {static_cast<int32_t>(ColorRefOf(AColor))});
  Record(EMR_SETBKMODE, {TRANSPARENT});
  TByteWriter t;
  const QRect b = area.toAlignedRect();
  t.I32(b.left()), t.I32(b.top()), t.I32(b.right()), t.I32(b.bottom());
  t.U32(2);  // GM_ADVANCED
  t.F32(1), t.F32(1);
  const int32_t px = static_cast<int32_t>(std::nearbyint(std::clamp(APos.x() * k, -1e9, 1e9)));
  const int32_t py = static_cast<int32_t>(std::nearbyint(std::clamp(APos.y() * k, -1e9, 1e9)));
  t.I32(px), t.I32(py);
  t.U32(static_cast<uint32_t>(AText.size()));
  t.U32(76);  // the string follows the fixed part
  t.U32(0);
  t.I32(0), t.I32(0), t.I32(-1), t.I32(-1);
  t.U32(0);  // no advances: the reader lays the text out with the font
  for (QChar c : AText) t.U16(c.unicode());
  t.Pad(4);
  Record(EMR_EXTTEXTOUTW, t.Bytes());
  Record(EMR_RESTOREDC, {-1});
  // Pen and brush were selected before the save and are selected again by the restore.
  FreeHandle(font);
}

void TEmfWriter::Clip(const std::optional<QPainterPath>& ADevice) {
  if (!ADevice) {
    TByteWriter b;
    b.U32(0);
    b.U32(RGN_COPY);
    Record(EMR_EXTSELECTCLIPRGN, b.Bytes());
    return;
  }
  PathRecords(*ADevice);
  Record(EMR_SELECTCLIPPATH, {RGN_COPY});
}

void TEmfWriter::Background(bool AOpaque, const QColor& AColor) {
  Record(EMR_SETBKMODE, {AOpaque ? OPAQUE : TRANSPARENT});
  Record(EMR_SETBKCOLOR, {static_cast<int32_t>(ColorRefOf(AColor))});
}

QByteArray RecordEmf(QSize ASize, const std::function<void(QPainter&)>& APaint) {
  TEmfWriter writer(ASize);
  {
    TMetafileDevice device(ASize, writer);
    QPainter painter(&device);
    APaint(painter);
  }
  return writer.Bytes();
}

}  // namespace tarnwick::metafile
