#pragma once
// TGradientEditor: the dialog that edits a gradient fill: the two colours, the direction,
// and a preview painted the way a block without a drawing engine paints it.
#include <QDialog>

#include "platform/core/Object.h"

class QComboBox;
class QPushButton;

namespace tarnwick {

class TColorSwatch;
class TDiagramGradient;
class TPaintBox;

class TGradientEditor : public QDialog {
 public:
  explicit TGradientEditor(QWidget* AParent = nullptr);
  ~TGradientEditor() override;

  // Runs the dialog on a copy of AGradient; on OK the copy (direction, both colours and
  // Visible) goes back into AGradient and the result is true. Cancel leaves it untouched.
  bool EditGradient(TDiagramGradient& AGradient);
  // The working copy.
  TDiagramGradient& grad() const { return *FGrad; }

  TColorSwatch* Panel1 = nullptr;
  TColorSwatch* Panel2 = nullptr;
  QComboBox* ComboBox1 = nullptr;
  TPaintBox* PaintBox1 = nullptr;
  QPushButton* OkButton = nullptr;
  QPushButton* CancelButton = nullptr;

 private:
  void Load(TDiagramGradient& AGradient);

  TOwned<TDiagramGradient> FGrad;
};

// The dialog parented to AParent, run once.
bool ExecuteGradientEditor(QWidget* AParent, TDiagramGradient& AGradient);

}  // namespace tarnwick
