#pragma once
// Writes metafiles in the older format (with a placeable header) from what a QPainter
// draws on a TMetafileDevice. Its coordinates have 16 bits: the picture is scaled so its
// larger side fits, curves are flattened, geometry reaching far outside the picture is cut
// to it, clipping is by rectangle, text is single-byte, and bitmaps with transparency are
// drawn through a mask. A picture too large for any useful scale is refused.
#include <QByteArray>
#include <QSize>
#include <functional>
#include <vector>

#include "platform/gui/MetafileFormat.h"
#include "platform/gui/MetafilePaintEngine.h"

class QPainter;

namespace tarnwick::metafile {

class TWmfWriter : public TMetafileSink {
 public:
  // Raises Exception (with WmfTooLargeMessage) when APixels cannot be expressed.
  explicit TWmfWriter(QSize APixels);

  const QByteArray& Bytes() const { return FOut.Bytes(); }
  // Logical units per pixel, and per inch (96 pixels).
  double Scale() const { return FInch / 96.0; }
  int Inch() const { return FInch; }

  void Begin() override;
  void End() override;
  void Path(const QPainterPath& ADevice, const QPen& APen, const QBrush& ABrush) override;
  void Image(const QRectF& ADevice, const QImage& AImage) override;
  void Text(const QPointF& APos, const QString& AText, const QFont& AFont, double APixelSize,
            const QTransform& ATransform, const QColor& AColor) override;
  void Clip(const std::optional<QPainterPath>& ADevice) override;
  void Background(bool AOpaque, const QColor& AColor) override;

  // The largest side, in pixels, a picture in this format may have.
  static constexpr int MaxSide = 32000;

 private:
  void Record(uint16_t AFunction, std::initializer_list<int> AWords);
  void Record(uint16_t AFunction, const QByteArray& ABody);
  int16_t X(double V) const;
  int NewSlot();
  void Delete(int ASlot);
  void SelectPen(const QPen& APen);
  void SelectBrush(const QBrush& ABrush);
  void ResetObjects();
  void Polygons(const QList<QPolygonF>& APolygons, bool AClosed);
  void StretchDib(const QRectF& ADevice, const QImage& AImage, uint32_t ARop);

  QSize FPixels;
  int FInch;
  TByteWriter FOut;
  uint32_t FMaxRecord = 0;
  std::vector<bool> FSlots;
  // The permanent objects selected whenever nothing else is: a null pen, a null brush, a
  // default font.
  int FNullPen = -1, FNullBrush = -1, FDefaultFont = -1;
  int FPen = -1, FBrush = -1;
  QPen FPenKey;
  QBrush FBrushKey;
  bool FPenKnown = false, FBrushKnown = false;
  bool FClipSaved = false;
  bool FEnded = false;
};

// The message a picture too large for the format is refused with.
QString WmfTooLargeMessage(QSize APixels);

// Paints with APaint on a metafile device of ASize and returns the older-format metafile.
QByteArray RecordWmf(QSize ASize, const std::function<void(QPainter&)>& APaint);

}  // namespace tarnwick::metafile
