#pragma once
// The small dialog of the Layout command: which arrangement, which way a layered one runs,
// and how much room to leave between blocks.
#include <QDialog>
#include <optional>

#include "layout/LayoutOptions.h"

class QComboBox;
class QSpinBox;

namespace tarnwick {

class TLayoutDialog : public QDialog {
 public:
  TLayoutDialog(QWidget* AParent, const TLayoutOptions& AInitial);
  TLayoutOptions Options() const;
  // Shows the dialog modally; nothing when the user cancelled.
  static std::optional<TLayoutOptions> Ask(QWidget* AParent, const TLayoutOptions& AInitial);

  QComboBox* AlgorithmBox() const { return FAlgorithm; }
  QComboBox* DirectionBox() const { return FDirection; }
  QSpinBox* SpacingBox() const { return FSpacing; }

 private:
  void AlgorithmChanged();

  QComboBox* FAlgorithm;
  QComboBox* FDirection;
  QSpinBox* FSpacing;
};

}  // namespace tarnwick
