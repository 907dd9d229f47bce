#pragma once
// IDiagramStyleEditor: the two editors of a block's fill settings, the gradient editor and
// the shadow editor. Their dialogs belong to the program, not to the diagram component, so
// the program installs them here; without one installed, the gradient and shadow commands
// ask and get "cancel". A chooser (DiagramChooser.h) passes its questions on to this
// editor unless it answers them itself, as a test's scripted chooser does.
namespace tarnwick {

class TBlockShadow;
class TDiagramGradient;

class IDiagramStyleEditor {
 public:
  virtual ~IDiagramStyleEditor() = default;
  // Both edit a copy: true and the argument changed when the user confirmed, false and the
  // argument untouched otherwise.
  virtual bool EditGradient(TDiagramGradient& AGradient) = 0;
  virtual bool EditShadow(TBlockShadow& AShadow) = 0;
};

// The process-wide editor, or null when the program installed none. The caller keeps
// ownership of what it sets and clears it before destroying it.
IDiagramStyleEditor* DefaultDiagramStyleEditor();
void SetDefaultDiagramStyleEditor(IDiagramStyleEditor* AEditor);

}  // namespace tarnwick
