#pragma once
// TTextBlock: a borderless block for free text that does not turn.
#include "diagram/model/CustomBlock.h"

namespace tarnwick {

class TTextBlock : public TCustomDiagramBlock {
  TARNWICK_CLASS(TTextBlock)

 public:
  explicit TTextBlock(TComponent* AOwner);
};

}  // namespace tarnwick
