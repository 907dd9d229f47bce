#include "platform/gui/MetafileDC.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace tarnwick::metafile {

namespace {

// Limits that keep hostile values from turning into endless work: saved states, pen widths
// and dash patterns, font sizes.
constexpr size_t MaxSavedStates = 1024;
constexpr double MaxPenWidth = 1e6;
constexpr double MaxFontPixels = 2000;

bool Finite(const QTransform& T) {
  return std::isfinite(T.m11()) && std::isfinite(T.m12()) && std::isfinite(T.m21()) && std::isfinite(T.m22()) &&
         std::isfinite(T.dx()) && std::isfinite(T.dy()) && T.isInvertible();
}

TGdiObject StockObject(uint32_t AIndex) {
  switch (AIndex) {
    case WHITE_BRUSH:
      return TMetafileDC::MakeBrush(BS_SOLID, Qt::white, 0);
    case LTGRAY_BRUSH:
      return TMetafileDC::MakeBrush(BS_SOLID, QColor(192, 192, 192), 0);
    case GRAY_BRUSH:
      return TMetafileDC::MakeBrush(BS_SOLID, QColor(128, 128, 128), 0);
    case DKGRAY_BRUSH:
      return TMetafileDC::MakeBrush(BS_SOLID, QColor(64, 64, 64), 0);
    case BLACK_BRUSH:
      return TMetafileDC::MakeBrush(BS_SOLID, Qt::black, 0);
    case NULL_BRUSH:
      return TMetafileDC::MakeBrush(BS_NULL, Qt::black, 0);
    case WHITE_PEN:
      return TMetafileDC::MakePen(PS_SOLID, 0, Qt::white);
    case BLACK_PEN:
      return TMetafileDC::MakePen(PS_SOLID, 0, Qt::black);
    case NULL_PEN:
      return TMetafileDC::MakePen(PS_NULL, 0, Qt::black);
    default: {
      if (AIndex >= 10 && AIndex <= 17) {
        TGdiObject font;
        font.Kind = TGdiObject::okFont;
        font.FontHeight = 16;
        return font;
      }
      return {};
    }
  }
}

double Scale(const QTransform& T) { return std::sqrt(std::abs(T.determinant())); }

}  // namespace

TMetafileDC::TMetafileDC(QPainter& APainter, const QTransform& ABase, QSizeF ADpi, int AHandles)
    : FPainter(APainter), FBase(ABase), FDpi(ADpi) {
  FPainter.save();
  if (FPainter.hasClipping()) FOuterClip = FPainter.transform().map(FPainter.clipPath());
  FObjects.resize(static_cast<size_t>(std::clamp(AHandles, 1, 65536)));
  FState.Pen = StockObject(BLACK_PEN);
  FState.Brush = StockObject(WHITE_BRUSH);
  FState.Font = StockObject(13);
  FPainter.setRenderHint(QPainter::Antialiasing, true);
  FPainter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

TMetafileDC::~TMetafileDC() { FPainter.restore(); }

// --- mapping -----------------------------------------------------------------------------

void TMetafileDC::SetMapMode(int AMode) {
  if (AMode < MM_TEXT || AMode > MM_ANISOTROPIC) return;
  FState.MapMode = AMode;
}
void TMetafileDC::SetWindowOrg(QPointF P) { FState.WindowOrg = P; }
void TMetafileDC::SetViewportOrg(QPointF P) { FState.ViewportOrg = P; }
void TMetafileDC::SetWindowExt(QSizeF S) {
  if (S.width() != 0 && S.height() != 0) FState.WindowExt = S;
}
void TMetafileDC::SetViewportExt(QSizeF S) {
  if (S.width() != 0 && S.height() != 0) FState.ViewportExt = S;
}
void TMetafileDC::ScaleWindowExt(double XNum, double XDen, double YNum, double YDen) {
  if (XDen != 0 && YDen != 0)
    SetWindowExt(QSizeF(FState.WindowExt.width() * XNum / XDen, FState.WindowExt.height() * YNum / YDen));
}
void TMetafileDC::ScaleViewportExt(double XNum, double XDen, double YNum, double YDen) {
  if (XDen != 0 && YDen != 0)
    SetViewportExt(QSizeF(FState.ViewportExt.width() * XNum / XDen, FState.ViewportExt.height() * YNum / YDen));
}

void TMetafileDC::ModifyWorld(const QTransform& T, int AMode) {
  QTransform result;
  switch (AMode) {
    case 1:
      break;
    case 2:
      result = T * FState.World;
      break;
    case 3:
      result = FState.World * T;
      break;
    case 4:
      result = T;
      break;
    default:
      return;
  }
  if (Finite(result)) FState.World = result;
}

QTransform TMetafileDC::LogicalToDevice() const {
  const TState& s = FState;
  double sx = 1, sy = 1;
  const double mmX = FDpi.width() / 25.4, mmY = FDpi.height() / 25.4;
  switch (s.MapMode) {
    case MM_LOMETRIC:
      sx = mmX / 10, sy = -mmY / 10;
      break;
    case MM_HIMETRIC:
      sx = mmX / 100, sy = -mmY / 100;
      break;
    case MM_LOENGLISH:
      sx = FDpi.width() / 100, sy = -FDpi.height() / 100;
      break;
    case MM_HIENGLISH:
      sx = FDpi.width() / 1000, sy = -FDpi.height() / 1000;
      break;
    case MM_TWIPS:
      sx = FDpi.width() / 1440, sy = -FDpi.height() / 1440;
      break;
    case MM_ISOTROPIC:
    case MM_ANISOTROPIC:
      sx = s.ViewportExt.width() / s.WindowExt.width();
      sy = s.ViewportExt.height() / s.WindowExt.height();
      if (s.MapMode == MM_ISOTROPIC) {
        // One unit is as long across as down: the smaller scale wins, each keeps its sign.
        const double m = std::min(std::abs(sx), std::abs(sy));
        sx = std::copysign(m, sx);
        sy = std::copysign(m, sy);
      }
      break;
    default:
      break;
  }
  const QTransform page(sx, 0, 0, sy, s.ViewportOrg.x() - s.WindowOrg.x() * sx,
                        s.ViewportOrg.y() - s.WindowOrg.y() * sy);
  return s.World * page;
}

// --- state -------------------------------------------------------------------------------

void TMetafileDC::Save() {
  if (FSaved.size() < MaxSavedStates) FSaved.push_back(FState);
}

void TMetafileDC::Restore(int AWhich) {
  // Negative counts back from the latest save; positive names a save from the first (1).
  int64_t index = AWhich < 0 ? int64_t(FSaved.size()) + AWhich : int64_t{AWhich} - 1;
  if (index < 0 || index >= int64_t(FSaved.size())) return;
  const bool clipChanged = FSaved[size_t(index)].Clip.has_value() != FState.Clip.has_value() ||
                           (FState.Clip && *FSaved[size_t(index)].Clip != *FState.Clip);
  FState = FSaved[size_t(index)];
  FSaved.resize(size_t(index));
  if (clipChanged) ApplyClip();
}

// --- objects -----------------------------------------------------------------------------

bool TMetafileDC::Store(uint32_t AIndex, TGdiObject AObject) {
  if (AIndex >= FObjects.size()) return false;
  FObjects[AIndex] = std::move(AObject);
  return true;
}

int TMetafileDC::FreeSlot() const {
  for (size_t i = 0; i < FObjects.size(); ++i)
    if (FObjects[i].Kind == TGdiObject::okNone) return static_cast<int>(i);
  return -1;
}

const TGdiObject* TMetafileDC::Object(uint32_t AIndex) const {
  static thread_local TGdiObject stock;
  if (AIndex & StockObjectFlag) {
    stock = StockObject(AIndex & ~StockObjectFlag);
    return stock.Kind == TGdiObject::okNone ? nullptr : &stock;
  }
  if (AIndex >= FObjects.size() || FObjects[AIndex].Kind == TGdiObject::okNone) return nullptr;
  return &FObjects[AIndex];
}

void TMetafileDC::Select(uint32_t AIndex) {
  const TGdiObject* o = Object(AIndex);
  if (!o) return;
  switch (o->Kind) {
    case TGdiObject::okPen:
      FState.Pen = *o;
      break;
    case TGdiObject::okBrush:
      FState.Brush = *o;
      break;
    case TGdiObject::okFont:
      FState.Font = *o;
      break;
    default:
      break;
  }
}

void TMetafileDC::Delete(uint32_t AIndex) {
  // A selected object stays in use: the state holds its own copy.
  if (!(AIndex & StockObjectFlag) && AIndex < FObjects.size()) FObjects[AIndex] = TGdiObject{};
}

TGdiObject TMetafileDC::MakePen(uint32_t AStyle, double AWidth, QColor AColor, const std::vector<double>& ADashes) {
  TGdiObject o;
  o.Kind = TGdiObject::okPen;
  const uint32_t style = AStyle & PS_STYLE_MASK;
  if (style == PS_NULL) {
    o.Pen = QPen(Qt::NoPen);
    return o;
  }
  o.Pen = QPen(AColor);
  const double width = std::isfinite(AWidth) ? std::clamp(std::abs(AWidth), 0.0, MaxPenWidth) : 0;
  // Width 0 is one device pixel whatever the mapping: a cosmetic pen.
  o.Pen.setWidthF(width);
  o.Pen.setCosmetic(width == 0);
  switch (style) {
    case PS_DASH:
      o.Pen.setStyle(Qt::DashLine);
      break;
    case PS_DOT:
      o.Pen.setStyle(Qt::DotLine);
      break;
    case PS_DASHDOT:
      o.Pen.setStyle(Qt::DashDotLine);
      break;
    case PS_DASHDOTDOT:
      o.Pen.setStyle(Qt::DashDotDotLine);
      break;
    case PS_USERSTYLE: {
      // Entries are in logical units; Qt counts in pen widths. Patterns that are all
      // zero (or odd in length) would make Qt loop or refuse: a solid line is drawn then.
      QVector<qreal> pattern;
      const double w = std::max(width, 1.0);
      for (double d : ADashes) pattern.append(std::clamp(d / w, 0.01, 1e4));
      if (pattern.size() % 2) pattern.append(pattern.back());
      if (!pattern.isEmpty() && pattern.size() <= 32) o.Pen.setDashPattern(pattern);
      break;
    }
    default:
      break;
  }
  switch (AStyle & PS_ENDCAP_MASK) {
    case PS_ENDCAP_SQUARE:
      o.Pen.setCapStyle(Qt::SquareCap);
      break;
    case PS_ENDCAP_FLAT:
      o.Pen.setCapStyle(Qt::FlatCap);
      break;
    default:
      o.Pen.setCapStyle(Qt::RoundCap);
      break;
  }
  switch (AStyle & PS_JOIN_MASK) {
    case PS_JOIN_BEVEL:
      o.Pen.setJoinStyle(Qt::BevelJoin);
      break;
    case PS_JOIN_MITER:
      o.Pen.setJoinStyle(Qt::MiterJoin);
      break;
    default:
      o.Pen.setJoinStyle(Qt::RoundJoin);
      break;
  }
  return o;
}

TGdiObject TMetafileDC::MakeBrush(uint32_t AStyle, QColor AColor, uint32_t AHatch, const QImage& APattern) {
  TGdiObject o;
  o.Kind = TGdiObject::okBrush;
  switch (AStyle) {
    case BS_SOLID:
      o.Brush = QBrush(AColor);
      break;
    case BS_HATCHED: {
      static const Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,   Qt::FDiagPattern,
                                               Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
      o.Brush = QBrush(AColor, AHatch < 6 ? hatches[AHatch] : Qt::SolidPattern);
      break;
    }
    case BS_PATTERN:
    case BS_DIBPATTERN:
    case BS_DIBPATTERNPT:
      o.Brush = APattern.isNull() ? QBrush(Qt::NoBrush) : QBrush(APattern);
      break;
    default:
      o.Brush = QBrush(Qt::NoBrush);
      break;
  }
  return o;
}

TGdiObject TMetafileDC::MakeFont(const TByteView& F, bool AWide) {
  TGdiObject o;
  o.Kind = TGdiObject::okFont;
  const bool wide = AWide;
  o.FontHeight = wide ? F.I32(0) : F.I16(0);
  const int at = wide ? 20 : 10;  // after height, width, escapement, orientation, weight
  o.Escapement = wide ? F.I32(8) : F.I16(4);
  const int weight = wide ? F.I32(16) : F.I16(8);
  QString face;
  for (int i = 0; i < 32; ++i) {
    const uint16_t c = wide ? F.U16(at + 8 + 2 * i) : F.U8(at + 8 + i);
    if (!c || F.Failed()) break;
    face.append(QChar(c));
  }
  if (!face.isEmpty()) o.Font.setFamily(face);
  if (weight > 0) o.Font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 1, 1000)));
  o.Font.setItalic(F.U8(at) != 0);
  o.Font.setUnderline(F.U8(at + 1) != 0);
  o.Font.setStrikeOut(F.U8(at + 2) != 0);
  if (!std::isfinite(o.Escapement)) o.Escapement = 0;
  return o;
}

// --- drawing -----------------------------------------------------------------------------

QPen TMetafileDC::EffectivePen(const QTransform&) const { return FState.Pen.Pen; }

QBrush TMetafileDC::EffectiveBrush() const {
  QBrush b = FState.Brush.Brush;
  return b;
}

void TMetafileDC::Emit(const QPainterPath& P, bool AFill, bool AStroke) {
  const QTransform l2d = LogicalToDevice();
  FPainter.setTransform(l2d * FBase);
  QPainterPath path = P;
  path.setFillRule(FillRule());
  if (AFill && FState.Brush.Brush.style() != Qt::NoBrush) {
    // Hatches are drawn over the background colour when the background is opaque.
    if (FState.BkMode == OPAQUE && FState.Brush.Brush.style() > Qt::SolidPattern &&
        FState.Brush.Brush.style() < Qt::LinearGradientPattern)
      FPainter.fillPath(path, FState.BkColor);
    FPainter.fillPath(path, FState.Brush.Brush);
  }
  if (AStroke && FState.Pen.Pen.style() != Qt::NoPen) FPainter.strokePath(path, FState.Pen.Pen);
}

void TMetafileDC::Draw(const QPainterPath& P, bool AFill, bool AStroke) {
  if (FInPath) {
    FPath.addPath(P);
    return;
  }
  Emit(P, AFill, AStroke);
}

void TMetafileDC::Polyline(const QPolygonF& P) {
  if (P.size() < 2) return;
  QPainterPath path;
  path.addPolygon(P);
  if (FInPath) {
    FPath.moveTo(P.first());
    for (int i = 1; i < P.size(); ++i) FPath.lineTo(P[i]);
    return;
  }
  Emit(path, false, true);
}

void TMetafileDC::PolylineTo(const QPolygonF& P) {
  if (P.isEmpty()) return;
  QPolygonF all;
  all << FState.Current << P;
  if (FInPath) {
    if (FPath.elementCount() == 0) FPath.moveTo(FState.Current);
    for (const QPointF& p : P) FPath.lineTo(p);
  } else {
    Polyline(all);
  }
  FState.Current = P.last();
}

void TMetafileDC::LineTo(QPointF P) { PolylineTo(QPolygonF{P}); }

void TMetafileDC::Polygon(const QPolygonF& P) {
  if (P.size() < 2) return;
  QPainterPath path;
  path.addPolygon(P);
  path.closeSubpath();
  Draw(path, true, true);
}

void TMetafileDC::PolyPolygon(const std::vector<QPolygonF>& P) {
  QPainterPath path;
  for (const QPolygonF& p : P) {
    if (p.size() < 2) continue;
    path.addPolygon(p);
    path.closeSubpath();
  }
  Draw(path, true, true);
}

void TMetafileDC::PolyPolyline(const std::vector<QPolygonF>& P) {
  QPainterPath path;
  for (const QPolygonF& p : P)
    if (p.size() >= 2) path.addPolygon(p);
  Draw(path, false, true);
}

void TMetafileDC::PolyBezier(const QPolygonF& P, bool ATo) {
  QPainterPath path;
  int i = 0;
  if (ATo) {
    path.moveTo(FState.Current);
  } else {
    if (P.isEmpty()) return;
    path.moveTo(P[0]);
    i = 1;
  }
  for (; i + 2 < P.size() + (0); i += 3) path.cubicTo(P[i], P[i + 1], P[i + 2]);
  if (ATo && i > 0) FState.Current = P[i - 1];
  if (FInPath) {
    if (ATo && FPath.elementCount() > 0) {
      for (int k = 0; k + 2 < P.size(); k += 3) FPath.cubicTo(P[k], P[k + 1], P[k + 2]);
    } else {
      FPath.addPath(path);
    }
    return;
  }
  Emit(path, false, true);
}

void TMetafileDC::Rectangle(const QRectF& R) {
  QPainterPath path;
  path.addRect(R.normalized());
  Draw(path, true, true);
}

void TMetafileDC::RoundRect(const QRectF& R, QSizeF Corner) {
  QPainterPath path;
  path.addRoundedRect(R.normalized(), std::abs(Corner.width()) / 2, std::abs(Corner.height()) / 2);
  Draw(path, true, true);
}

void TMetafileDC::Ellipse(const QRectF& R) {
  QPainterPath path;
  path.addEllipse(R.normalized());
  Draw(path, true, true);
}

void TMetafileDC::Arc(const QRectF& ABox, QPointF Start, QPointF End, TArcKind AKind) {
  const QRectF box = ABox.normalized();
  if (box.width() <= 0 || box.height() <= 0) return;
  const QPointF c = box.center();
  const double rx = box.width() / 2, ry = box.height() / 2;
  // The angles of the radials through the two points, as the ellipse's own parameter.
  const auto angle = [&](QPointF p) {
    return qRadiansToDegrees(std::atan2(-(p.y() - c.y()) / ry, (p.x() - c.x()) / rx));
  };
  const double a0 = angle(Start), a1 = angle(End);
  double sweep = std::fmod(a1 - a0 + 720.0, 360.0);
  if (sweep == 0) sweep = 360;
  if (FState.Clockwise) sweep -= 360;
  if (!std::isfinite(a0) || !std::isfinite(sweep)) return;
  QPainterPath path;
  if (AKind == akPie) {
    path.moveTo(c);
    path.arcTo(box, a0, sweep);
    path.closeSubpath();
  } else {
    path.arcMoveTo(box, a0);
    if (AKind == akArcTo) {
      QPainterPath to;
      to.moveTo(FState.Current);
      to.lineTo(path.currentPosition());
      to.arcTo(box, a0, sweep);
      path = to;
    } else {
      path.arcTo(box, a0, sweep);
    }
    if (AKind == akChord) path.closeSubpath();
  }
  if (AKind == akArcTo) FState.Current = path.currentPosition();
  Draw(path, AKind == akChord || AKind == akPie, true);
}

void TMetafileDC::AngleArc(QPointF Center, double Radius, double Start, double Sweep) {
  if (!std::isfinite(Radius) || !std::isfinite(Start) || !std::isfinite(Sweep)) return;
  const QRectF box(Center.x() - Radius, Center.y() - Radius, 2 * Radius, 2 * Radius);
  QPainterPath path;
  path.moveTo(FState.Current);
  QPainterPath arc;
  arc.arcMoveTo(box, Start);
  path.lineTo(arc.currentPosition());
  path.arcTo(box, Start, std::clamp(Sweep, -360.0, 360.0));
  FState.Current = path.currentPosition();
  Draw(path, false, true);
}

void TMetafileDC::SetPixel(QPointF P, QColor C) {
  FPainter.setTransform(LogicalToDevice() * FBase);
  FPainter.fillRect(QRectF(P, QSizeF(1, 1)), C);
}

void TMetafileDC::Text(QPointF P, const QString& S, uint32_t AOptions, const QRectF& ARect,
                       const std::vector<double>& ADx) {
  const QTransform l2d = LogicalToDevice();
  const QTransform full = l2d * FBase;
  FPainter.setTransform(full);
  if (AOptions & ETO_OPAQUE) FPainter.fillRect(ARect.normalized(), FState.BkColor);
  if (S.isEmpty()) return;
  if (AOptions & ETO_CLIPPED) {
    FPainter.save();
    FPainter.setClipRect(ARect.normalized(), Qt::IntersectClip);
  }
  // The font is made at the size it will have on the target, so hinting and glyph caches
  // see real sizes, and the painter scales back to logical units.
  const TGdiObject& f = FState.Font;
  double height = std::abs(f.FontHeight);
  if (height == 0) height = 16;
  const bool cell = f.FontHeight > 0;
  const double scale = std::max(Scale(full), 1e-9);
  const double pixels = std::clamp(height * scale, 1.0, MaxFontPixels);
  QFont font = f.Font;
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
  QFontMetricsF fm(font);
  // A positive height is the cell (ascent + descent); a negative one the character height.
  double k = height * scale / font.pixelSize();
  if (cell && fm.height() > 0) k = height * scale / fm.height();
  const double unit = k / scale;  // logical units per font pixel
  double width = 0;
  if (!ADx.empty()) {
    for (double d : ADx) width += d;
  } else {
    width = fm.horizontalAdvance(S) * unit;
  }
  double dx = 0, dy = 0;
  switch (FState.TextAlign & TA_HMASK) {
    case TA_RIGHT:
      dx = -width;
      break;
    case TA_CENTER:
      dx = -width / 2;
      break;
    default:
      break;
  }
  switch (FState.TextAlign & TA_VMASK) {
    case TA_BASELINE:
      break;
    case TA_BOTTOM:
      dy = -fm.descent() * unit;
      break;
    default:
      dy = fm.ascent() * unit;
      break;
  }
  // Logical y may point up (metric modes): text stays upright on the device.
  const bool flipped = l2d.m22() < 0;
  QTransform t = full;
  t.translate(P.x(), P.y());
  if (flipped) t.scale(1, -1);
  if (f.Escapement != 0) t.rotate(-f.Escapement / 10.0);
  t.translate(dx, dy);
  t.scale(unit, unit);
  FPainter.setTransform(t);
  FPainter.setFont(font);
  if (FState.BkMode == OPAQUE && !(AOptions & ETO_OPAQUE))
    FPainter.fillRect(QRectF(0, -fm.ascent(), width / unit, fm.height()), FState.BkColor);
  FPainter.setPen(FState.TextColor);
  // The paint engine renders glyphs into its cache with the transform applied, and judges
  // their size by the transform's area only: a transform stretched far in one direction
  // and squeezed in the other passes that test and makes the font engine build a glyph
  // bitmap it cannot hold (a crash inside Qt). Glyphs that would come out larger than the
  // largest font in either direction are filled as outlines instead.
  const double along = std::hypot(t.m11(), t.m12()) * font.pixelSize();
  const double across = std::hypot(t.m21(), t.m22()) * font.pixelSize();
  const bool outlines = !(along <= MaxFontPixels && across <= MaxFontPixels);
  const auto draw = [&](QPointF AAt, const QString& AText) {
    if (!outlines) {
      FPainter.drawText(AAt, AText);
      return;
    }
    QPainterPath path;
    path.addText(AAt, font, AText);
    FPainter.fillPath(path, FState.TextColor);
  };
  if (ADx.empty()) {
    draw(QPointF(0, 0), S);
  } else {
    double x = 0;
    for (int i = 0; i < S.size() && size_t(i) < ADx.size(); ++i) {
      draw(QPointF(x / unit, 0), QString(S[i]));
      x += ADx[size_t(i)];
    }
  }
  if (FState.TextAlign & TA_UPDATECP) FState.Current = P + QPointF(width, 0);
  if (AOptions & ETO_CLIPPED) FPainter.restore();
}

void TMetafileDC::Blit(const QRectF& ADest, const QImage& AImage, const QRectF& ASource, uint32_t ARop) {
  if (!std::isfinite(ADest.width()) || !std::isfinite(ADest.height())) return;
  QTransform t = LogicalToDevice() * FBase;
  // A negative extent mirrors the picture.
  QRectF dest = ADest;
  QTransform flip;
  flip.translate(dest.center().x(), dest.center().y());
  flip.scale(dest.width() < 0 ? -1 : 1, dest.height() < 0 ? -1 : 1);
  flip.translate(-dest.center().x(), -dest.center().y());
  dest = dest.normalized();
  FPainter.setTransform(flip * t);
  const bool rasterOps = FPainter.paintEngine() && FPainter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
  switch (ARop) {
    case BLACKNESS:
      FPainter.fillRect(dest, Qt::black);
      return;
    case WHITENESS:
      FPainter.fillRect(dest, Qt::white);
      return;
    case PATCOPY:
      FPainter.fillRect(dest, FState.Brush.Brush);
      return;
    case DSTINVERT:
      if (rasterOps) {
        FPainter.setCompositionMode(QPainter::RasterOp_NotDestination);
        FPainter.fillRect(dest, Qt::white);
        FPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
      }
      return;
    default:
      break;
  }
  if (AImage.isNull()) return;
  const QRectF source = ASource.normalized().intersected(QRectF(AImage.rect()));
  if (source.isEmpty()) return;
  if (rasterOps && ARop == SRCAND)
    FPainter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
  else if (rasterOps && ARop == SRCPAINT)
    FPainter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
  else if (rasterOps && ARop == SRCINVERT)
    FPainter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  FPainter.drawImage(dest, AImage, source);
  FPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TMetafileDC::AlphaBlend(const QRectF& ADest, const QImage& AImage, const QRectF& ASource, int AConstantAlpha) {
  if (AImage.isNull()) return;
  FPainter.setTransform(LogicalToDevice() * FBase);
  FPainter.setOpacity(std::clamp(AConstantAlpha, 0, 255) / 255.0);
  const QRectF source = ASource.normalized().intersected(QRectF(AImage.rect()));
  if (!source.isEmpty()) FPainter.drawImage(ADest.normalized(), AImage, source);
  FPainter.setOpacity(1);
}

// --- paths and clipping ------------------------------------------------------------------

void TMetafileDC::BeginPath() {
  FPath = QPainterPath();
  FInPath = true;
}

void TMetafileDC::AbortPath() {
  FPath = QPainterPath();
  FInPath = false;
}

void TMetafileDC::CloseFigure() {
  if (FInPath) FPath.closeSubpath();
}

void TMetafileDC::FillPath(bool AFill, bool AStroke) {
  FInPath = false;
  Emit(FPath, AFill, AStroke);
  FPath = QPainterPath();
}

void TMetafileDC::SelectClipPath(int AMode) {
  FInPath = false;
  QPainterPath device = LogicalToDevice().map(FPath);
  device.setFillRule(FillRule());
  FPath = QPainterPath();
  SelectClipRegion(device, AMode);
}

void TMetafileDC::SelectClipRegion(const std::optional<QPainterPath>& ARegion, int AMode) {
  if (!ARegion) {
    if (AMode == RGN_COPY) SetClip(std::nullopt);
    return;
  }
  if (AMode == RGN_COPY || !FState.Clip) {
    // Without a clip, everything is visible: combining with "everything" is the region
    // itself for AND and OR, and nothing sensible for the others.
    if (AMode == RGN_COPY || AMode == RGN_AND)
      SetClip(*ARegion);
    else if (AMode == RGN_OR)
      SetClip(std::nullopt);
    return;
  }
  const QPainterPath& cur = *FState.Clip;
  switch (AMode) {
    case RGN_AND:
      SetClip(cur.intersected(*ARegion));
      break;
    case RGN_OR:
      SetClip(cur.united(*ARegion));
      break;
    case RGN_DIFF:
      SetClip(cur.subtracted(*ARegion));
      break;
    case RGN_XOR:
      SetClip(cur.united(*ARegion).subtracted(cur.intersected(*ARegion)));
      break;
    default:
      break;
  }
}

void TMetafileDC::IntersectClipRect(const QRectF& R) {
  QPainterPath p;
  p.addRect(R.normalized());
  SelectClipRegion(LogicalToDevice().map(p), RGN_AND);
}

void TMetafileDC::ExcludeClipRect(const QRectF& R) {
  QPainterPath p;
  p.addRect(R.normalized());
  const QPainterPath device = LogicalToDevice().map(p);
  if (!FState.Clip) {
    // Everything but the rectangle: a very large rectangle with a hole.
    QPainterPath all;
    all.addRect(QRectF(-1e7, -1e7, 2e7, 2e7));
    SetClip(all.subtracted(device));
  } else {
    SetClip(FState.Clip->subtracted(device));
  }
}

void TMetafileDC::OffsetClip(QPointF D) {
  if (FState.Clip) SetClip(FState.Clip->translated(LogicalToDevice().map(D) - LogicalToDevice().map(QPointF())));
}

void TMetafileDC::FillRegion(const QPainterPath& ARegion, uint32_t ABrush) {
  const TGdiObject* o = Object(ABrush);
  if (!o || o->Kind != TGdiObject::okBrush) return;
  FPainter.setTransform(FBase);
  FPainter.fillPath(ARegion, o->Brush);
}

void TMetafileDC::SetClip(std::optional<QPainterPath> AClip) {
  FState.Clip = std::move(AClip);
  ApplyClip();
}

void TMetafileDC::ApplyClip() {
  FPainter.setTransform(QTransform());
  if (FOuterClip) FPainter.setClipPath(*FOuterClip, Qt::ReplaceClip);
  if (FState.Clip) {
    FPainter.setTransform(FBase);
    FPainter.setClipPath(*FState.Clip, FOuterClip ? Qt::IntersectClip : Qt::ReplaceClip);
  } else if (!FOuterClip) {
    FPainter.setClipping(false);
  }
}

}  // namespace tarnwick::metafile
