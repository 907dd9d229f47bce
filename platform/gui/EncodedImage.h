#pragma once
// Graphics that keep an image file exactly as it was loaded (PNG, JPEG, GIF, TIFF...) and
// decode it once for drawing. Saving writes the original bytes back unchanged, so a picture
// survives any number of load/save rounds bit for bit. Each format keeps its own class,
// because a picture stores the class name in front of the payload.
#include <QByteArray>
#include <QImage>

#include "platform/gui/Graphic.h"

namespace tarnwick {

class TEncodedImage : public TGraphic {
  TARNWICK_CLASS(TEncodedImage)

 public:
  // From the same class: shares the bytes. From another graphic with pixels (a bitmap, an
  // image of another format): encodes them in this format (raises EInvalidGraphic where
  // the format has no encoder). From nullptr: empty.
  void Assign(TPersistent* Source) override;

  bool GetEmpty() const override { return FData.isEmpty(); }
  int GetWidth() const override { return FImage.width(); }
  int GetHeight() const override { return FImage.height(); }
  // An encoded image cannot be resized in place: raises EInvalidGraphicOperation.
  void SetWidth(int Value) override;
  void SetHeight(int Value) override;

  void Draw(TCanvas& ACanvas, const TRect& Rect) override;

  // Everything from the stream's position to its end is the file. Damaged or oversized
  // images raise EInvalidGraphic and leave the graphic as it was.
  void LoadFromStream(TStream& Stream) override;
  void SaveToStream(TStream& Stream) override;
  // The payload inside a picture: the plain file, or (for formats that store it that way)
  // a 4-byte length first. Reading accepts both forms.
  void ReadData(TStream& Stream) override;
  void WriteData(TStream& Stream) override;

  QImage ToImage() const override { return FImage; }
  const QByteArray& GetData() const { return FData; }
  void LoadFromBytes(const QByteArray& Bytes);

  // The format's name in messages, its Qt encoder name (empty: cannot encode), and whether
  // its payload carries a length prefix.
  virtual QString FormatName() const = 0;
  virtual const char* QtFormat() const = 0;
  virtual bool LengthPrefixedData() const = 0;

 protected:
  TEncodedImage() = default;

 private:
  QByteArray FData;
  QImage FImage;
};

class TPngImage final : public TEncodedImage {
  TARNWICK_CLASS(TPngImage)

 public:
  QString FormatName() const override { return QStringLiteral("PNG"); }
  const char* QtFormat() const override { return "png"; }
  bool LengthPrefixedData() const override { return false; }
};

class TJPEGImage final : public TEncodedImage {
  TARNWICK_CLASS(TJPEGImage)

 public:
  QString FormatName() const override { return QStringLiteral("JPEG"); }
  const char* QtFormat() const override { return "jpeg"; }
  bool LengthPrefixedData() const override { return true; }
};

// Qt reads GIF but cannot write it: a GIF can be loaded, kept and saved as loaded, but not
// made from other pixels.
class TGIFImage final : public TEncodedImage {
  TARNWICK_CLASS(TGIFImage)

 public:
  QString FormatName() const override { return QStringLiteral("GIF"); }
  const char* QtFormat() const override { return ""; }
  bool LengthPrefixedData() const override { return false; }
};

// The general imaging class: TIFF files, and any other format the image readers know that
// has no class of its own. New images made from pixels are encoded as TIFF.
class TTiffImage final : public TEncodedImage {
  TARNWICK_CLASS(TTiffImage)

 public:
  QString FormatName() const override { return QStringLiteral("TIFF"); }
  const char* QtFormat() const override { return "tiff"; }
  bool LengthPrefixedData() const override { return true; }
};

}  // namespace tarnwick
