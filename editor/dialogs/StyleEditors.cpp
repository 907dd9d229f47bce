#include "editor/dialogs/StyleEditors.h"

#include "editor/dialogs/GradientEditor.h"
#include "editor/dialogs/ShadowEditor.h"

namespace tarnwick {

bool TQtDiagramStyleEditor::EditGradient(TDiagramGradient& AGradient) {
  return ExecuteGradientEditor(FParent, AGradient);
}

bool TQtDiagramStyleEditor::EditShadow(TBlockShadow& AShadow) { return ExecuteShadowEditor(FParent, AShadow); }

}  // namespace tarnwick
