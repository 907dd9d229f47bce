#pragma once
// The gradient and shadow commands of the diagram action family. Each edits a working
// copy taken from the first selected block that is not a group, through the chooser's
// gradient or shadow editor, and gives the confirmed copy, made visible, to every selected
// block that is not a group: one undoable step.
#include "diagram/view/actions/DiagramStyleActions.h"

namespace tarnwick {

// Enabled with a selection. A block whose gradient is not shown yet starts the editor from
// its own colour at both ends, so turning a gradient on first shows the block unchanged.
class TDiagramGradientSetting : public TDiagramChooserAction {
 public:
  using TDiagramChooserAction::TDiagramChooserAction;
  bool Execute() override;
  bool Update() override;
};

// Enabled with a selection.
class TDiagramShadow : public TDiagramChooserAction {
 public:
  using TDiagramChooserAction::TDiagramChooserAction;
  bool Execute() override;
  bool Update() override;
};

}  // namespace tarnwick
