#include "editor/printing/PrintCommands.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QProgressDialog>
#include <algorithm>
#include <exception>

#include "diagram/printing/Printers.h"
#include "diagram/printing/qt/QtPrinterBackend.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramPrinting.h"
#include "editor/printing/PageSetupDialog.h"
#include "editor/printing/PreviewWindow.h"
#include "editor/printing/PrintDialog.h"
#include "editor/printing/PrintMessages.h"
#include "platform/core/Exception.h"
#include "platform/gui/Progress.h"

namespace tarnwick {

namespace {
// The progress dialog shows once the job looks like it lasts longer than this.
constexpr int ShowAfterMs = 400;

// Holds back every paint but the progress dialog's while a job runs: the dialog's event
// loop runs between pages, and a window (or a preview) painting the diagram then would
// find it set up for the printer. Everything is asked to paint again afterwards.
class TPaintHold : public QObject {
 public:
  explicit TPaintHold(QWidget* AKeep) : FKeep(AKeep) { qApp->installEventFilter(this); }
  ~TPaintHold() override {
    qApp->removeEventFilter(this);
    if (FHeld)
      for (QWidget* w : QApplication::allWidgets()) w->update();
  }

 protected:
  bool eventFilter(QObject* AObject, QEvent* AEvent) override {
    if (AEvent->type() != QEvent::Paint || !AObject->isWidgetType()) return false;
    auto* w = static_cast<QWidget*>(AObject);
    if (FKeep && (w == FKeep || FKeep->isAncestorOf(w))) return false;
    FHeld = true;
    return true;
  }

 private:
  QPointer<QWidget> FKeep;
  bool FHeld = false;
};

}  // namespace

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
  QProgressDialog dialog(QStringLiteral("Printing") + QChar(0x2026), QStringLiteral("Cancel"), 0, 1000, AParent);
  dialog.setWindowTitle(QStringLiteral("Print"));
  dialog.setWindowModality(Qt::WindowModal);
  dialog.setMinimumDuration(ShowAfterMs);
  dialog.setAutoClose(false);
  dialog.setAutoReset(false);
  dialog.setValue(0);
  const TPaintHold hold(&dialog);
  const TProgressScope scope([&dialog](qint64 ADone, qint64 ATotal) {
    dialog.setValue(ATotal > 0 ? static_cast<int>(std::clamp<qint64>(ADone * 1000 / ATotal, 0, 1000)) : 0);
    return !dialog.wasCanceled();
  });
  QString message;
  try {
    if (PrintPages(ADiagram, *printer, ACopies, APageNumbers, &message)) return true;
  } catch (const EOperationCancelled&) {
    return false;  // the user stopped it: nothing to tell
  } catch (const Exception& E) {
    message = E.Message();
  } catch (const std::exception& E) {
    message = QString::fromUtf8(E.what());
  }
  if (!message.isEmpty()) ShowPrintMessage(AParent, message);
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
