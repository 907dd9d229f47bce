#pragma once
// The printing commands as the editor window's hooks call them.
#include <QString>

class QWidget;

namespace tarnwick {

class TdvDiagram;

// At start: the machine's printers through Qt's print support, and the print dialog for
// Print(true).
void InstallPrinting();

// The page settings dialog; OK changes the settings as one undo step ("Page setup").
void ShowPageSetup(QWidget* AParent, TdvDiagram& ADiagram);
// The preview window, modal.
void ShowPrintPreview(QWidget* AParent, TdvDiagram& ADiagram);
// The print dialog, then the job under a progress dialog the user can cancel. True when
// the job was printed; refusals and failures are told in a message.
bool PrintWithDialog(QWidget* AParent, TdvDiagram& ADiagram);
// The job alone with the diagram's print settings (no dialog), under the progress dialog.
bool PrintWithProgress(QWidget* AParent, TdvDiagram& ADiagram, int ACopies, const QString& APageNumbers);

}  // namespace tarnwick
