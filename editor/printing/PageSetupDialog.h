#pragma once
// The page settings dialog ("Page Settings"): paper, orientation and margins of a
// diagram's pages, the margins in the diagram's measurement unit.
#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace tarnwick {

class TdvDiagram;

class TfmDgrPageSettings : public QDialog {
 public:
  TfmDgrPageSettings(QWidget* AParent, TdvDiagram& ADiagram);

  // Fills the controls from the diagram's page settings and the current printer's papers.
  void Load();
  // Writes the controls into the page settings; false (with a message, nothing changed)
  // when a margin is not a number.
  bool Apply();

  QComboBox* cbPaperSize;
  QRadioButton* rbPortrait;
  QRadioButton* rbLandscape;
  QLineEdit* edMarginTop;
  QLineEdit* edMarginLeft;
  QLineEdit* edMarginRight;
  QLineEdit* edMarginBottom;
  QLineEdit* edWidth;
  QLineEdit* edHeight;

  void accept() override;

 private:
  void ShowPaperSize();

  TdvDiagram& FDiagram;
};

// Shows the dialog modally; on OK the settings change as one undo step. False for no
// diagram or when cancelled.
bool EditPageSettings(QWidget* AParent, TdvDiagram* ADiagram);

// The pattern "0.##": at most two decimals, no trailing zeros, '.' as separator.
QString FormatMeasure(double AValue);

}  // namespace tarnwick
