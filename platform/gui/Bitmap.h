#pragma once
// TBitmap: a raster picture held as a QImage, with a canvas for drawing on it, stored in
// object streams and files as a BMP file.
#include <QByteArray>
#include <QImage>
#include <memory>

#include "platform/core/Colors.h"
#include "platform/core/TypeInfo.h"
#include "platform/gui/Graphic.h"

class QPainter;

namespace tarnwick {

class TCanvas;

// The colour depth a bitmap is saved with. Drawing always happens in 32 bits; pf32bit keeps
// an alpha channel, the others are opaque.
enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TTransparentMode { tmAuto, tmFixed };

const TEnumTypeInfo& PixelFormatType();

class TBitmap : public TGraphic {
  TARNWICK_CLASS(TBitmap)

 public:
  TBitmap();
  ~TBitmap() override;

  // From another TBitmap: a copy of its pixels and settings. From any other graphic with
  // a raster form (an encoded image): its pixels. From nullptr: empty.
  void Assign(TPersistent* Source) override;

  bool GetEmpty() const override { return FWidth == 0 || FHeight == 0; }
  int GetWidth() const override { return FWidth; }
  int GetHeight() const override { return FHeight; }
  void SetWidth(int Value) override { SetSize(Value, FHeight); }
  void SetHeight(int Value) override { SetSize(FWidth, Value); }
  // Keeps the pixels that stay inside; new pixels are white. Raises EOutOfResources above
  // the image size cap; negative sizes count as 0.
  void SetSize(int Width, int Height);

  // A canvas drawing on the bitmap; drawing on it changes the bitmap.
  TCanvas* GetCanvas();

  TPixelFormat GetPixelFormat() const { return FPixelFormat; }
  void SetPixelFormat(TPixelFormat Value);

  // The colour left out when Transparent is set: in tmAuto the bottom-left pixel's (clDefault
  // for an empty bitmap), in tmFixed the colour set here. Setting it selects tmFixed.
  TColor GetTransparentColor() const;
  void SetTransparentColor(TColor Value);
  TTransparentMode GetTransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(TTransparentMode Value);

  void Draw(TCanvas& ACanvas, const TRect& Rect) override;

  // A BMP file. Loading reads the length the file header declares (or to the end of the
  // stream when that is unusable) and raises EInvalidGraphic for anything that is not a
  // readable BMP; the bytes loaded are saved back unchanged until the pixels change.
  void LoadFromStream(TStream& Stream) override;
  void SaveToStream(TStream& Stream) override;
  // In object streams: a 4-byte byte count, then the BMP file (count 0: empty).
  void ReadData(TStream& Stream) override;
  void WriteData(TStream& Stream) override;

  QImage ToImage() const override { return GetImage(); }
  // The pixels (ends any drawing in progress on the bitmap's canvas first).
  const QImage& GetImage() const;
  void SetImage(const QImage& Image);
  // The BMP file of the bitmap.
  QByteArray SaveToBytes() const;
  void LoadFromBytes(const QByteArray& Bytes);

 protected:
  void Changed() override;

 private:
  class TBitmapCanvas;
  void BeginPaint(QPainter& Painter);
  void ReleaseCanvas() const;
  void Clear();
  QImage::Format WorkingFormat() const;

  int FWidth = 0;
  int FHeight = 0;
  QImage FImage;
  QByteArray FEncoded;  // the BMP loaded, while the pixels are unchanged
  TPixelFormat FPixelFormat = pfDevice;
  TTransparentMode FTransparentMode = tmAuto;
  TColor FTransparentColor = clDefault;
  std::unique_ptr<TBitmapCanvas> FCanvas;
  mutable QImage FMasked;  // the image with the transparent colour cleared, built on first draw
  mutable TColor FMaskedColor = clNone;
};

}  // namespace tarnwick
