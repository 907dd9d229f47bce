#pragma once
// TDiagramBlock: the plain published block, a rectangle by default.
#include "diagram/model/CustomBlock.h"

namespace tarnwick {

class TDiagramBlock : public TCustomDiagramBlock {
  TARNWICK_CLASS(TDiagramBlock)

 public:
  explicit TDiagramBlock(TComponent* AOwner);
};

// Registers the block classes with the streaming registry so documents can name them.
// Safe to call more than once; the program calls it before it loads its first document.
void RegisterBlockClasses();

}  // namespace tarnwick
