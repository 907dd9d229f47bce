#include "diagram/printing/PdfPrinter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "platform/gui/Canvas.h"
#include "platform/gui/Font.h"

namespace tarnwick {

TDiagramPdfPrinter::TDiagramPdfPrinter() : TDiagramPrinter(PdfName) {
  FDPI = TPoint{Resolution, Resolution};
  SyncDevice();
}

TDiagramPdfPrinter::~TDiagramPdfPrinter() { Drop(); }

void TDiagramPdfPrinter::Drop() {
  FCanvas.reset();
  if (FPainter && FPainter->isActive()) FPainter->end();
  FPainter.reset();
  FWriter.reset();
  if (FFile) FFile->cancelWriting();
  FFile.reset();
  FPrinting = false;
}

void TDiagramPdfPrinter::SetupPrinter(int APaperId, bool ALandscape, bool, TDuplexType, double APaperHeight,
                                      double APaperWidth) {
  RequireInitialized();
  if (const TPaperSize* p = FindPaper(FPapers, APaperId)) {
    FPaperWidth = p->Width;
    FPaperHeight = p->Height;
  } else if (APaperWidth > 0 && APaperHeight > 0) {
    FPaperWidth = APaperWidth;
    FPaperHeight = APaperHeight;
  }
  FOrientation = ALandscape ? dpoLandscape : dpoPortrait;
}

void TDiagramPdfPrinter::BeginDoc() {
  RequireInitialized();
  Drop();
  if (FFileName.isEmpty()) throw EDiagramPrintException(QStringLiteral("No file was chosen to print to"));
  FFile = std::make_unique<QSaveFile>(FFileName);
  if (!FFile->open(QIODevice::WriteOnly)) {
    const QString error = FFile->errorString();
    FFile.reset();
    throw EDiagramPrintException(QStringLiteral("Cannot create the file \"%s\": %s"), FFileName, error);
  }
  FWriter = std::make_unique<QPdfWriter>(FFile.get());
  FWriter->setResolution(Resolution);
  FWriter->setTitle(FTitle);
  FWriter->setCreator(QStringLiteral("Tarnwick"));
  // The page size is given as it is printed (turned for landscape), with no margins: the
  // painter's origin is then the paper's corner, as on a printer set to print the full page.
  const bool landscape = FOrientation == dpoLandscape;
  const QSizeF size = landscape ? QSizeF(FPaperHeight, FPaperWidth) : QSizeF(FPaperWidth, FPaperHeight);
  FWriter->setPageLayout(QPageLayout(QPageSize(size, QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
                                     QPageLayout::Portrait, QMarginsF()));
  FPages = 0;
  FPrinting = true;
}

void TDiagramPdfPrinter::NewPage() {
  RequireInitialized();
  if (!FWriter) return;
  if (FPages == 0) {
    FPainter = std::make_unique<QPainter>();
    if (!FPainter->begin(FWriter.get())) {
      Drop();
      throw EDiagramPrintException(QStringLiteral("Cannot write the file \"%s\""), FFileName);
    }
    FCanvas = std::make_unique<TCanvas>(FPainter.get());
    FCanvas->GetFont()->SetPixelsPerInch(FDPI.Y);
  } else {
    FWriter->newPage();
  }
  ++FPages;
}

void TDiagramPdfPrinter::EndDoc() {
  RequireInitialized();
  FCanvas.reset();
  if (FPainter && FPainter->isActive()) FPainter->end();
  FPainter.reset();
  FWriter.reset();
  bool written = true;
  if (FFile) written = FFile->commit();
  FFile.reset();
  FPrinting = false;
  FBin = -1;
  if (!written) throw EDiagramPrintException(QStringLiteral("Cannot write the file \"%s\""), FFileName);
}

void TDiagramPdfPrinter::AbortDoc() { Drop(); }

}  // namespace tarnwick
