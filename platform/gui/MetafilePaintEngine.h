#pragma once
// The paint engine and device that record a painting as a metafile, so the painting
// pipeline draws into a metafile as it draws onto the screen. The engine keeps Qt's state
// (transform, pen, brush, font, clip) and hands each primitive, in device pixels, to a
// sink that writes one of the two formats. What the formats cannot express (alpha,
// gradients, textures under a transform, constant opacity) is left to Qt, which draws
// those primitives into images and hands the engine bitmaps instead: they are never
// dropped.
#include <QFont>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <memory>
#include <optional>

namespace tarnwick::metafile {

class TMetafileSink {
 public:
  virtual ~TMetafileSink() = default;
  virtual void Begin() = 0;
  virtual void End() = 0;
  // A path in device pixels: filled with ABrush (Qt::NoBrush: not filled) and stroked with
  // APen (Qt::NoPen: not stroked), whose width is in device pixels.
  virtual void Path(const QPainterPath& ADevice, const QPen& APen, const QBrush& ABrush) = 0;
  // A bitmap into an axis-aligned device rectangle.
  virtual void Image(const QRectF& ADevice, const QImage& AImage) = 0;
  // Text at APos (painter coordinates, on the baseline) drawn through ATransform, with the
  // font's pixel size APixelSize in the same coordinates.
  virtual void Text(const QPointF& APos, const QString& AText, const QFont& AFont, double APixelSize,
                    const QTransform& ATransform, const QColor& AColor) = 0;
  // The clip in device pixels; none when nothing is clipped.
  virtual void Clip(const std::optional<QPainterPath>& ADevice) = 0;
  virtual void Background(bool AOpaque, const QColor& AColor) = 0;
};

class TMetafilePaintEngine : public QPaintEngine {
 public:
  explicit TMetafilePaintEngine(TMetafileSink& ASink);

  bool begin(QPaintDevice* ADevice) override;
  bool end() override;
  void updateState(const QPaintEngineState& AState) override;
  void drawPath(const QPainterPath& APath) override;
  void drawPolygon(const QPointF* APoints, int ACount, PolygonDrawMode AMode) override;
  void drawPixmap(const QRectF& ARect, const QPixmap& APixmap, const QRectF& ASource) override;
  void drawImage(const QRectF& ARect, const QImage& AImage, const QRectF& ASource,
                 Qt::ImageConversionFlags AFlags = Qt::AutoColor) override;
  void drawTextItem(const QPointF& APos, const QTextItem& AItem) override;
  Type type() const override { return User; }

 private:
  QPen DevicePen() const;
  void SendClip();

  TMetafileSink& FSink;
  QPaintDevice* FDevice = nullptr;
  QTransform FTransform;
  QPen FPen;
  QBrush FBrush;
  QFont FFont;
  bool FClipEnabled = false;
  std::optional<QPainterPath> FClip;  // device pixels
  std::optional<QPainterPath> FSentClip;
  bool FClipSent = false;
};

// A paint device of the given size in pixels (96 per inch) whose engine writes into a sink.
class TMetafileDevice : public QPaintDevice {
 public:
  TMetafileDevice(QSize ASize, TMetafileSink& ASink);
  ~TMetafileDevice() override;
  QPaintEngine* paintEngine() const override { return FEngine.get(); }

 protected:
  int metric(PaintDeviceMetric AMetric) const override;

 private:
  QSize FSize;
  std::unique_ptr<TMetafilePaintEngine> FEngine;
};

}  // namespace tarnwick::metafile
