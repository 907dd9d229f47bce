#include "editor/printing/PrintCommands.h"

#include <QChar>

#include "diagram/printing/Printers.h"
#include "diagram/printing/qt/QtPrinterBackend.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramPrinting.h"
#include "editor/printing/PageSetupDialog.h"
#include "editor/printing/PreviewWindow.h"
#include "editor/printing/PrintDialog.h"
#include "editor/printing/PrintMessages.h"
#include "editor/shell/ProgressRun.h"
#include "platform/core/Exception.h"

namespace tarnwick {


void InstallPrinting() {
  SetPrinterBackend(CreateQtPrinterBackend());
  SetPrintDialogRunner([](TdvDiagram& ADiagram, int& ACopies, QString& APages) {
    return RunPrintDialog(nullptr, ADiagram, ACopies, APages);
  });
}

void ShowPageSetup(QWidget* AParent, TdvDiagram& ADiagram) {
  AttachDiagramPrinters(ADiagram);
  try {
    EditPageSettings(AParent, &ADiagram);
  } catch (const Exception& E) {
    ShowPrintMessage(AParent, E.Message());
  }
}

void ShowPrintPreview(QWidget* AParent, TdvDiagram& ADiagram) {
  AttachDiagramPrinters(ADiagram);
  TfmDiagramPreview preview(AParent);
  preview.SetDiagram(&ADiagram);
  preview.exec();
}

bool PrintWithProgress(QWidget* AParent, TdvDiagram& ADiagram, int ACopies, const QString& APageNumbers) {
  TDiagramPrinter* printer = DPrinter();
  if (!printer || !printer->CanPrint()) {
    ShowPrintMessage(AParent, NoPrinterMessage);
    return false;
  }
  QString refused, error;
  bool printed = false;
  const TProgressOutcome outcome =
      RunWithProgress(AParent, QStringLiteral("Print"), QStringLiteral("Printing") + QChar(0x2026),
                      [&] { printed = PrintPages(ADiagram, *printer, ACopies, APageNumbers, &refused); }, &error);
  // A job the user stopped needs no message.
  if (outcome == TProgressOutcome::Cancelled) return false;
  if (outcome == TProgressOutcome::Done && printed) return true;
  if (const QString message = outcome == TProgressOutcome::Failed ? error : refused; !message.isEmpty())
    ShowPrintMessage(AParent, message);
  return false;
}

bool PrintWithDialog(QWidget* AParent, TdvDiagram& ADiagram) {
  AttachDiagramPrinters(ADiagram);
  const TDiagramPrintSettings& s = PrintSettingsOf(ADiagram);
  int copies = s.Copies;
  QString pages = s.PageNumbers;
  try {
    if (TDiagramPrinter* p = DPrinter(); p && p->CanPrint()) SetupPrinterFor(ADiagram, *p);
  } catch (const Exception& E) {
    ShowPrintMessage(AParent, E.Message());
  }
  if (!RunPrintDialog(AParent, ADiagram, copies, pages)) return false;
  return PrintWithProgress(AParent, ADiagram, copies, pages);
}

}  // namespace tarnwick
