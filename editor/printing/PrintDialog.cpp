#include "editor/printing/PrintDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "diagram/printing/PageList.h"
#include "diagram/printing/PdfPrinter.h"
#include "diagram/printing/Printers.h"
#include "diagram/view/Diagram.h"
#include "editor/printing/PrintMessages.h"
#include "platform/core/Exception.h"

namespace tarnwick {

namespace {
// Far more copies than anyone prints; the box needs an upper end.
constexpr int MaxCopies = 9999;
}  // namespace

TfmDgrPrintDialog::TfmDgrPrintDialog(QWidget* AParent, TdvDiagram& ADiagram, int ACopies, const QString& APageNumbers)
    : QDialog(AParent), FDiagram(ADiagram), FSavedPrinterIndex(DiagramPrinters().GetPrinterIndex()) {
  setWindowTitle(QStringLiteral("Print"));
  auto* layout = new QVBoxLayout(this);

  auto* printer = new QGroupBox(QStringLiteral("Printer"), this);
  auto* printerGrid = new QGridLayout(printer);
  cbPrinters = new QComboBox(printer);
  cbPrinters->setObjectName(QStringLiteral("cbPrinters"));
  cbPrinters->addItems(DiagramPrinters().Names());
  btProperties = new QPushButton(QStringLiteral("Properties..."), printer);
  printerGrid->addWidget(new QLabel(QStringLiteral("Name:"), printer), 0, 0);
  printerGrid->addWidget(cbPrinters, 0, 1);
  printerGrid->addWidget(btProperties, 0, 2);
  lbType = new QLabel(printer);
  lbWhere = new QLabel(printer);
  lbType->setObjectName(QStringLiteral("lbType"));
  lbWhere->setObjectName(QStringLiteral("lbWhere"));
  printerGrid->addWidget(new QLabel(QStringLiteral("Type:"), printer), 1, 0);
  printerGrid->addWidget(lbType, 1, 1, 1, 2);
  printerGrid->addWidget(new QLabel(QStringLiteral("Where:"), printer), 2, 0);
  printerGrid->addWidget(lbWhere, 2, 1, 1, 2);
  FFileLabel = new QLabel(QStringLiteral("File:"), printer);
  edFileName = new QLineEdit(printer);
  edFileName->setObjectName(QStringLiteral("edFileName"));
  btBrowse = new QPushButton(QStringLiteral("Browse..."), printer);
  printerGrid->addWidget(FFileLabel, 3, 0);
  printerGrid->addWidget(edFileName, 3, 1);
  printerGrid->addWidget(btBrowse, 3, 2);
  layout->addWidget(printer);

  auto* pages = new QGroupBox(QStringLiteral("Pages"), this);
  auto* pagesGrid = new QGridLayout(pages);
  auto* hint = new QLabel(
      QStringLiteral("Type page numbers and/or page ranges, separated by commas. For example, 1,3,5-12"), pages);
  hint->setWordWrap(true);
  rbAllPages = new QRadioButton(QStringLiteral("All"), pages);
  rbPageNumbers = new QRadioButton(QStringLiteral("Pages:"), pages);
  edPageNumbers = new QLineEdit(pages);
  rbAllPages->setObjectName(QStringLiteral("rbAllPages"));
  rbPageNumbers->setObjectName(QStringLiteral("rbPageNumbers"));
  edPageNumbers->setObjectName(QStringLiteral("edPageNumbers"));
  pagesGrid->addWidget(rbAllPages, 0, 0);
  pagesGrid->addWidget(rbPageNumbers, 1, 0);
  pagesGrid->addWidget(edPageNumbers, 1, 1);
  pagesGrid->addWidget(hint, 2, 0, 1, 2);
  layout->addWidget(pages);

  auto* copies = new QGroupBox(QStringLiteral("Copies"), this);
  auto* copiesRow = new QHBoxLayout(copies);
  copiesRow->addWidget(new QLabel(QStringLiteral("Number of copies"), copies));
  // A spin box takes digits only and never goes below one copy: "0" cannot be entered.
  edCopies = new QSpinBox(copies);
  edCopies->setObjectName(QStringLiteral("edCopies"));
  edCopies->setRange(1, MaxCopies);
  edCopies->setValue(std::clamp(ACopies, 1, MaxCopies));
  copiesRow->addWidget(edCopies);
  cbCollate = new QCheckBox(QStringLiteral("Collate"), copies);
  cbCollate->setVisible(false);
  copiesRow->addWidget(cbCollate);
  layout->addWidget(copies);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);

  edPageNumbers->setText(APageNumbers);
  (APageNumbers.isEmpty() ? rbAllPages : rbPageNumbers)->setChecked(true);
  connect(edPageNumbers, &QLineEdit::textEdited, this,
          [this](const QString& AText) { (AText.isEmpty() ? rbAllPages : rbPageNumbers)->setChecked(true); });
  connect(rbPageNumbers, &QRadioButton::clicked, this, [this] { edPageNumbers->setFocus(); });
  connect(btProperties, &QPushButton::clicked, this, [this] {
    if (TDiagramPrinter* p = DPrinter()) {
      try {
        p->PropertiesDlg(this);
      } catch (const Exception& E) {
        ShowPrintMessage(this, E.Message());
      }
    }
  });
  connect(btBrowse, &QPushButton::clicked, this, [this] {
    const QString file = QFileDialog::getSaveFileName(this, QStringLiteral("Print to file"), edFileName->text(),
                                                      QStringLiteral("PDF files (*.pdf)"));
    if (!file.isEmpty()) edFileName->setText(file);
  });

  int current = DiagramPrinters().GetPrinterIndex();
  // The generic printer cannot print: offer the PDF file instead.
  const TDiagramPrinter* p = DiagramPrinters().GetPrinterObject(current);
  if (!p || !p->CanPrint()) current = DiagramPrinters().IndexOf(TDiagramPdfPrinter::PdfName);
  cbPrinters->setCurrentIndex(current);
  PrinterChosen(current);
  connect(cbPrinters, &QComboBox::currentIndexChanged, this, [this](int AIndex) { PrinterChosen(AIndex); });
}

void TfmDgrPrintDialog::PrinterChosen(int AIndex) {
  if (AIndex < 0) return;
  TDiagramPrinters& list = DiagramPrinters();
  if (list.GetPrinterIndex() != AIndex) list.SetPrinterIndex(AIndex);
  const TDiagramPrinter* p = list.GetPrinterObject(AIndex);
  lbType->setText(p ? p->GetDeviceName() : QString());
  lbWhere->setText(p ? p->GetPort() : QString());
  const auto* pdf = dynamic_cast<const TDiagramPdfPrinter*>(p);
  FFileLabel->setVisible(pdf);
  edFileName->setVisible(pdf);
  btBrowse->setVisible(pdf);
  btProperties->setEnabled(p && !pdf && p->CanPrint());
  if (pdf && edFileName->text().isEmpty()) edFileName->setText(pdf->GetFileName());
}

int TfmDgrPrintDialog::Copies() const { return edCopies->value(); }

QString TfmDgrPrintDialog::PageNumbers() const { return rbAllPages->isChecked() ? QString() : edPageNumbers->text(); }

void TfmDgrPrintDialog::accept() {
  // Whatever would make the job fail or print nothing is said here, with the dialog open.
  const QString pages = PageNumbers();
  try {
    const int count = FDiagram.GetPageCount();
    if (TPageList(pages, count).Pages(count).empty()) {
      ShowPrintMessage(this,
                       QStringLiteral("The pages \"%1\" select no page: the diagram has %2.")
                           .arg(pages, count == 1 ? QStringLiteral("1 page") : QStringLiteral("%1 pages").arg(count)));
      edPageNumbers->setFocus();
      return;
    }
  } catch (const EConvertError& E) {
    ShowPrintMessage(this, E.Message());
    edPageNumbers->setFocus();
    return;
  }
  TDiagramPrinter* p = DPrinter();
  if (!p || !p->CanPrint()) {
    ShowPrintMessage(
        this, QStringLiteral("The printer \"%1\" cannot print; choose another one.").arg(cbPrinters->currentText()));
    return;
  }
  if (auto* pdf = dynamic_cast<TDiagramPdfPrinter*>(p)) {
    if (edFileName->text().trimmed().isEmpty()) {
      ShowPrintMessage(this, QStringLiteral("Choose the file to print to."));
      edFileName->setFocus();
      return;
    }
    pdf->SetFileName(edFileName->text().trimmed());
  }
  QDialog::accept();
}

void TfmDgrPrintDialog::reject() {
  DiagramPrinters().SetPrinterIndex(FSavedPrinterIndex);
  QDialog::reject();
}

bool RunPrintDialog(QWidget* AParent, TdvDiagram& ADiagram, int& ACopies, QString& APageNumbers) {
  TfmDgrPrintDialog dialog(AParent, ADiagram, ACopies, APageNumbers);
  if (dialog.exec() != QDialog::Accepted) return false;
  ACopies = dialog.Copies();
  APageNumbers = dialog.PageNumbers();
  return true;
}

}  // namespace tarnwick
