#include "diagram/model/DiagramHost.h"

#include "diagram/model/DiagramControl.h"

namespace tarnwick {

std::vector<TDiagramControl*> TDiagramHost::SelectedControls() const {
  std::vector<TDiagramControl*> selected;
  for (int i = 0; i < DControlCount(); ++i)
    if (TDiagramControl* c = GetDControls(i); c && c->GetSelected()) selected.push_back(c);
  return selected;
}

}  // namespace tarnwick
