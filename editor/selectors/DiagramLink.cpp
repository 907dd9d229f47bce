#include "editor/selectors/DiagramLink.h"

#include "diagram/view/Diagram.h"

namespace tarnwick {

TDiagramLink::TDiagramLink() : FWatch(MakeOwned<TComponentWatch>()) {
  FWatch->OnFreed = [this](TComponent* AComponent) {
    if (AComponent != FDiagram) return;
    FDiagram = nullptr;
    if (OnCleared) OnCleared();
  };
}

TDiagramLink::~TDiagramLink() {
  // The watch is freed with us; it must not call back into a half-destroyed owner.
  FWatch->OnFreed = nullptr;
}

bool TDiagramLink::Set(TdvDiagram* Value) {
  if (Value == FDiagram) return false;
  if (FDiagram) FWatch->Unwatch(FDiagram);
  FDiagram = Value;
  if (FDiagram) FWatch->Watch(FDiagram);
  return true;
}

}  // namespace tarnwick
