#pragma once
// The print dialog ("Print"): the printer (any printer of the list, the PDF file among
// them), the pages and the number of copies. Choosing a printer makes it current at once;
// leaving the dialog without OK makes the earlier printer current again.
#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QCheckBox;

namespace tarnwick {

class TdvDiagram;

class TfmDgrPrintDialog : public QDialog {
 public:
  TfmDgrPrintDialog(QWidget* AParent, TdvDiagram& ADiagram, int ACopies, const QString& APageNumbers);

  int Copies() const;
  // Empty when "All" is chosen.
  QString PageNumbers() const;

  QComboBox* cbPrinters;
  QLabel* lbType;
  QLabel* lbWhere;
  QPushButton* btProperties;
  QRadioButton* rbAllPages;
  QRadioButton* rbPageNumbers;
  QLineEdit* edPageNumbers;
  QSpinBox* edCopies;
  QCheckBox* cbCollate;
  // The file the PDF printer writes; shown only while it is the chosen printer.
  QLineEdit* edFileName;
  QPushButton* btBrowse;

  void accept() override;
  void reject() override;

 private:
  void PrinterChosen(int AIndex);

  TdvDiagram& FDiagram;
  int FSavedPrinterIndex;
  QLabel* FFileLabel;
};

// Runs the dialog; on OK ACopies and APageNumbers hold the choice (they are left as they
// were otherwise).
bool RunPrintDialog(QWidget* AParent, TdvDiagram& ADiagram, int& ACopies, QString& APageNumbers);

}  // namespace tarnwick
