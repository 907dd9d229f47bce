#include "editor/printing/PageSetupDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "diagram/printing/PageSettings.h"
#include "diagram/printing/Printers.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/UpdateGuard.h"
#include "editor/printing/PrintMessages.h"
#include "platform/core/Exception.h"

namespace tarnwick {

QString FormatMeasure(double AValue) {
  QString text = QString::number(AValue, 'f', 2);
  if (text.contains('.')) {
    while (text.endsWith('0')) text.chop(1);
    if (text.endsWith('.')) text.chop(1);
  }
  if (text == QStringLiteral("-0")) text = QStringLiteral("0");
  return text;
}

TfmDgrPageSettings::TfmDgrPageSettings(QWidget* AParent, TdvDiagram& ADiagram) : QDialog(AParent), FDiagram(ADiagram) {
  setWindowTitle(QStringLiteral("Page Settings"));
  const QString unit = FDiagram.GetUnitSymbol();
  auto* layout = new QVBoxLayout(this);

  auto* paper = new QGroupBox(QStringLiteral("Paper"), this);
  auto* paperGrid = new QGridLayout(paper);
  cbPaperSize = new QComboBox(paper);
  cbPaperSize->setObjectName(QStringLiteral("cbPaperSize"));
  paperGrid->addWidget(new QLabel(QStringLiteral("Size:"), paper), 0, 0);
  paperGrid->addWidget(cbPaperSize, 0, 1, 1, 3);
  edWidth = new QLineEdit(paper);
  edHeight = new QLineEdit(paper);
  edWidth->setObjectName(QStringLiteral("edWidth"));
  edHeight->setObjectName(QStringLiteral("edHeight"));
  edWidth->setEnabled(false);
  edHeight->setEnabled(false);
  paperGrid->addWidget(new QLabel(QStringLiteral("Width:"), paper), 1, 0);
  paperGrid->addWidget(edWidth, 1, 1);
  paperGrid->addWidget(new QLabel(unit, paper), 1, 2);
  paperGrid->addWidget(new QLabel(QStringLiteral("Height:"), paper), 2, 0);
  paperGrid->addWidget(edHeight, 2, 1);
  paperGrid->addWidget(new QLabel(unit, paper), 2, 2);
  layout->addWidget(paper);

  auto* orientation = new QGroupBox(QStringLiteral("Orientation"), this);
  auto* orientationRow = new QHBoxLayout(orientation);
  rbPortrait = new QRadioButton(QStringLiteral("Portrait"), orientation);
  rbLandscape = new QRadioButton(QStringLiteral("Landscape"), orientation);
  rbPortrait->setObjectName(QStringLiteral("rbPortrait"));
  rbLandscape->setObjectName(QStringLiteral("rbLandscape"));
  orientationRow->addWidget(rbPortrait);
  orientationRow->addWidget(rbLandscape);
  layout->addWidget(orientation);

  auto* margins = new QGroupBox(QStringLiteral("Margins"), this);
  auto* marginGrid = new QGridLayout(margins);
  const auto margin = [&](const QString& ACaption, const char* AName, int ARow, int ACol) {
    auto* edit = new QLineEdit(margins);
    edit->setObjectName(QString::fromLatin1(AName));
    marginGrid->addWidget(new QLabel(ACaption, margins), ARow, ACol);
    marginGrid->addWidget(edit, ARow, ACol + 1);
    marginGrid->addWidget(new QLabel(unit, margins), ARow, ACol + 2);
    return edit;
  };
  edMarginTop = margin(QStringLiteral("Top:"), "edMarginTop", 0, 0);
  edMarginBottom = margin(QStringLiteral("Bottom:"), "edMarginBottom", 0, 3);
  edMarginLeft = margin(QStringLiteral("Left:"), "edMarginLeft", 1, 0);
  edMarginRight = margin(QStringLiteral("Right:"), "edMarginRight", 1, 3);
  layout->addWidget(margins);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);

  connect(cbPaperSize, &QComboBox::currentIndexChanged, this, [this] { ShowPaperSize(); });
  connect(rbPortrait, &QRadioButton::toggled, this, [this] { ShowPaperSize(); });
  Load();
}

void TfmDgrPageSettings::Load() {
  const TDiagramPageSettings& ps = *FDiagram.GetPageSettings();
  const TDiagramPrinter* printer = DPrinter();
  const std::vector<TPaperSize>& papers = printer ? printer->GetPapers() : BuiltInPapers();
  const QSignalBlocker block(cbPaperSize);
  cbPaperSize->clear();
  for (const TPaperSize& p : papers) {
    cbPaperSize->addItem(p.Name, p.Id);
    if (p.Id == ps.GetPaperId()) cbPaperSize->setCurrentIndex(cbPaperSize->count() - 1);
  }
  if (cbPaperSize->findData(ps.GetPaperId()) < 0) cbPaperSize->setCurrentIndex(-1);
  (ps.GetOrientation() == dpoLandscape ? rbLandscape : rbPortrait)->setChecked(true);
  edMarginTop->setText(FormatMeasure(FDiagram.MMToMeasUnit(ps.GetTopMargin())));
  edMarginLeft->setText(FormatMeasure(FDiagram.MMToMeasUnit(ps.GetLeftMargin())));
  edMarginRight->setText(FormatMeasure(FDiagram.MMToMeasUnit(ps.GetRightMargin())));
  edMarginBottom->setText(FormatMeasure(FDiagram.MMToMeasUnit(ps.GetBottomMargin())));
  ShowPaperSize();
}

void TfmDgrPageSettings::ShowPaperSize() {
  double w = 0, h = 0;
  const int index = cbPaperSize->currentIndex();
  const TDiagramPrinter* printer = DPrinter();
  const std::vector<TPaperSize>& papers = printer ? printer->GetPapers() : BuiltInPapers();
  if (const TPaperSize* p = index >= 0 ? FindPaper(papers, cbPaperSize->itemData(index).toInt()) : nullptr) {
    w = p->Width;
    h = p->Height;
  } else {
    // A paper the printer does not offer (a custom size): the size the settings hold.
    w = FDiagram.GetPageSettings()->GetPaperWidth();
    h = FDiagram.GetPageSettings()->GetPaperHeight();
  }
  if (rbLandscape->isChecked()) std::swap(w, h);
  edWidth->setText(FormatMeasure(FDiagram.MMToMeasUnit(w)));
  edHeight->setText(FormatMeasure(FDiagram.MMToMeasUnit(h)));
}

bool TfmDgrPageSettings::Apply() {
  double top = 0, left = 0, right = 0, bottom = 0;
  try {
    // The margins are typed with '.' whatever the language, as documents store them.
    top = TDiagramPageSettings::ParseMargin(edMarginTop->text());
    left = TDiagramPageSettings::ParseMargin(edMarginLeft->text());
    right = TDiagramPageSettings::ParseMargin(edMarginRight->text());
    bottom = TDiagramPageSettings::ParseMargin(edMarginBottom->text());
  } catch (const EConvertError& E) {
    ShowPrintMessage(this, E.Message());
    return false;
  }
  TDiagramUpdate operation(FDiagram, QStringLiteral("Page setup"));
  TDiagramPageSettings& ps = *FDiagram.GetPageSettings();
  if (cbPaperSize->currentIndex() >= 0) ps.ChangePaperID(cbPaperSize->currentData().toInt());
  ps.SetOrientation(rbLandscape->isChecked() ? dpoLandscape : dpoPortrait);
  ps.SetTopMargin(FDiagram.MeasUnitToMM(top));
  ps.SetLeftMargin(FDiagram.MeasUnitToMM(left));
  ps.SetRightMargin(FDiagram.MeasUnitToMM(right));
  ps.SetBottomMargin(FDiagram.MeasUnitToMM(bottom));
  // Page settings tell nobody of their changes: the document's change is reported here
  // (once, when the operation ends).
  FDiagram.Modified();
  FDiagram.RequestRedraw();
  return true;
}

void TfmDgrPageSettings::accept() {
  if (Apply()) QDialog::accept();
}

bool EditPageSettings(QWidget* AParent, TdvDiagram* ADiagram) {
  if (!ADiagram) return false;
  TfmDgrPageSettings dialog(AParent, *ADiagram);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace tarnwick
