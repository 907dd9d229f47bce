#include "platform/gui/UnknownGraphic.h"

#include "platform/core/Stream.h"

namespace tarnwick {

const TClassInfo& TUnknownGraphic::StaticClassInfo() {
  static const TClassInfo info("TUnknownGraphic", &TGraphic::StaticClassInfo(), {},
                               [](TComponent*) -> TPersistent* { return Create<TUnknownGraphic>(); });
  return info;
}

void TUnknownGraphic::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TUnknownGraphic*>(Source);
  if (!src) {
    TPersistent::Assign(Source);
    return;
  }
  if (src == this) return;
  FClassName = src->FClassName;
  FData = src->FData;
  Changed();
}

void TUnknownGraphic::LoadFromStream(TStream& Stream) {
  FData = Stream.ReadAll();
  Changed();
}

void TUnknownGraphic::SaveToStream(TStream& Stream) { Stream.WriteBuffer(FData); }

}  // namespace tarnwick
