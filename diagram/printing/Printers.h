#pragma once
// The printers a diagram can print on: one list for the whole process, shared by every
// diagram, whose current printer is the one page computations and printing use. A printer
// of the machine (TDiagramRealPrinter) talks to the installed printer backend; without any
// the list holds the "Generic printer", which serves page computations but cannot print.
// A PDF file printer (PdfPrinter.h) is always at the end of the list, so printing is
// possible on every machine.
#include <QString>
#include <memory>
#include <vector>

#include "diagram/libraries/DiagramException.h"
#include "diagram/printing/PageDevice.h"
#include "diagram/printing/PrinterBackend.h"

class QPainter;
class QWidget;

namespace tarnwick {

class TCanvas;

TARNWICK_EXCEPTION(EDiagramPrintException, EDiagramException);

using TDiagramPrinterPaperInfo = TPaperSize;

class TDiagramPrinter {
 public:
  explicit TDiagramPrinter(const QString& ADeviceName, const QString& APort = QString());
  virtual ~TDiagramPrinter();
  TDiagramPrinter(const TDiagramPrinter&) = delete;
  TDiagramPrinter& operator=(const TDiagramPrinter&) = delete;

  virtual void Initialize() {}
  virtual void BeginDoc() {}
  virtual void NewPage() {}
  virtual void EndDoc() {}
  virtual void EndPage() {}
  virtual void SetupPrinter(int APaperId, bool ALandscape, bool ACollate, TDuplexType ADuplex, double APaperHeight,
                            double APaperWidth) {
    (void)APaperId, (void)ALandscape, (void)ACollate, (void)ADuplex, (void)APaperHeight, (void)APaperWidth;
  }
  virtual bool PropertiesDlg(QWidget* AParent) {
    (void)AParent;
    return false;
  }
  // Drops a job in progress (after a failure or a cancel); nothing by default.
  virtual void AbortDoc() { FPrinting = false; }
  // Whether documents can be printed on it at all (the generic printer cannot).
  virtual bool CanPrint() const { return false; }

  const QString& GetDeviceName() const { return FDeviceName; }
  const QString& GetPort() const { return FPort; }
  int PaperCount() const { return static_cast<int>(FPapers.size()); }
  const TDiagramPrinterPaperInfo& GetPaper(int I) const { return FPapers.at(static_cast<size_t>(I)); }
  const std::vector<TDiagramPrinterPaperInfo>& GetPapers() const { return FPapers; }
  int BinCount() const { return static_cast<int>(FBins.size()); }
  QString GetBinName(int I) const { return FBins.at(static_cast<size_t>(I)).Name; }
  int GetBinID(int I) const { return FBins.at(static_cast<size_t>(I)).Id; }
  int GetBin() const { return FBin; }
  const TDiagramPrinterPaperInfo& GetDefPaper() const { return FDefPaper; }
  TDiagramPageOrientation GetDefOrientation() const { return FDefOrientation; }
  TDiagramPageOrientation GetOrientation() const { return FOrientation; }
  TPoint GetDPI() const { return FDPI; }
  double GetLeftMargin() const { return FLeftMargin; }
  double GetTopMargin() const { return FTopMargin; }
  double GetRightMargin() const { return FRightMargin; }
  double GetBottomMargin() const { return FBottomMargin; }
  bool IsInitialized() const { return FInitialized; }
  bool IsPrinting() const { return FPrinting; }
  const QString& GetTitle() const { return FTitle; }
  void SetTitle(const QString& Value) { FTitle = Value; }
  int MMToPixelsX(double AMM) const;
  int MMToPixelsY(double AMM) const;
  int PixelsToMMX(int APixels) const;
  int PixelsToMMY(int APixels) const;

  // The drawing surface between BeginDoc and EndDoc (null otherwise).
  virtual TCanvas* GetCanvas() { return nullptr; }
  // The page number the next NewPage starts (for the job's record and its progress).
  void SetPageNumber(int APageNo) { FPageNo = APageNo; }

  // What page settings and pagination see of this printer.
  const TPageDevice& PageDevice() const { return FDevice; }

 protected:
  // Copies the fields into PageDevice(); each kind calls it after they change.
  void SyncDevice();
  void RequireInitialized() const;

  int FBin = -1;
  std::vector<TPrinterTray> FBins;
  TDiagramPageOrientation FDefOrientation = dpoPortrait;
  TDiagramPrinterPaperInfo FDefPaper;
  TPoint FDPI{300, 300};
  bool FInitialized = false;
  QString FDeviceName;
  std::vector<TDiagramPrinterPaperInfo> FPapers;
  double FLeftMargin = 0.0;
  double FTopMargin = 0.0;
  double FRightMargin = 0.0;
  double FBottomMargin = 0.0;
  TDiagramPageOrientation FOrientation = dpoPortrait;
  QString FPort;
  bool FPrinting = false;
  QString FTitle;
  int FPageNo = 0;
  TPageDevice FDevice;
};

// Stands in when the machine has no printer: page computations work (300 DPI, the
// built-in papers, A4), printing does not.
class TDiagramGenericPrinter : public TDiagramPrinter {
 public:
  static inline const QString GenericName = QStringLiteral("Generic printer");
  TDiagramGenericPrinter() : TDiagramPrinter(GenericName) {}
  void Initialize() override { FInitialized = true; }
};

// A printer of the machine, reached through the printer backend.
class TDiagramRealPrinter : public TDiagramPrinter {
 public:
  TDiagramRealPrinter(IPrinterBackend& ABackend, const QString& ADeviceName, const QString& APort);
  ~TDiagramRealPrinter() override;

  void Initialize() override;
  void BeginDoc() override;
  void NewPage() override;
  void EndDoc() override;
  void EndPage() override;
  void SetupPrinter(int APaperId, bool ALandscape, bool ACollate, TDuplexType ADuplex, double APaperHeight,
                    double APaperWidth) override;
  bool PropertiesDlg(QWidget* AParent) override;
  void AbortDoc() override;
  bool CanPrint() const override { return true; }
  TCanvas* GetCanvas() override;
  bool CanDuplex() const { return FCanDuplex; }
  bool CanCollate() const { return FCanCollate; }
  // The setup SetupPrinter applied last.
  const TPrinterSetup& GetSetup() const { return FSetup; }

 private:
  void ReadGeometry(const TPrinterGeometry& AGeometry);

  IPrinterBackend& FBackend;
  TPrinterSetup FSetup;
  bool FCanDuplex = false;
  bool FCanCollate = false;
  bool FPageOpen = false;
  std::unique_ptr<IPrintJob> FJob;
  std::unique_ptr<TCanvas> FCanvas;
};

class TDiagramPrinters {
 public:
  explicit TDiagramPrinters(IPrinterBackend& ABackend);
  ~TDiagramPrinters();

  int Count() const { return static_cast<int>(FPrinters.size()); }
  QString GetName(int I) const;
  TDiagramPrinter* GetPrinterObject(int I) const;
  QStringList Names() const;
  int GetPrinterIndex() const { return FPrinterIndex; }
  // A negative index selects the platform's default printer (letter case ignored), or the
  // first one; the printer chosen is initialised.
  void SetPrinterIndex(int Value);
  // The current printer, initialised; null when the index is out of range.
  TDiagramPrinter* Printer();
  QString DefaultPrinterName() const;
  bool HasPrinterInstalled() const { return FHasPrinterInstalled; }
  int IndexOf(const QString& AName) const;
  IPrinterBackend& Backend() const { return FBackend; }

 private:
  IPrinterBackend& FBackend;
  bool FHasPrinterInstalled = false;
  std::vector<std::pair<QString, std::unique_ptr<TDiagramPrinter>>> FPrinters;
  int FPrinterIndex = -1;
};

// The process's printer list, created on first use with the installed backend.
TDiagramPrinters& DiagramPrinters();
// Installs the printing service (null: a machine without printers) and builds the printer
// list anew on next use; the current printer becomes the default one again.
void SetPrinterBackend(std::unique_ptr<IPrinterBackend> ABackend);

// The current printer of the list, initialised: the printer every diagram prints on.
TDiagramPrinter* DPrinter();

}  // namespace tarnwick
