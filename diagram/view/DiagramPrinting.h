#pragma once
// Printing a diagram: page by page on the current printer of the process's printer list
// (Printers.h), one page onto any canvas, and pages rendered for a preview. The diagram
// paints each page with its print and preview passes; these functions set the passes up.
#include <QImage>
#include <QRect>
#include <QString>
#include <functional>

#include "diagram/printing/PrinterBackend.h"

namespace tarnwick {

class TBitmap;
class TCanvas;
class TDiagramPrinter;
class TdvDiagram;

// How a diagram is printed; kept with the diagram for the program's session, not stored in
// its documents.
struct TDiagramPrintSettings {
  int Copies = 1;
  QString Title;        // the job's name; empty: "Diagram"
  QString PageNumbers;  // empty: all pages
  bool Collation = false;
  TDuplexType Duplex = dpNone;
};

// The print settings of a diagram (created on first use, dropped with the diagram).
TDiagramPrintSettings& PrintSettingsOf(TdvDiagram& ADiagram);

// Makes the diagram's page computations follow the current printer of the printer list
// (its resolution, papers and default paper). Without it they use the built-in papers at
// 300 pixels per inch, as the generic printer does.
void AttachDiagramPrinters(TdvDiagram& ADiagram);

// The texts of the refusals.
inline const QString NoPrinterMessage = QStringLiteral("There is no default printer currently selected");

// The print dialog: confirms with the copies and page numbers chosen (and may make another
// printer current). The program installs it; without one Print(true) prints as Print(false).
using TPrintDialogRunner = std::function<bool(TdvDiagram& ADiagram, int& ACopies, QString& APageNumbers)>;
void SetPrintDialogRunner(TPrintDialogRunner ARunner);

// Prints the diagram with its print settings on the current printer, after the print
// dialog when AShowDialog. True when a job was printed; false when the dialog was
// cancelled or printing was refused (the reason in AMessage: no printer that can print,
// no copies, no page selected). A page list that is not made of numbers raises
// EConvertError before the job starts; a cancel from a progress observer raises
// EOperationCancelled and drops the job.
bool Print(TdvDiagram& ADiagram, bool AShowDialog, QString* AMessage = nullptr);

// The job itself: ACopies times the pages APageNumbers selects, on APrinter.
bool PrintPages(TdvDiagram& ADiagram, TDiagramPrinter& APrinter, int ACopies, const QString& APageNumbers,
                QString* AMessage = nullptr);

// Gives APrinter the diagram's paper, orientation, collation and duplex.
void SetupPrinterFor(TdvDiagram& ADiagram, TDiagramPrinter& APrinter);

// Paints page APageNo (from 1) into the rectangle of ACanvas; AsPreview scales the paper
// to the rectangle, else it is drawn at the printer's pixels. Returns true.
bool PrintToCanvas(TdvDiagram& ADiagram, TCanvas& ACanvas, int APageNo, int ALeft, int ATop, int AWidth, int AHeight,
                   bool AsPreview);

// Page APageIdx rendered into a new AWidth x AHeight bitmap (0: the paper's printer pixels)
// with white margins; the caller owns it. Null when the paper has a side of 0.
TBitmap* BuildPreviewBitmap(TdvDiagram& ADiagram, int APageIdx, int AWidth, int AHeight);

// The part APart of the page as BuildPreviewBitmap would render it at AWidth x AHeight,
// without building the rest: a preview shows a zoomed page through a window of a screen's
// size. Null when the paper has a side of 0 or the part is outside the page.
QImage RenderPreviewPart(TdvDiagram& ADiagram, int APageIdx, int AWidth, int AHeight, const QRect& APart);

}  // namespace tarnwick
