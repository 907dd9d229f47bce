// The command icons: a QIconEngine that paints a glyph of the table at the size and pixel
// density asked for, so no size is ever an upscaled copy of another.
#include "editor/icons/EditorIcons.h"

#include <QFont>
#include <QGuiApplication>
#include <QIconEngine>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <QPixmapCache>
#include <QPolygonF>
#include <QtMath>
#include <cmath>
#include <utility>
#include <vector>

#include "editor/icons/IconGlyphs.h"

namespace tarnwick {

using namespace icons;

namespace {

constexpr double Grid = 16;

// The ink of the glyphs being painted: Ink itself on a light palette, the palette's text
// colour on a dark one.
thread_local QRgb CurrentInk = Ink;

QRgb InkFor(const QPalette& APalette) {
  return APalette.color(QPalette::Window).lightness() < 128 ? APalette.color(QPalette::WindowText).rgba() : Ink;
}

QColor Color(QRgb AValue) { return QColor::fromRgba(AValue == Ink ? CurrentInk : AValue); }

QPen PenOf(const TGlyphPrim& APrim) {
  if (APrim.Pen == None) return Qt::NoPen;
  QPen pen(Color(APrim.Pen), APrim.Width);
  pen.setJoinStyle(Qt::MiterJoin);
  pen.setCapStyle(APrim.Flags & gfRoundCap ? Qt::RoundCap : Qt::FlatCap);
  if (APrim.Flags & gfDashed) pen.setDashPattern({2, 1});
  return pen;
}

QBrush BrushOf(const TGlyphPrim& APrim) {
  if (APrim.Fill == None) return Qt::NoBrush;
  if (APrim.Fill2 == None || APrim.P.size() < 4) return Color(APrim.Fill);
  QLinearGradient gradient(APrim.P[0], 0, APrim.P[0] + APrim.P[2], 0);
  gradient.setColorAt(0, Color(APrim.Fill));
  gradient.setColorAt(1, Color(APrim.Fill2));
  return gradient;
}

QPolygonF Points(const std::vector<double>& AP) {
  QPolygonF out;
  for (size_t i = 0; i + 1 < AP.size(); i += 2) out << QPointF(AP[i], AP[i + 1]);
  return out;
}

QPainterPath PathOf(const std::vector<double>& AP) {
  QPainterPath path;
  for (size_t i = 0; i < AP.size();) {
    switch (static_cast<int>(AP[i])) {
      case 0:
        path.moveTo(AP[i + 1], AP[i + 2]);
        i += 3;
        break;
      case 1:
        path.lineTo(AP[i + 1], AP[i + 2]);
        i += 3;
        break;
      default: {
        const double cx = AP[i + 1], cy = AP[i + 2], r = AP[i + 3];
        path.arcTo(QRectF(cx - r, cy - r, 2 * r, 2 * r), AP[i + 4], AP[i + 5]);
        i += 6;
        break;
      }
    }
  }
  return path;
}

struct THead {
  QPointF Tip;
  QPointF Direction;  // unit vector towards the tip
};

QPointF UnitFromAngle(double ADegrees) {
  // QPainterPath angles turn counter-clockwise with y up; the screen's y points down.
  const double a = qDegreesToRadians(ADegrees);
  return {std::cos(a), -std::sin(a)};
}

std::vector<THead> HeadsOf(const QPainterPath& APath, int AFlags) {
  std::vector<THead> out;
  if (AFlags & gfHeadEnd) out.push_back({APath.pointAtPercent(1), UnitFromAngle(APath.angleAtPercent(1))});
  if (AFlags & gfHeadStart) out.push_back({APath.pointAtPercent(0), -UnitFromAngle(APath.angleAtPercent(0))});
  return out;
}

// The head's triangle, or (AWhole) the rectangle around it: the stroke is kept out of
// that rectangle, so a wide line does not blunt the head's point.
QPolygonF HeadShape(const THead& AHead, double AWidth, bool AWhole) {
  const double length = 1.5 + 1.25 * AWidth, half = 0.9 + AWidth;
  const QPointF base = AHead.Tip - AHead.Direction * length;
  const QPointF side(-AHead.Direction.y() * half, AHead.Direction.x() * half);
  if (AWhole) return QPolygonF{AHead.Tip + side, base + side, base - side, AHead.Tip - side};
  return QPolygonF{AHead.Tip, base + side, base - side};
}

void StrokeWithHeads(QPainter& APainter, const QPainterPath& APath, const TGlyphPrim& APrim) {
  const std::vector<THead> heads = HeadsOf(APath, APrim.Flags);
  APainter.setBrush(Qt::NoBrush);
  if (heads.empty()) {
    APainter.drawPath(APath);
    return;
  }
  APainter.save();
  QPainterPath keep;
  keep.addRect(QRectF(-Grid, -Grid, 3 * Grid, 3 * Grid));
  for (const THead& h : heads) {
    QPainterPath cut;
    cut.addPolygon(HeadShape(h, APrim.Width, true));
    keep = keep.subtracted(cut);
  }
  APainter.setClipPath(keep, Qt::IntersectClip);
  APainter.drawPath(APath);
  APainter.restore();
  APainter.setPen(Qt::NoPen);
  APainter.setBrush(Color(APrim.Pen));
  for (const THead& h : heads) APainter.drawPolygon(HeadShape(h, APrim.Width, false));
}

void DrawText(QPainter& APainter, const TGlyphPrim& APrim) {
  QFont font(APrim.Flags & gfSerif ? QStringLiteral("Serif") : QStringLiteral("Sans"));
  font.setStyleHint(APrim.Flags & gfSerif ? QFont::Serif : QFont::SansSerif);
  font.setPixelSize(qMax(1, qRound(APrim.P[3])));
  font.setBold(APrim.Flags & gfBold);
  font.setItalic(APrim.Flags & gfItalic);
  // Hinting is for one size on one grid; the glyph is scaled, so outlines must not snap.
  font.setHintingPreference(QFont::PreferNoHinting);
  // Drawn as a path: text through a scaled painter keeps its shape at every size.
  QPainterPath path;
  path.addText(0, 0, font, APrim.Text);
  const QRectF bounds = path.boundingRect();
  const QRectF box(APrim.P[0], APrim.P[1], APrim.P[2], APrim.P[3]);
  path.translate(box.center() - bounds.center());
  APainter.setPen(Qt::NoPen);
  APainter.setBrush(Color(APrim.Fill));
  APainter.drawPath(path);
}

void DrawPrim(QPainter& APainter, const TGlyphPrim& APrim) {
  const std::vector<double>& p = APrim.P;
  APainter.setPen(PenOf(APrim));
  APainter.setBrush(BrushOf(APrim));
  switch (APrim.Op) {
    case goRect:
      APainter.drawRect(QRectF(p[0], p[1], p[2], p[3]));
      break;
    case goRound:
      APainter.drawRoundedRect(QRectF(p[0], p[1], p[2], p[3]), p[4], p[4]);
      break;
    case goEllipse:
      APainter.drawEllipse(QRectF(p[0], p[1], p[2], p[3]));
      break;
    case goPolygon:
      APainter.drawPolygon(Points(p));
      break;
    case goText:
      DrawText(APainter, APrim);
      break;
    case goLine:
    case goPolyline:
    case goPath: {
      QPainterPath path;
      if (APrim.Op == goPath) {
        path = PathOf(p);
      } else {
        path.addPolygon(Points(p));
      }
      StrokeWithHeads(APainter, path, APrim);
      break;
    }
  }
}

void PaintGlyph(QPainter& APainter, const QRectF& ABox, const TGlyph& AGlyph, QRgb AInk) {
  const QRgb outerInk = CurrentInk;
  CurrentInk = AInk;
  APainter.save();
  APainter.setRenderHint(QPainter::Antialiasing);
  APainter.translate(ABox.topLeft());
  APainter.scale(ABox.width() / Grid, ABox.height() / Grid);
  for (const TGlyphPrim& prim : AGlyph) DrawPrim(APainter, prim);
  APainter.restore();
  CurrentInk = outerInk;
}

// Disabled: grey, lighter and half transparent, as a flat theme shows an unavailable
// command.
QImage Disabled(const QImage& AImage) {
  QImage out = AImage.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      const QRgb c = row[x];
      const int grey = 96 + qGray(c) / 2;
      row[x] = qRgba(grey, grey, grey, qAlpha(c) * 9 / 20);
    }
  }
  return out;
}

class TEditorIconEngine final : public QIconEngine {
 public:
  TEditorIconEngine(QString AName, const TGlyph* AGlyph) : FName(std::move(AName)), FGlyph(AGlyph) {}

  void paint(QPainter* APainter, const QRect& ARect, QIcon::Mode AMode, QIcon::State AState) override {
    const qreal dpr = APainter->device() ? APainter->device()->devicePixelRatioF() : 1;
    APainter->drawPixmap(ARect, scaledPixmap(ARect.size() * dpr, AMode, AState, dpr));
  }

  QPixmap pixmap(const QSize& ASize, QIcon::Mode AMode, QIcon::State AState) override {
    return scaledPixmap(ASize, AMode, AState, 1);
  }

  // ASize counts the device's pixels (QIcon multiplies the logical size by AScale): the
  // glyph is painted at that resolution, not scaled up from the logical size.
  QPixmap scaledPixmap(const QSize& ASize, QIcon::Mode AMode, QIcon::State, qreal AScale) override {
    const QSize pixels = ASize;
    if (pixels.isEmpty()) return QPixmap();
    const bool disabled = AMode == QIcon::Disabled;
    const QRgb ink = InkFor(QGuiApplication::palette());
    const QString key = QStringLiteral("tarnwick-icon:%1:%2x%3:%4:%5")
                            .arg(FName)
                            .arg(pixels.width())
                            .arg(pixels.height())
                            .arg(disabled)
                            .arg(ink, 8, 16);
    QPixmap out;
    if (!QPixmapCache::find(key, &out)) {
      QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
      image.fill(Qt::transparent);
      {
        QPainter painter(&image);
        // Square glyphs stay square in an oblong box, centred.
        const double side = qMin(pixels.width(), pixels.height());
        PaintGlyph(painter, QRectF((pixels.width() - side) / 2, (pixels.height() - side) / 2, side, side), *FGlyph,
                   ink);
      }
      out = QPixmap::fromImage(disabled ? Disabled(image) : image);
      QPixmapCache::insert(key, out);
    }
    out.setDevicePixelRatio(AScale);
    return out;
  }

  QSize actualSize(const QSize& ASize, QIcon::Mode, QIcon::State) override { return ASize; }
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48)};
  }
  QIconEngine* clone() const override { return new TEditorIconEngine(FName, FGlyph); }
  QString key() const override { return QStringLiteral("tarnwick-editor-icon"); }
  QString iconName() override { return FName; }
  bool isNull() override { return false; }

 private:
  QString FName;
  const TGlyph* FGlyph;  // in the table, which lives as long as the program
};

}  // namespace

QIcon EditorIcon(QStringView AName) {
  const TGlyph* glyph = FindGlyph(AName);
  return glyph ? QIcon(new TEditorIconEngine(AName.toString(), glyph)) : QIcon();
}

QStringList EditorIconNames() {
  QStringList out;
  for (const TGlyphEntry& e : GlyphTable()) out << e.Name;
  return out;
}

bool PaintEditorIcon(QPainter& APainter, const QRectF& ABox, QStringView AName) {
  const TGlyph* glyph = FindGlyph(AName);
  if (!glyph) return false;
  PaintGlyph(APainter, ABox, *glyph, InkFor(QGuiApplication::palette()));
  return true;
}

}  // namespace tarnwick
