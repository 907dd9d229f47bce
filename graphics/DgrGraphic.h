#pragma once
// TDgrGraphic: an image file kept as its encoded bytes (PNG, JPEG, GIF, TIFF, ...) that a
// drawing engine decodes itself, and TDgrImage, an engine's decoded image.
#include <QImage>

#include "geometry/Dot.h"
#include "platform/core/Object.h"
#include "platform/core/Stream.h"
#include "platform/gui/Graphic.h"

namespace tarnwick {

class TDgrImage : public TObject {
 public:
  ~TDgrImage() override = default;
};

class TDgrGraphic : public TGraphic {
  TARNWICK_CLASS(TDgrGraphic)

 public:
  TDgrGraphic();
  ~TDgrGraphic() override;

  // Marks the graphic empty first. nullptr clears it; another engine graphic gives its
  // bytes; a platform graphic or picture saves its file bytes into this one (and its
  // Transparent flag). The image sizes are read afterwards.
  void Assign(TPersistent* Source) override;

  bool GetEmpty() const override { return FIsEmpty; }
  int GetWidth() const override { return FWidth; }
  int GetHeight() const override { return FHeight; }
  void SetWidth(int Value) override { FWidth = Value; }
  void SetHeight(int Value) override { FHeight = Value; }

  // Nothing when empty; otherwise the decoded image scaled into Rect of the platform canvas.
  void Draw(TCanvas& ACanvas, const TRect& Rect) override;
  // Any error leaves the graphic empty and is not reported.
  void LoadFromFile(const QString& FileName) override;
  // From the stream's position to its end, in chunks of a megabyte.
  void LoadFromStream(TStream& Stream) override;
  void SaveToStream(TStream& Stream) override;
  void ReadData(TStream& Stream) override;
  void WriteData(TStream& Stream) override;
  QImage ToImage() const override;

  // False when empty or without bytes; otherwise the decoded width and height are stored.
  bool GetImageSizes();
  const TMemoryStream& Datastream() const { return *FDatastream; }

 protected:
  // Draws the decoded image into ARect of a platform canvas; nothing at this level.
  virtual void DrawGraphic(TCanvas& ACanvas, const TSquare& ARect);
  // Decodes enough to set Width and Height; true on success.
  virtual bool ReadImageSizes();
  void Changed() override;
  // The decoded pixels (32-bit ARGB), made once per change; null when the bytes do not
  // decode. Engines keep their own derived images on top of it.
  const QImage& Decoded() const;

 private:
  void CopyFrom(TStream& Stream);
  // New bytes: the pixels of the old ones must not be reported or drawn again.
  void DropDecoded();

  TOwned<TMemoryStream> FDatastream;
  bool FIsEmpty = true;
  int FWidth = 0;
  int FHeight = 0;
  mutable QImage FDecoded;
  mutable bool FDecodeTried = false;
};

}  // namespace tarnwick
