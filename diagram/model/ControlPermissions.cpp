// What a control may do and whether it shows: the permission predicates the diagram asks
// before every editing action, effective visibility, and the engine selection.
#include "diagram/model/DiagramControl.h"
#include "diagram/model/DiagramHost.h"
#include "diagram/model/Layers.h"

namespace tarnwick {

namespace {
// A diagram switched to non-editable allows nothing, not even selecting.
bool DiagramEditable(const TDiagramHost* AHost) { return !AHost || AHost->GetDesignMode() != ddmNonEditable; }
}  // namespace

bool TDiagramControl::LayerEditable() const { return !FLayerObj || FLayerObj->GetEditable(); }

bool TDiagramControl::CanMove() const {
  return DiagramEditable(FHost) && LayerEditable() && !FRestrictions.Contains(crNoMove);
}

bool TDiagramControl::CanResize() const {
  return DiagramEditable(FHost) && LayerEditable() && !FRestrictions.Contains(crNoResize);
}

bool TDiagramControl::CanRotate() const {
  return DiagramEditable(FHost) && LayerEditable() && !FRestrictions.Contains(crNoRotation);
}

bool TDiagramControl::CanEditText() const {
  return DiagramEditable(FHost) && LayerEditable() && !FRestrictions.Contains(crNoEdit);
}

bool TDiagramControl::CanMoveRotCenter() const {
  return DiagramEditable(FHost) && LayerEditable() && !FRestrictions.Contains(crNoRotCenterMove);
}

bool TDiagramControl::CanLink() const {
  return DiagramEditable(FHost) && LayerEditable() && !FRestrictions.Contains(crNoLink);
}

// Layers do not lock selecting and copying: a locked control can still be picked and copied.
bool TDiagramControl::CanSelect() const { return DiagramEditable(FHost) && !FRestrictions.Contains(crNoSelect); }

bool TDiagramControl::CanCopy() const { return DiagramEditable(FHost) && !FRestrictions.Contains(crNoClipboard); }

bool TDiagramControl::IsVisible() const {
  if (!FVisible || !FHost) return false;
  return FHost->LayerActive(FLayerInteger) && !FCollapsed && (!FLayerObj || FLayerObj->GetVisible());
}

TDgrGraphicLib TDiagramControl::EffectiveGraphicLib() const {
  if (FCustomGraphicLib || !FHost) return FGraphicLib;
  return FHost->GetGraphicLib();
}

}  // namespace tarnwick
