#include "diagram/printing/Printers.h"

#include <QPainter>
#include <QStringList>

#include "diagram/printing/PdfPrinter.h"
#include "platform/core/Math.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Font.h"

namespace tarnwick {

namespace {

constexpr double MMPerInch = 25.4;
constexpr int DefaultTrayId = 7;
constexpr int DefaultPaperId = 9;

// A machine without a printing service: no printers.
class TNoPrinters : public IPrinterBackend {
 public:
  std::vector<TPrinterEntry> ListPrinters() override { return {}; }
  QString DefaultPrinterName() override { return QString(); }
  std::optional<TPrinterSettings> OpenPrinter(const QString&) override { return std::nullopt; }
  TPrinterGeometry ApplySetup(const QString&, const TPrinterSetup&) override { return {}; }
  std::unique_ptr<IPrintJob> StartJob(const QString&, const TPrinterSetup&, const QString&) override { return nullptr; }
};

struct TPrinterService {
  std::unique_ptr<IPrinterBackend> Backend = std::make_unique<TNoPrinters>();
  std::unique_ptr<TDiagramPrinters> Printers;
};

TPrinterService& Service() {
  static TPrinterService service;
  return service;
}

}  // namespace

// ---- TDiagramPrinter ----

TDiagramPrinter::TDiagramPrinter(const QString& ADeviceName, const QString& APort)
    : FDeviceName(ADeviceName), FPapers(BuiltInPapers()), FPort(APort) {
  FBins.push_back(TPrinterTray{DefaultTrayId, QStringLiteral("Default tray")});
  FDefPaper.Id = DefaultPaperId;
  FDefPaper.Width = 210;
  FDefPaper.Height = 297;
  if (const TPaperSize* p = FindPaper(FPapers, DefaultPaperId)) FDefPaper.Name = p->Name;
  SyncDevice();
}

TDiagramPrinter::~TDiagramPrinter() = default;

int TDiagramPrinter::MMToPixelsX(double AMM) const { return Trunc(AMM / MMPerInch * FDPI.X); }
int TDiagramPrinter::MMToPixelsY(double AMM) const { return Trunc(AMM / MMPerInch * FDPI.Y); }
// A resolution of 0 gives 0 rather than a division by zero.
int TDiagramPrinter::PixelsToMMX(int APixels) const { return FDPI.X ? Trunc(APixels * MMPerInch / FDPI.X) : 0; }
int TDiagramPrinter::PixelsToMMY(int APixels) const { return FDPI.Y ? Trunc(APixels * MMPerInch / FDPI.Y) : 0; }

void TDiagramPrinter::SyncDevice() {
  FDevice.DPI = FDPI;
  FDevice.DefPaper = FDefPaper;
  FDevice.DefOrientation = FDefOrientation;
  FDevice.MinLeftMargin = FLeftMargin;
  FDevice.MinTopMargin = FTopMargin;
  FDevice.MinRightMargin = FRightMargin;
  FDevice.MinBottomMargin = FBottomMargin;
  FDevice.Papers = FPapers;
}

void TDiagramPrinter::RequireInitialized() const {
  if (!FInitialized) throw EDiagramPrintException(QStringLiteral("Printer not initialized"));
}

// ---- TDiagramRealPrinter ----

TDiagramRealPrinter::TDiagramRealPrinter(IPrinterBackend& ABackend, const QString& ADeviceName, const QString& APort)
    : TDiagramPrinter(ADeviceName, APort), FBackend(ABackend) {}

TDiagramRealPrinter::~TDiagramRealPrinter() {
  if (FJob) FJob->Abort();
}

void TDiagramRealPrinter::ReadGeometry(const TPrinterGeometry& AGeometry) {
  // A resolution of 0 tells nothing; the sizes stay as they were.
  if (AGeometry.DPI.X <= 0 || AGeometry.DPI.Y <= 0) return;
  FDPI = AGeometry.DPI;
  if (AGeometry.PaperWidth > 0 && AGeometry.PaperHeight > 0) {
    FDefPaper.Width = AGeometry.PaperWidth;
    FDefPaper.Height = AGeometry.PaperHeight;
  }
  FLeftMargin = AGeometry.LeftMargin;
  FTopMargin = AGeometry.TopMargin;
  FRightMargin = AGeometry.RightMargin;
  FBottomMargin = AGeometry.BottomMargin;
}

void TDiagramRealPrinter::Initialize() {
  if (FInitialized) return;
  const std::optional<TPrinterSettings> settings = FBackend.OpenPrinter(FDeviceName);
  if (!settings) return;
  ReadGeometry(settings->Geometry);
  FDefOrientation = settings->DefOrientation;
  FOrientation = FDefOrientation;
  FPapers.clear();
  for (const TPaperSize& p : settings->Papers)
    if (p.Id != CustomPaperId) FPapers.push_back(p);
  FBins.clear();
  for (const TPrinterTray& t : settings->Trays)
    if (t.Id != DefaultTrayId) FBins.push_back(t);
  // A printer that names no tray still has one to print from.
  if (FBins.empty()) FBins.push_back(TPrinterTray{DefaultTrayId, QStringLiteral("Default tray")});
  FBin = -1;
  FCanDuplex = settings->CanDuplex;
  FCanCollate = settings->CanCollate;
  FDefPaper.Id = settings->DefPaperId;
  if (const TPaperSize* p = FindPaper(FPapers, FDefPaper.Id)) FDefPaper.Name = p->Name;
  FInitialized = true;
  SyncDevice();
}

void TDiagramRealPrinter::BeginDoc() {
  RequireInitialized();
  FSetup.Bin = FBin;
  FJob = FBackend.StartJob(FDeviceName, FSetup, FTitle);
  if (!FJob || !FJob->Painter())
    throw EDiagramPrintException(QStringLiteral("The printer \"%s\" could not start the job"), FDeviceName);
  FPrinting = true;
  FPageOpen = false;
  FCanvas = std::make_unique<TCanvas>(FJob->Painter());
  // Fonts are measured at the printer's resolution, keeping their size in points.
  FCanvas->GetFont()->SetPixelsPerInch(FDPI.Y);
}

void TDiagramRealPrinter::NewPage() {
  RequireInitialized();
  if (!FJob) return;
  if (!FJob->NewPage(FPageNo)) throw EDiagramPrintException(QStringLiteral("The printer refused a new page"));
  FPageOpen = true;
}

void TDiagramRealPrinter::EndPage() {
  RequireInitialized();
  if (FJob && FPageOpen) FJob->EndPage();
  FPageOpen = false;
}

void TDiagramRealPrinter::EndDoc() {
  RequireInitialized();
  FCanvas.reset();
  // A failure to end the job is not reported: the pages have gone to the printer.
  if (FJob) FJob->Finish();
  FJob.reset();
  FPrinting = false;
  FBin = -1;
}

void TDiagramRealPrinter::AbortDoc() {
  FCanvas.reset();
  if (FJob) FJob->Abort();
  FJob.reset();
  FPrinting = false;
  FPageOpen = false;
}

TCanvas* TDiagramRealPrinter::GetCanvas() { return FCanvas.get(); }

void TDiagramRealPrinter::SetupPrinter(int APaperId, bool ALandscape, bool ACollate, TDuplexType ADuplex,
                                       double APaperHeight, double APaperWidth) {
  RequireInitialized();
  FSetup.PaperId = APaperId;
  const bool custom = APaperId == CustomPaperId;
  FSetup.PaperWidth = custom ? APaperWidth : 0.0;
  FSetup.PaperHeight = custom ? APaperHeight : 0.0;
  if (!custom) {
    if (const TPaperSize* p = FindPaper(FPapers, APaperId)) {
      FSetup.PaperWidth = p->Width;
      FSetup.PaperHeight = p->Height;
    }
  }
  FSetup.Landscape = ALandscape;
  FSetup.Duplex = FCanDuplex ? ADuplex : dpNone;
  FSetup.Collate = FCanCollate && ACollate;
  ReadGeometry(FBackend.ApplySetup(FDeviceName, FSetup));
  FOrientation = ALandscape ? dpoLandscape : dpoPortrait;
  if (FCanvas) FCanvas->GetFont()->SetPixelsPerInch(FDPI.Y);
  SyncDevice();
}

bool TDiagramRealPrinter::PropertiesDlg(QWidget* AParent) {
  RequireInitialized();
  int bin = FBin;
  if (!FBackend.PropertiesDialog(FDeviceName, AParent, bin)) return false;
  FBin = bin;
  return true;
}

// ---- TDiagramPrinters ----

TDiagramPrinters::TDiagramPrinters(IPrinterBackend& ABackend) : FBackend(ABackend) {
  for (const TPrinterEntry& e : FBackend.ListPrinters())
    FPrinters.emplace_back(e.Name, std::make_unique<TDiagramRealPrinter>(FBackend, e.Name, e.Port));
  FHasPrinterInstalled = !FPrinters.empty();
  if (!FHasPrinterInstalled)
    FPrinters.emplace_back(TDiagramGenericPrinter::GenericName, std::make_unique<TDiagramGenericPrinter>());
  FPrinters.emplace_back(TDiagramPdfPrinter::PdfName, std::make_unique<TDiagramPdfPrinter>());
  FPrinterIndex = -1;
}

TDiagramPrinters::~TDiagramPrinters() = default;

QString TDiagramPrinters::GetName(int I) const {
  return I >= 0 && I < Count() ? FPrinters[static_cast<size_t>(I)].first : QString();
}

TDiagramPrinter* TDiagramPrinters::GetPrinterObject(int I) const {
  return I >= 0 && I < Count() ? FPrinters[static_cast<size_t>(I)].second.get() : nullptr;
}

QStringList TDiagramPrinters::Names() const {
  QStringList names;
  for (const auto& p : FPrinters) names << p.first;
  return names;
}

int TDiagramPrinters::IndexOf(const QString& AName) const {
  for (int i = 0; i < Count(); ++i)
    if (FPrinters[static_cast<size_t>(i)].first.compare(AName, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

QString TDiagramPrinters::DefaultPrinterName() const { return FBackend.DefaultPrinterName(); }

void TDiagramPrinters::SetPrinterIndex(int Value) {
  if (Value < 0) {
    Value = 0;
    const QString def = DefaultPrinterName();
    if (!def.isEmpty())
      for (int i = 0; i < Count(); ++i)
        if (FPrinters[static_cast<size_t>(i)].second->GetDeviceName().compare(def, Qt::CaseInsensitive) == 0) {
          Value = i;
          break;
        }
  }
  FPrinterIndex = Value;
  if (TDiagramPrinter* p = GetPrinterObject(FPrinterIndex)) p->Initialize();
}

TDiagramPrinter* TDiagramPrinters::Printer() {
  TDiagramPrinter* p = GetPrinterObject(FPrinterIndex);
  if (p) p->Initialize();
  return p;
}

TDiagramPrinters& DiagramPrinters() {
  TPrinterService& s = Service();
  if (!s.Printers) {
    s.Printers = std::make_unique<TDiagramPrinters>(*s.Backend);
    // The list starts on the machine's default printer: computations made before anyone
    // chose a printer then use the printer a job would go to.
    s.Printers->SetPrinterIndex(-1);
  }
  return *s.Printers;
}

void SetPrinterBackend(std::unique_ptr<IPrinterBackend> ABackend) {
  TPrinterService& s = Service();
  s.Printers.reset();
  s.Backend = ABackend ? std::move(ABackend) : std::make_unique<TNoPrinters>();
}

TDiagramPrinter* DPrinter() { return DiagramPrinters().Printer(); }

}  // namespace tarnwick
