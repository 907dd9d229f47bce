#include "platform/gui/MetafilePaintEngine.h"

#include <QPainter>
#include <QPixmap>
#include <QTextItem>
#include <cmath>

#include "platform/gui/ImageCodec.h"

namespace tarnwick::metafile {

namespace {

// Plain records can carry solid and hatched fills, patterns, paths, transforms, clipping
// and bitmaps; everything else Qt draws into bitmaps for us. Anti-aliasing is claimed:
// it is a rendering quality of whoever plays the file, not something to bake into pixels.
constexpr QPaintEngine::PaintEngineFeatures Features = QPaintEngine::PrimitiveTransform |
                                                       QPaintEngine::PixmapTransform | QPaintEngine::PainterPaths |
                                                       QPaintEngine::Antialiasing | QPaintEngine::PatternBrush;

double Scale(const QTransform& T) { return std::sqrt(std::abs(T.determinant())); }

// Bitmaps drawn under a rotation or shear are turned into an upright bitmap of the area
// they cover, at most this many pixels on a side.
constexpr int MaxRotatedSide = 4096;

}  // namespace

TMetafilePaintEngine::TMetafilePaintEngine(TMetafileSink& ASink) : QPaintEngine(Features), FSink(ASink) {}

bool TMetafilePaintEngine::begin(QPaintDevice* ADevice) {
  FDevice = ADevice;
  FTransform = QTransform();
  FClip.reset();
  FClipEnabled = false;
  FClipSent = false;
  FSink.Begin();
  setActive(true);
  return true;
}

bool TMetafilePaintEngine::end() {
  FSink.End();
  setActive(false);
  return true;
}

void TMetafilePaintEngine::updateState(const QPaintEngineState& S) {
  const DirtyFlags flags = S.state();
  if (flags & DirtyTransform) FTransform = S.transform();
  if (flags & DirtyPen) FPen = S.pen();
  if (flags & DirtyBrush) FBrush = S.brush();
  if (flags & DirtyFont) FFont = S.font();
  if (flags & (DirtyBackground | DirtyBackgroundMode))
    FSink.Background(S.backgroundMode() == Qt::OpaqueMode, S.backgroundBrush().color());
  bool clipChanged = false;
  if (flags & DirtyClipEnabled) {
    FClipEnabled = S.isClipEnabled();
    clipChanged = true;
  }
  if (flags & (DirtyClipPath | DirtyClipRegion)) {
    QPainterPath logical;
    if (flags & DirtyClipPath) {
      logical = S.clipPath();
    } else {
      logical.addRegion(S.clipRegion());
    }
    const QPainterPath device = FTransform.map(logical);
    switch (S.clipOperation()) {
      case Qt::NoClip:
        FClip.reset();
        break;
      case Qt::IntersectClip:
        FClip = FClip ? FClip->intersected(device) : device;
        break;
      default:
        FClip = device;
        break;
    }
    FClipEnabled = S.clipOperation() != Qt::NoClip;
    clipChanged = true;
  }
  if (clipChanged) SendClip();
}

void TMetafilePaintEngine::SendClip() {
  std::optional<QPainterPath> clip = FClipEnabled ? FClip : std::nullopt;
  if (FClipSent && clip.has_value() == FSentClip.has_value() && (!clip || *clip == *FSentClip)) return;
  FSink.Clip(clip);
  FSentClip = clip;
  FClipSent = true;
}

QPen TMetafilePaintEngine::DevicePen() const {
  QPen pen = FPen;
  if (pen.style() == Qt::NoPen) return pen;
  // Cosmetic pens keep their width on the device; others grow with the transform.
  if (!pen.isCosmetic()) pen.setWidthF(pen.widthF() * Scale(FTransform));
  return pen;
}

void TMetafilePaintEngine::drawPath(const QPainterPath& APath) {
  if (APath.isEmpty()) return;
  FSink.Path(FTransform.map(APath), DevicePen(), FBrush);
}

void TMetafilePaintEngine::drawPolygon(const QPointF* APoints, int ACount, PolygonDrawMode AMode) {
  if (ACount < 2) return;
  QPainterPath path;
  path.moveTo(APoints[0]);
  for (int i = 1; i < ACount; ++i) path.lineTo(APoints[i]);
  if (AMode == PolylineMode) {
    FSink.Path(FTransform.map(path), DevicePen(), Qt::NoBrush);
    return;
  }
  path.closeSubpath();
  path.setFillRule(AMode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
  FSink.Path(FTransform.map(path), DevicePen(), FBrush);
}

void TMetafilePaintEngine::drawPixmap(const QRectF& ARect, const QPixmap& APixmap, const QRectF& ASource) {
  drawImage(ARect, APixmap.toImage(), ASource);
}

void TMetafilePaintEngine::drawImage(const QRectF& ARect, const QImage& AImage, const QRectF& ASource,
                                     Qt::ImageConversionFlags) {
  if (AImage.isNull() || ARect.isEmpty()) return;
  const QRect source = ASource.toAlignedRect().intersected(AImage.rect());
  if (source.isEmpty()) return;
  const QImage part = source == AImage.rect() ? AImage : AImage.copy(source);
  if (FTransform.type() <= QTransform::TxScale && FTransform.m11() > 0 && FTransform.m22() > 0) {
    FSink.Image(FTransform.mapRect(ARect), part);
    return;
  }
  // Rotated, sheared or mirrored: draw it upright into the area it covers.
  const QRectF area = FTransform.mapRect(ARect);
  if (area.isEmpty() || !std::isfinite(area.width()) || !std::isfinite(area.height())) return;
  const double k = std::min(1.0, MaxRotatedSide / std::max(area.width(), area.height()));
  const QSize size(std::max(1, int(std::ceil(area.width() * k))), std::max(1, int(std::ceil(area.height() * k))));
  if (!imagecodec::SizeAllowed(size.width(), size.height())) return;
  QImage upright(size, QImage::Format_ARGB32_Premultiplied);
  upright.fill(Qt::transparent);
  {
    QPainter p(&upright);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setTransform(FTransform * QTransform::fromTranslate(-area.left(), -area.top()) * QTransform::fromScale(k, k));
    p.drawImage(ARect, part);
  }
  FSink.Image(area, upright);
}

void TMetafilePaintEngine::drawTextItem(const QPointF& APos, const QTextItem& AItem) {
  const QString text = AItem.text();
  if (text.isEmpty()) return;
  QFont font = AItem.font();
  double pixels = font.pixelSize();
  if (pixels <= 0) pixels = font.pointSizeF() * (FDevice ? FDevice->logicalDpiY() : 96) / 72.0;
  // Underline and strike-out may come as flags of the item rather than of the font.
  if (AItem.renderFlags() & QTextItem::Underline) font.setUnderline(true);
  if (AItem.renderFlags() & QTextItem::StrikeOut) font.setStrikeOut(true);
  FSink.Text(APos, text, font, pixels, FTransform, FPen.color());
}

// --- the device ----------------------------------------------------------------------

TMetafileDevice::TMetafileDevice(QSize ASize, TMetafileSink& ASink)
    : FSize(ASize), FEngine(std::make_unique<TMetafilePaintEngine>(ASink)) {}

TMetafileDevice::~TMetafileDevice() = default;

int TMetafileDevice::metric(PaintDeviceMetric AMetric) const {
  switch (AMetric) {
    case PdmWidth:
      return FSize.width();
    case PdmHeight:
      return FSize.height();
    case PdmWidthMM:
      return static_cast<int>(std::lround(FSize.width() * 25.4 / 96));
    case PdmHeightMM:
      return static_cast<int>(std::lround(FSize.height() * 25.4 / 96));
    case PdmNumColors:
      return 0x7FFFFFFF;
    case PdmDepth:
      return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
      return 96;
    case PdmDevicePixelRatio:
      return 1;
    case PdmDevicePixelRatioScaled:
      return static_cast<int>(devicePixelRatioFScale());
    default:
      return QPaintDevice::metric(AMetric);
  }
}

}  // namespace tarnwick::metafile
