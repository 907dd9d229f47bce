#include "diagram/view/interaction/ClickSelection.h"

#include "diagram/view/Diagram.h"

namespace tarnwick {

namespace {

bool HasSelection(const TDiagramControl* AGroup) {
  for (int i = 0; i < AGroup->GetMemberCount(); ++i) {
    const TDiagramControl* m = AGroup->GetMember(i);
    if (m && (m->GetSelected() || HasSelection(m))) return true;
  }
  return false;
}

}  // namespace

TDiagramControl* SelectionTarget(TDiagramControl* AControl) {
  TDiagramControl* t = AControl;
  while (TDiagramControl* g = t->GetGroupBlock()) {
    const bool selected = g->GetSelected();
    if ((!selected || g->AsMember()) && (selected || !HasSelection(g)))
      t = g;
    else
      break;
  }
  return t;
}

void SelectClicked(TdvDiagram& ADiagram, TDiagramControl* AControl, TClickSelectMode AMode) {
  if (!AControl) return;
  switch (AMode) {
    case csPlain:
      if (!AControl->GetSelected()) {
        ADiagram.UnselectAll();
        TDiagramControl* master = AControl->IsMember() ? AControl->GetMasterGroup() : nullptr;
        ADiagram.SetGroupSelected(master ? master : AControl, true);
      }
      break;
    case csExclusive: {
      TDiagramControl* t = SelectionTarget(AControl);
      ADiagram.UnselectAll();
      if (t->IsMember() && t->GetSelected()) ADiagram.SetGroupSelected(t->GetGroupBlock(), false);
      ADiagram.SetGroupSelected(t, true);
      break;
    }
    case csToggle: {
      TDiagramControl* t = SelectionTarget(AControl);
      if (t->IsMember() && t->GetSelected()) {
        ADiagram.SetGroupSelected(t->GetGroupBlock(), false);
        ADiagram.SetGroupSelected(t, true);
      } else {
        ADiagram.SetGroupSelected(t, !t->GetSelected());
      }
      break;
    }
  }
  ADiagram.RequestRedraw();
}

}  // namespace tarnwick
