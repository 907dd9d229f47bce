// The diagram's side of layers: the mask of active numbered layers and the named layer
// collection.
#include "diagram/view/Diagram.h"

namespace tarnwick {

namespace {
// Layer numbers that have a bit in the 64-bit mask; others are never active and are
// never shifted into it.
bool HasLayerBit(int ALayer) { return ALayer >= 0 && ALayer < 64; }
int64_t LayerBit(int ALayer) { return static_cast<int64_t>(uint64_t{1} << ALayer); }
}  // namespace

void TdvDiagram::SetActiveLayers(int64_t Value) {
  if (FActiveLayers == Value) return;
  FActiveLayers = Value;
  RequestRedraw();
}

bool TdvDiagram::LayerActive(int ALayer) const {
  if (ALayer == 0) return true;
  return HasLayerBit(ALayer) && (FActiveLayers & LayerBit(ALayer)) != 0;
}

void TdvDiagram::ActivateLayer(int ALayer) {
  if (HasLayerBit(ALayer)) SetActiveLayers(FActiveLayers | LayerBit(ALayer));
}

void TdvDiagram::DeactivateLayer(int ALayer) {
  if (HasLayerBit(ALayer)) SetActiveLayers(FActiveLayers & ~LayerBit(ALayer));
  UnselectInvisibleControls();
}

void TdvDiagram::SetLayers(TDiagramLayers* Value) {
  if (Value && Value != FLayers.get()) FLayers->Assign(Value);
}

void TdvDiagram::DeleteLayerControls(TDiagramLayer* ALayer) {
  if (!ALayer) return;
  for (int i = FControls->FDControls.Count() - 1; i >= 0; --i) {
    if (i >= FControls->FDControls.Count()) continue;  // freeing one control may take others along
    TDiagramControl* c = FControls->FDControls[i];
    if (c->GetLayerObj() == ALayer) c->Free();
  }
}

}  // namespace tarnwick
