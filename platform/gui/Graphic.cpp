#include "platform/gui/Graphic.h"

#include "platform/core/Filer.h"
#include "platform/core/Stream.h"

namespace tarnwick {

const TClassInfo& TGraphic::StaticClassInfo() {
  static const TClassInfo info("TGraphic", &TPersistent::StaticClassInfo(), {});
  return info;
}

void TGraphic::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  Changed();
}

void TGraphic::LoadFromFile(const QString& FileName) {
  TFileStream stream(FileName, fmOpenRead);
  LoadFromStream(stream);
}

void TGraphic::SaveToFile(const QString& FileName) {
  TFileStream stream(FileName, fmCreate);
  SaveToStream(stream);
}

void TGraphic::ReadData(TStream& Stream) { LoadFromStream(Stream); }

void TGraphic::WriteData(TStream& Stream) { SaveToStream(Stream); }

void TGraphic::DefineProperties(TFiler* Filer) {
  Filer->DefineBinaryProperty(
      QStringLiteral("Data"), [this](TStream& s) { ReadData(s); }, [this](TStream& s) { WriteData(s); },
      !GetEmpty());
}

void TGraphic::Changed() {
  FModified = true;
  Fire(OnChange, this);
}

}  // namespace tarnwick
