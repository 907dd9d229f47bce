#include "graphics/gdiplus/GdipPicture.h"

namespace tarnwick {

const TClassInfo& TGdipPicture::StaticClassInfo() {
  static const TClassInfo info("TGdipPicture", &TDgrPicture::StaticClassInfo(), {},
                               [](TComponent*) -> TPersistent* { return Create<TGdipPicture>(); });
  return info;
}

}  // namespace tarnwick
