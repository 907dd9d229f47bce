#pragma once
// TDiagramBlock: the plain published block, a rectangle by default.
#include "diagram/model/CustomBlock.h"

namespace tarnwick {

class TDiagramBlock : public TCustomDiagramBlock {
  TARNWICK_CLASS(TDiagramBlock)

 public:
  explicit TDiagramBlock(TComponent* AOwner);
};

}  // namespace tarnwick
