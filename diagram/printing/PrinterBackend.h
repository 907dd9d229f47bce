#pragma once
// The printing service of the machine, as the printer layer needs it: which printers there
// are, what each offers, and print jobs. The program installs the implementation over Qt's
// print support (CUPS underneath); tests install a fake with printers of their own. Without
// one installed the machine has no printers.
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "diagram/printing/PageOrientation.h"
#include "diagram/printing/PaperSizes.h"
#include "platform/core/Types.h"

class QPainter;
class QWidget;

namespace tarnwick {

enum TDuplexType { dpNone, dpVertical, dpHorizontal };

struct TPrinterEntry {
  QString Name;  // the device name
  QString Port;  // where the printer is ("" when the platform does not say)
};

struct TPrinterTray {
  int Id = 0;
  QString Name;
};

// Resolution and page geometry of a printer for the paper and orientation set up last.
struct TPrinterGeometry {
  TPoint DPI{0, 0};
  double PaperWidth = 0.0;  // millimetres, as the printer holds the paper now
  double PaperHeight = 0.0;
  // Unprintable edges in millimetres.
  double LeftMargin = 0.0;
  double TopMargin = 0.0;
  double RightMargin = 0.0;
  double BottomMargin = 0.0;
};

// What opening a printer tells: its settings and what it offers.
struct TPrinterSettings {
  TPrinterGeometry Geometry;
  int DefPaperId = 0;  // numbered as the built-in paper table
  TDiagramPageOrientation DefOrientation = dpoPortrait;
  std::vector<TPaperSize> Papers;  // numbered as the built-in paper table
  std::vector<TPrinterTray> Trays;
  bool CanDuplex = false;
  bool CanCollate = false;
};

// How a job is to be printed.
struct TPrinterSetup {
  int PaperId = 0;
  bool Landscape = false;
  bool Collate = false;
  TDuplexType Duplex = dpNone;
  double PaperWidth = 0.0;  // millimetres; used for a custom paper size
  double PaperHeight = 0.0;
  int Bin = -1;  // tray id, -1: the printer's choice
};

// One print job. Drawing goes through Painter() in printer pixels with the origin at the
// corner of the paper.
class IPrintJob {
 public:
  virtual ~IPrintJob() = default;
  // Starts page APageNo (the diagram's page number, for the job's own record); the first
  // call starts the first sheet. False when the platform refused.
  virtual bool NewPage(int APageNo) = 0;
  virtual void EndPage() = 0;
  virtual QPainter* Painter() = 0;
  // Ends the document and hands it to the printer; false when that failed.
  virtual bool Finish() = 0;
  // Drops the job: nothing (or as little as the platform allows) is printed.
  virtual void Abort() = 0;
};

class IPrinterBackend {
 public:
  virtual ~IPrinterBackend() = default;
  virtual std::vector<TPrinterEntry> ListPrinters() = 0;
  // "" when the platform names none.
  virtual QString DefaultPrinterName() = 0;
  // The printer's settings; nothing when they could not be fetched.
  virtual std::optional<TPrinterSettings> OpenPrinter(const QString& AName) = 0;
  // Applies a setup and returns the geometry that results.
  virtual TPrinterGeometry ApplySetup(const QString& AName, const TPrinterSetup& ASetup) = 0;
  // Null when the job could not start.
  virtual std::unique_ptr<IPrintJob> StartJob(const QString& AName, const TPrinterSetup& ASetup,
                                              const QString& ATitle) = 0;
  // The printer's own settings dialog; true when confirmed, with the chosen tray in ABin.
  virtual bool PropertiesDialog(const QString& AName, QWidget* AParent, int& ABin) {
    (void)AName, (void)AParent, (void)ABin;
    return false;
  }
};

}  // namespace tarnwick
