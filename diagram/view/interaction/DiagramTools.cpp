// The tool registry and the active-tool slot.
#include "diagram/view/interaction/DiagramTools.h"

#include "diagram/model/LinkPoints.h"
#include "diagram/model/StretchHandles.h"
#include "diagram/view/interaction/BrowseTool.h"

namespace tarnwick {

TDiagramTools::TDiagramTools(TdvDiagram& ADiagram) { Register(std::make_unique<TBrowseTool>(ADiagram)); }

TDiagramTools::~TDiagramTools() = default;

void TDiagramTools::Register(std::unique_ptr<TDiagramTool> ATool) {
  if (ATool) FTools.push_back(std::move(ATool));
}

TDiagramTool& TDiagramTools::Active() const {
  for (auto it = FTools.rbegin(); it != FTools.rend(); ++it)
    if ((*it)->Serves(FMouseState)) return **it;
  return *FTools.front();
}

void TDiagramTools::Forget(TDiagramControl* AControl) {
  if (FPreviousDControl == AControl) FPreviousDControl = nullptr;
  if (FDControlClicked == AControl) FDControlClicked = nullptr;
  if (FLinkPoint && FLinkPoint->GetDControl() == AControl) FLinkPoint = nullptr;
  if (FHandle && FHandle->GetDControl() == AControl) FHandle = nullptr;
}

}  // namespace tarnwick
