#include "graphics/direct2d/D2DPicture.h"

namespace tarnwick {

const TClassInfo& TD2DPicture::StaticClassInfo() {
  static const TClassInfo info("TD2DPicture", &TDgrPicture::StaticClassInfo(), {}, nullptr);
  return info;
}

}  // namespace tarnwick
