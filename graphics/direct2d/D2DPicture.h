#pragma once
// TD2DPicture: the texture picture of a Direct2D brush. It adds nothing to the engine-neutral
// picture; its class tells object streams which engine the brush belongs to.
#include "graphics/DgrPicture.h"

namespace tarnwick {

class TD2DPicture : public TDgrPicture {
  TARNWICK_CLASS(TD2DPicture)
};

}  // namespace tarnwick
