#pragma once
// TGraphic: the abstract picture (raster bitmap, encoded image file, metafile) that pictures
// hold, canvases draw and object streams carry as a binary "Data" property.
#include <QImage>
#include <QString>

#include "platform/core/Events.h"
#include "platform/core/Persistent.h"
#include "platform/core/Types.h"

namespace tarnwick {

class TCanvas;
class TStream;

class TGraphic : public TPersistent {
  TARNWICK_CLASS(TGraphic)

 public:
  virtual bool GetEmpty() const = 0;
  virtual int GetWidth() const = 0;
  virtual int GetHeight() const = 0;
  virtual void SetWidth(int Value) = 0;
  virtual void SetHeight(int Value) = 0;
  // Whether one colour of the picture (for raster bitmaps, the bottom-left pixel's) is
  // left out when it is drawn.
  virtual bool GetTransparent() const { return FTransparent; }
  virtual void SetTransparent(bool Value);
  // Set by every change; cleared only by whoever saved the graphic.
  bool GetModified() const { return FModified; }
  void SetModified(bool Value) { FModified = Value; }

  // Draws the whole picture scaled into Rect (right and bottom exclusive).
  virtual void Draw(TCanvas& ACanvas, const TRect& Rect) = 0;

  // The graphic's own file format, from the stream's position to the end of the picture.
  virtual void LoadFromStream(TStream& Stream) = 0;
  virtual void SaveToStream(TStream& Stream) = 0;
  virtual void LoadFromFile(const QString& FileName);
  virtual void SaveToFile(const QString& FileName);

  // The payload of the graphic inside an object stream (a picture writes the class name
  // first, then this). By default the plain file format.
  virtual void ReadData(TStream& Stream);
  virtual void WriteData(TStream& Stream);
  // Adds the binary "Data" property, written when the graphic is not empty.
  void DefineProperties(TFiler* Filer) override;

  // The picture as pixels, for conversions between graphic classes and for drawing
  // engines; a null image when the graphic has no raster form.
  virtual QImage ToImage() const { return {}; }
  // The class name a picture writes before the payload.
  virtual QString GraphicClassName() const { return ClassName(); }

  TNotifyEvent OnChange;

 protected:
  TGraphic() = default;
  // Marks the graphic modified and fires OnChange.
  virtual void Changed();

  bool FTransparent = false;
  bool FModified = false;
};

}  // namespace tarnwick
