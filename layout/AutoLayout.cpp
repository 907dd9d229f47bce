#include "layout/AutoLayout.h"

#include <algorithm>

#include "diagram/lines/CustomLine.h"
#include "diagram/model/CustomBlock.h"
#include "diagram/model/LinkPoints.h"
#include "diagram/view/Diagram.h"
#include "layout/CircularLayout.h"
#include "layout/GraphvizLayout.h"

namespace tarnwick {

std::unique_ptr<TDiagramLayout> MakeLayout(const TLayoutOptions& AOptions) {
  const int spacing = std::clamp(AOptions.Spacing, TLayoutOptions::MinSpacing, TLayoutOptions::MaxSpacing);
  switch (AOptions.Algorithm) {
    case laForce:
      return std::make_unique<TForceLayout>(spacing);
    case laCircular:
      return std::make_unique<TCircularLayout>(spacing);
    case laLayered:
      break;
  }
  return std::make_unique<TLayeredLayout>(spacing, AOptions.Direction);
}

// One path for the command line and the editor: the editor only puts its undo bracket
// between the two halves.
void LayoutDiagram(TdvDiagram& ADiagram, const TLayoutOptions& AOptions) {
  ApplyComputedLayout(ADiagram, *ComputeLayout(ADiagram, AOptions));
}

std::unique_ptr<TLayoutArea> ComputeLayout(TdvDiagram& ADiagram, const TLayoutOptions& AOptions) {
  std::unique_ptr<TDiagramLayout> layout = MakeLayout(AOptions);
  std::unique_ptr<TLayoutArea> area = TDiagramLayoutExecuter(&ADiagram).BuildArea();
  layout->Execute(*area);
  return area;
}

void ApplyComputedLayout(TdvDiagram& ADiagram, const TLayoutArea& AArea) {
  TDiagramUpdate moving(ADiagram, ukPosition);
  TDiagramLayoutExecuter(&ADiagram).ApplyAreaInDiagram(AArea);
  ReRouteSideLines(ADiagram);
}

void ReRouteSideLines(TdvDiagram& ADiagram) {
  for (int i = 0; i < ADiagram.LinkCount(); ++i) {
    auto* line = dynamic_cast<TCustomDiagramLine*>(ADiagram.GetLinks(i));
    if (!line || line->GetLineStyle() != lsSideLine) continue;
    const auto anchoredAtBlock = [](TLinkPoint* AEnd) {
      return AEnd && dynamic_cast<TCustomDiagramBlock*>(AEnd->GetAnchor()) != nullptr;
    };
    if (!anchoredAtBlock(line->GetSourceLinkPoint()) && !anchoredAtBlock(line->GetTargetLinkPoint())) continue;
    TStretchHandles* handles = line->GetHandles();
    while (handles && handles->Count() > 2) handles->Delete(1);
    line->RecalcHandles();
  }
}

}  // namespace tarnwick
