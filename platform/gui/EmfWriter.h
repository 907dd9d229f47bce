#pragma once
// Writes enhanced metafiles from what a QPainter draws on a TMetafileDevice. Coordinates
// are written at a sixteenth of a pixel (the window is sixteen times the viewport), text
// is drawn through a world transform inside a saved state, and bitmaps with alpha go into
// alpha-blend records.
#include <QByteArray>
#include <QSize>
#include <functional>
#include <vector>

#include "platform/gui/MetafileFormat.h"
#include "platform/gui/MetafilePaintEngine.h"

class QPainter;

namespace tarnwick::metafile {

class TEmfWriter : public TMetafileSink {
 public:
  // The picture is APixels at 96 pixels per inch; ADescription goes into the header.
  explicit TEmfWriter(QSize APixels, const QString& ADescription = QStringLiteral("Tarnwick"));

  // The whole file once painting has ended.
  const QByteArray& Bytes() const { return FOut.Bytes(); }

  void Begin() override;
  void End() override;
  void Path(const QPainterPath& ADevice, const QPen& APen, const QBrush& ABrush) override;
  void Image(const QRectF& ADevice, const QImage& AImage) override;
  void Text(const QPointF& APos, const QString& AText, const QFont& AFont, double APixelSize,
            const QTransform& ATransform, const QColor& AColor) override;
  void Clip(const std::optional<QPainterPath>& ADevice) override;
  void Background(bool AOpaque, const QColor& AColor) override;

  // Logical units per device pixel.
  static constexpr int Subpixels = 16;

 private:
  void Record(uint32_t AType, const QByteArray& ABody);
  void Record(uint32_t AType, std::initializer_list<int32_t> AValues);
  void PathRecords(const QPainterPath& ADevice);
  void SelectPen(const QPen& APen);
  void SelectBrush(const QBrush& ABrush);
  uint32_t NewHandle();
  void FreeHandle(uint32_t AHandle);
  void Touch(const QRectF& ADevice);

  QSize FPixels;
  QString FDescription;
  TByteWriter FOut;
  int FRecords = 0;
  std::vector<bool> FHandles{true};  // slot 0 is the metafile itself
  uint32_t FPen = 0, FBrush = 0;     // 0: a stock object is selected
  QPen FPenKey{Qt::black};
  QBrush FBrushKey{Qt::white};
  bool FPenKnown = false, FBrushKnown = false;
  QRectF FBounds;
  bool FEnded = false;
};

// Paints with APaint on a metafile device of ASize and returns the enhanced metafile.
QByteArray RecordEmf(QSize ASize, const std::function<void(QPainter&)>& APaint);

// The pieces both writers share: a COLORREF, and a brush's 8 x 8 (or texture) pattern.
uint32_t ColorRefOf(const QColor& AColor);
QImage PatternImage(const QBrush& ABrush);

}  // namespace tarnwick::metafile
