#include "diagram/model/DiagramBlock.h"

#include "diagram/lines/LineClasses.h"
#include "diagram/model/TextBlock.h"
#include "platform/core/ClassRegistry.h"

namespace tarnwick {

const TClassInfo& TDiagramBlock::StaticClassInfo() {
  static const TClassInfo info("TDiagramBlock", &TCustomDiagramBlock::StaticClassInfo(), {},
                               [](TComponent* owner) { return Create<TDiagramBlock>(owner); });
  return info;
}

TDiagramBlock::TDiagramBlock(TComponent* AOwner) : TCustomDiagramBlock(AOwner) { SetShape(bsRectangle); }

void RegisterBlockClasses() {
  RegisterClass<TDiagramBlock>();
  RegisterClass<TTextBlock>();
  RegisterLineClasses();
}

}  // namespace tarnwick
