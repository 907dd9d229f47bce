#pragma once
// TMetafile: a vector picture in the enhanced or the older metafile format. The bytes are
// kept (and written back unchanged) so documents lose nothing, the size is read from the
// header, and drawing plays the records through the canvas's painter.
#include <QByteArray>

#include "platform/gui/Graphic.h"

namespace tarnwick {

class TMetafile : public TGraphic {
  TARNWICK_CLASS(TMetafile)

 public:
  TMetafile() = default;

  void Assign(TPersistent* Source) override;

  bool GetEmpty() const override { return FData.isEmpty(); }
  // In screen pixels (96 per inch), from the header's frame; settable, as a metafile's
  // nominal size is only a hint for placing it.
  int GetWidth() const override { return FWidth; }
  int GetHeight() const override { return FHeight; }
  void SetWidth(int Value) override;
  void SetHeight(int Value) override;
  // True for the enhanced format.
  bool GetEnhanced() const { return FEnhanced; }

  // Plays the picture scaled into Rect; bytes the player cannot read at all draw nothing,
  // and the first such attempt for each metafile logs UnsupportedMessage().
  void Draw(TCanvas& ACanvas, const TRect& Rect) override;
  // The picture drawn at its nominal size over transparency.
  QImage ToImage() const override;
  static QString UnsupportedMessage();

  // The metafile file, from the stream's position to its end; bytes that are neither
  // metafile format raise EInvalidGraphic.
  void LoadFromStream(TStream& Stream) override;
  void SaveToStream(TStream& Stream) override;
  // In object streams: a 4-byte count (4 plus the length of the bytes), then the bytes.
  void ReadData(TStream& Stream) override;
  void WriteData(TStream& Stream) override;

  const QByteArray& GetData() const { return FData; }
  void LoadFromBytes(const QByteArray& Bytes);

 private:
  QByteArray FData;
  int FWidth = 0;
  int FHeight = 0;
  bool FEnhanced = true;
  bool FWarned = false;
};

}  // namespace tarnwick
