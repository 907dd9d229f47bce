#pragma once
// TPicture: holds one graphic of any registered class (bitmap, encoded image, metafile...),
// chooses the class when loading a file or stream, and carries it in object streams as the
// graphic's class name followed by the graphic's own payload.
#include <QString>

#include "platform/core/Events.h"
#include "platform/core/Object.h"
#include "platform/core/Persistent.h"
#include "platform/gui/Graphic.h"

namespace tarnwick {

class TBitmap;
class TStream;

class TPicture : public TPersistent {
  TARNWICK_CLASS(TPicture)

 public:
  TPicture();
  ~TPicture() override;

  // From a picture: a copy of its graphic (or nothing). From a graphic: a copy of it.
  // From nullptr: no graphic.
  void Assign(TPersistent* Source) override;

  TGraphic* GetGraphic() const { return FGraphic.get(); }
  // Holds a copy of Value, of Value's class; nullptr removes the graphic.
  void SetGraphic(TGraphic* Value);
  // The graphic as a bitmap: a graphic of another class is replaced by a bitmap of its
  // pixels (an empty bitmap when it has none), so the result can be drawn on.
  TBitmap* GetBitmap();
  int GetWidth() const { return FGraphic ? FGraphic->GetWidth() : 0; }
  int GetHeight() const { return FGraphic ? FGraphic->GetHeight() : 0; }
  bool GetEmpty() const { return !FGraphic || FGraphic->GetEmpty(); }

  // The class comes from the file's extension; when the extension is unknown, or names a
  // platform format the bytes are not in, from the bytes themselves. Raises EInvalidGraphic
  // ("Unknown picture file extension (.xyz)") when neither tells; a graphic that fails to
  // load leaves the picture as it was.
  void LoadFromFile(const QString& FileName);
  void SaveToFile(const QString& FileName);
  // The class comes from the bytes; raises EInvalidGraphic "Unknown picture format".
  void LoadFromStream(TStream& Stream);
  void SaveToStream(TStream& Stream);

  // The binary "Data" property, written whenever the picture holds a graphic: the class
  // name as a short string, then the graphic's payload. A class name this program does not
  // know is kept, with its payload, in a TUnknownGraphic.
  void DefineProperties(TFiler* Filer) override;
  void ReadData(TStream& Stream);
  void WriteData(TStream& Stream);

  TNotifyEvent OnChange;

 protected:
  // A graphic being assigned a picture receives the picture's graphic.
  void AssignTo(TPersistent* Dest) override;
  virtual void Changed();

 private:
  void Adopt(TGraphic* NewGraphic);

  TOwned<TGraphic> FGraphic;
};

}  // namespace tarnwick
