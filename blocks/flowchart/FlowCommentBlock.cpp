#include <array>

#include "blocks/flowchart/FlowchartBlocks.h"
#include "diagram/model/Shadow.h"

namespace tarnwick {

namespace {
constexpr TColor Yellow = 0x00FFFF;
// The sheet with its top-right corner cut off.
constexpr std::array<TDot, 5> Sheet{{{0, 0}, {90, 0}, {100, 20}, {100, 100}, {0, 100}}};
// The two inner edges of the folded corner, walked there and back: a figure without area
// is stroked like the outline but fills nothing and leaves the hit test unchanged.
constexpr std::array<TDot, 4> Fold{{{90, 0}, {90, 20}, {100, 20}, {90, 20}}};
}  // namespace

const TClassInfo& TFlowCommentBlock::StaticClassInfo() {
  static const TClassInfo info("TFlowCommentBlock", &TCustomDiagramBlock::StaticClassInfo(), {},
                               [](TComponent* owner) { return Create<TFlowCommentBlock>(owner); });
  return info;
}

TFlowCommentBlock::TFlowCommentBlock(TComponent* AOwner) : TCustomDiagramBlock(AOwner) {
  SetOriginalRect(TSquare{0, 0, 100, 100});
  SetWidth(100);
  SetHeight(50);
  SetColor(Yellow);
  SetSelColor(Yellow);
  GetShadow()->SetVisible(true);
  SetShape(bsNoShape);
  SetAlignment(taCenter);
  SetVertAlign(vaCenter);
  SetShapeCursor(true);
}

void TFlowCommentBlock::BuildOutline(TOutlineSink& AOutline) {
  AOutline.Polygon(Sheet);
  AOutline.Polygon(Fold);
}

}  // namespace tarnwick
