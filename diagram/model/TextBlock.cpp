#include "diagram/model/TextBlock.h"

namespace tarnwick {

const TClassInfo& TTextBlock::StaticClassInfo() {
  static const TClassInfo info("TTextBlock", &TCustomDiagramBlock::StaticClassInfo(), {},
                               [](TComponent* owner) { return Create<TTextBlock>(owner); });
  return info;
}

TTextBlock::TTextBlock(TComponent* AOwner) : TCustomDiagramBlock(AOwner) {
  SetShape(bsNoShape);
  SetRestrictions(TControlRestrictions{crNoRotation});
  DefaultTextCell()->SetText(QStringLiteral("Text block"));
}

}  // namespace tarnwick
