#pragma once
// TDiagramPersistent: a small value object (a block's shadow or gradient) that belongs to
// a control and asks it to repaint when one of its values changes. Free-standing copies
// (the editors' working copies) have no control and repaint nothing.
#include "platform/core/Persistent.h"

namespace tarnwick {

class TDiagramControl;

class TDiagramPersistent : public TPersistent {
  TARNWICK_CLASS(TDiagramPersistent)

 public:
  explicit TDiagramPersistent(TDiagramControl* ADControl = nullptr) : FDControl(ADControl) {}

  // Not owned; the control owns this object and outlives it.
  TDiagramControl* GetDControl() const { return FDControl; }

  // The owning control's Redraw; nothing without a control.
  virtual void Changed();

 protected:
  TDiagramControl* FDControl;
};

}  // namespace tarnwick
