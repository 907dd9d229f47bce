#include "diagram/model/DiagramBlock.h"

namespace tarnwick {

const TClassInfo& TDiagramBlock::StaticClassInfo() {
  static const TClassInfo info("TDiagramBlock", &TCustomDiagramBlock::StaticClassInfo(), {},
                               [](TComponent* owner) { return Create<TDiagramBlock>(owner); });
  return info;
}

TDiagramBlock::TDiagramBlock(TComponent* AOwner) : TCustomDiagramBlock(AOwner) { SetShape(bsRectangle); }

}  // namespace tarnwick
