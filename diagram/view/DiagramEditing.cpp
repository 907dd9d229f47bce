// Editing the selection without the pointer: deleting it, and keeping the selection block
// fitted to it.
#include "diagram/model/SelectionBlock.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramSelection.h"
#include "platform/core/ComponentWatch.h"

namespace tarnwick {

bool TdvDiagram::IsSelBlock(const TDiagramControl* AControl) const {
  return AControl && AControl == FSelection->FSelBlock;
}

void TdvDiagram::UpdateSelBlock() { FSelection->FitSelBlock(); }

TSquare TdvDiagram::SelectionBounds(bool ABlocksOnly, double AAngle) const {
  return FSelection->Bounds(ABlocksOnly, AAngle);
}

void TdvDiagram::DeleteSelecteds() { DeleteSelectedsExcept(TControlRestrictions{crNoDelete}); }

void TdvDiagram::DeleteSelectedsExcept(TControlRestrictions AMask) {
  if (GetDesignMode() != ddmEditable) return;
  // Freeing one control runs handlers and teardowns that may free others of the list
  // (a group's, an application's): every one is watched, and one already gone is passed.
  TOwned<TComponentWatch> watch = MakeOwned<TComponentWatch>();
  std::vector<TDiagramControl*> doomed;
  for (TDiagramControl* c : FSelection->FSelecteds) {
    if (!(c->GetRestrictions() * AMask).Empty() || !c->LayerEditable()) continue;
    doomed.push_back(c);
    watch->Watch(c);
  }
  TDiagramUpdate operation(*this, QStringLiteral("delete"));
  TDiagramUpdate positions(*this, ukPosition);
  for (TDiagramControl* c : doomed)
    if (watch->Alive(c)) c->Free();
}

}  // namespace tarnwick
