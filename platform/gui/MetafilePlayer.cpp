#include "platform/gui/MetafilePlayer.h"

#include <cmath>

#include "platform/core/Math.h"
#include "platform/gui/ImageCodec.h"

namespace tarnwick::metafile {

namespace {
constexpr int ScreenPPI = 96;
}

bool ReadInfo(const QByteArray& Bytes, TMetafileInfo& AInfo) {
  const TByteView b(Bytes);
  AInfo = TMetafileInfo{};
  if (b.U32(0) == EMR_HEADER && b.U32(40) == EmfSignature) {
    const uint32_t size = b.U32(4);
    if (size < 88 || size > b.Size()) return false;
    AInfo.Enhanced = true;
    AInfo.Bounds = QRect(QPoint(b.I32(8), b.I32(12)), QPoint(b.I32(16), b.I32(20)));
    AInfo.Frame = QRect(QPoint(b.I32(24), b.I32(28)), QPoint(b.I32(32), b.I32(36)));
    AInfo.DevicePixels = QSize(b.I32(72), b.I32(76));
    AInfo.DeviceMillimeters = QSize(b.I32(80), b.I32(84));
    return !b.Failed();
  }
  int64_t at = 0;
  if (b.U32(0) == PlaceableKey) {
    AInfo.PlaceableBox = QRect(QPoint(b.I16(6), b.I16(8)), QPoint(b.I16(10) - 1, b.I16(12) - 1));
    AInfo.Inch = b.U16(14);
    at = 22;
  }
  const uint16_t type = b.U16(at), header = b.U16(at + 2);
  if ((type != 1 && type != 2) || header != 9 || b.Failed()) return false;
  return b.Has(at, 18);
}

QSize NominalSize(const TMetafileInfo& AInfo) {
  const auto clamp = [](int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, 0, INT32_MAX)); };
  if (AInfo.Enhanced) {
    // The frame is inclusive, in hundredths of a millimetre.
    const int64_t w = int64_t{AInfo.Frame.right()} - AInfo.Frame.left();
    const int64_t h = int64_t{AInfo.Frame.bottom()} - AInfo.Frame.top();
    return {MulDiv(clamp(w), ScreenPPI, 2540), MulDiv(clamp(h), ScreenPPI, 2540)};
  }
  if (AInfo.Inch <= 0) return {};
  const int64_t w = int64_t{AInfo.PlaceableBox.right()} + 1 - AInfo.PlaceableBox.left();
  const int64_t h = int64_t{AInfo.PlaceableBox.bottom()} + 1 - AInfo.PlaceableBox.top();
  return {MulDiv(clamp(w), ScreenPPI, AInfo.Inch), MulDiv(clamp(h), ScreenPPI, AInfo.Inch)};
}

bool Play(QPainter& APainter, const QByteArray& ABytes, const QRectF& ATarget) {
  TMetafileInfo info;
  if (!APainter.isActive() || !ReadInfo(ABytes, info)) return false;
  if (!std::isfinite(ATarget.width()) || !std::isfinite(ATarget.height()) || ATarget.isEmpty()) return true;
  const TByteView bytes(ABytes);
  return info.Enhanced ? detail::PlayEmf(APainter, bytes, info, ATarget)
                       : detail::PlayWmf(APainter, bytes, info, ATarget);
}

QImage Render(const QByteArray& ABytes, const QSize& ASize) {
  if (ASize.isEmpty() || !imagecodec::SizeAllowed(ASize.width(), ASize.height())) return {};
  QImage image(ASize, QImage::Format_ARGB32_Premultiplied);
  if (image.isNull()) return {};
  image.fill(Qt::transparent);
  QPainter painter(&image);
  if (!Play(painter, ABytes, QRectF(QPointF(0, 0), QSizeF(ASize)))) return {};
  painter.end();
  return image;
}

namespace detail {

std::pair<TByteView, TByteView> SplitPackedDib(const TByteView& ADib) {
  const uint32_t header = ADib.U32(0);
  int64_t infoSize;
  if (header == 12) {
    const int bits = ADib.U16(10);
    infoSize = 12 + (bits <= 8 ? (int64_t{1} << bits) * 3 : 0);
  } else if (header >= 40 && header <= 1024) {
    const int bits = ADib.U16(14);
    const uint32_t compression = ADib.U32(16);
    int64_t colors = ADib.U32(32);
    if (colors == 0 && bits <= 8) colors = int64_t{1} << bits;
    if (bits > 8 && colors > 0) colors = std::min<int64_t>(colors, 256);
    infoSize = header + std::min<int64_t>(colors, 256) * 4 + (compression == 3 && header == 40 ? 12 : 0);
  } else {
    return {};
  }
  if (ADib.Failed() || infoSize > ADib.Size()) return {};
  return {ADib.Sub(0, infoSize), ADib.Sub(infoSize, ADib.Size() - infoSize)};
}

}  // namespace detail

}  // namespace tarnwick::metafile
