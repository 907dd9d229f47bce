#pragma once
// The program's gradient and shadow editors for the diagram commands: installed as the
// process-wide style editor, they open the dialogs of this folder.
#include "diagram/view/actions/DiagramStyleEditor.h"

class QWidget;

namespace tarnwick {

class TQtDiagramStyleEditor : public IDiagramStyleEditor {
 public:
  explicit TQtDiagramStyleEditor(QWidget* AParent = nullptr) : FParent(AParent) {}
  bool EditGradient(TDiagramGradient& AGradient) override;
  bool EditShadow(TBlockShadow& AShadow) override;

 private:
  QWidget* FParent;
};

}  // namespace tarnwick
