#include "diagram/view/actions/SelectionTargets.h"

#include "diagram/lines/CustomLine.h"
#include "diagram/model/CustomBlock.h"
#include "diagram/view/Diagram.h"

namespace tarnwick {

std::vector<TCustomDiagramBlock*> SelectedPlainBlocks(const TdvDiagram& ADiagram) {
  std::vector<TCustomDiagramBlock*> result;
  for (int i = 0; i < ADiagram.SelectedCount(); ++i)
    if (auto* block = dynamic_cast<TCustomDiagramBlock*>(ADiagram.GetSelecteds(i)); block && !block->IsGroup())
      result.push_back(block);
  return result;
}

std::vector<TCustomDiagramLine*> SelectedLines(const TdvDiagram& ADiagram) {
  std::vector<TCustomDiagramLine*> result;
  for (int i = 0; i < ADiagram.SelectedCount(); ++i)
    if (auto* line = dynamic_cast<TCustomDiagramLine*>(ADiagram.GetSelecteds(i))) result.push_back(line);
  return result;
}

std::vector<TDiagramControl*> SelectedNonGroups(const TdvDiagram& ADiagram) {
  std::vector<TDiagramControl*> result;
  for (int i = 0; i < ADiagram.SelectedCount(); ++i)
    if (TDiagramControl* control = ADiagram.GetSelecteds(i); !control->IsGroup()) result.push_back(control);
  return result;
}

bool HasSelection(const TdvDiagram* ADiagram) { return ADiagram && ADiagram->SelectedCount() > 0; }

}  // namespace tarnwick
