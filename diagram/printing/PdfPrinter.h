#pragma once
// A printer that writes each job to a PDF file. It needs no printing service, so printing
// works on every machine (and tests check printed output through it). It offers the
// built-in papers at 600 pixels per inch with no unprintable edges.
#include <QString>
#include <memory>

#include "diagram/printing/Printers.h"

class QPdfWriter;
class QPainter;
class QSaveFile;

namespace tarnwick {

class TDiagramPdfPrinter : public TDiagramPrinter {
 public:
  static inline const QString PdfName = QStringLiteral("PDF file");
  static constexpr int Resolution = 600;

  TDiagramPdfPrinter();
  ~TDiagramPdfPrinter() override;

  // The file the next job writes; a job without one cannot start.
  const QString& GetFileName() const { return FFileName; }
  void SetFileName(const QString& Value) { FFileName = Value; }

  void Initialize() override { FInitialized = true; }
  // Writes into a temporary file beside the target: the target changes only when EndDoc
  // completes the document, so a failed or cancelled job leaves an older file as it was.
  void BeginDoc() override;
  void NewPage() override;
  void EndDoc() override;
  void EndPage() override {}
  void SetupPrinter(int APaperId, bool ALandscape, bool ACollate, TDuplexType ADuplex, double APaperHeight,
                    double APaperWidth) override;
  void AbortDoc() override;
  bool CanPrint() const override { return true; }
  TCanvas* GetCanvas() override { return FCanvas.get(); }
  // The pages written by the job in progress or the last one.
  int PagesWritten() const { return FPages; }

 private:
  void Drop();

  QString FFileName;
  double FPaperWidth = 210.0;
  double FPaperHeight = 297.0;
  std::unique_ptr<QSaveFile> FFile;
  std::unique_ptr<QPdfWriter> FWriter;
  std::unique_ptr<QPainter> FPainter;
  std::unique_ptr<TCanvas> FCanvas;
  int FPages = 0;
};

}  // namespace tarnwick
