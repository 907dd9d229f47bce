#pragma once
// TUnknownGraphic: what a picture holds when a document names a graphic class this program
// does not know. It keeps the class name and the payload exactly as read, so saving the
// document writes them back and nothing is lost; it draws nothing and has no size.
#include <QByteArray>

#include "platform/gui/Graphic.h"

namespace tarnwick {

class TUnknownGraphic : public TGraphic {
  TARNWICK_CLASS(TUnknownGraphic)

 public:
  TUnknownGraphic() = default;

  void Assign(TPersistent* Source) override;

  bool GetEmpty() const override { return FData.isEmpty(); }
  int GetWidth() const override { return 0; }
  int GetHeight() const override { return 0; }
  void SetWidth(int) override {}
  void SetHeight(int) override {}
  void Draw(TCanvas&, const TRect&) override {}

  void LoadFromStream(TStream& Stream) override;
  void SaveToStream(TStream& Stream) override;

  QString GraphicClassName() const override { return FClassName; }
  void SetGraphicClassName(const QString& Value) { FClassName = Value; }
  const QByteArray& GetData() const { return FData; }

 private:
  QString FClassName;
  QByteArray FData;
};

}  // namespace tarnwick
