#include "diagram/printing/qt/QtPrinterBackend.h"

#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>
#include <map>

namespace tarnwick {

namespace {

// Papers the table does not know get ids above the custom size's, in the printer's order,
// so they are never taken for one of the table's papers.
constexpr int FirstUnlistedPaperId = 257;

class TQtPrintJob : public IPrintJob {
 public:
  explicit TQtPrintJob(QPrinter& APrinter) : FPrinter(APrinter) { FPainter.begin(&FPrinter); }
  ~TQtPrintJob() override {
    if (FPainter.isActive()) Abort();
  }
  bool Started() const { return FPainter.isActive(); }
  // Starting the painter started the first sheet.
  bool NewPage(int) override { return FPages++ == 0 || FPrinter.newPage(); }
  void EndPage() override {}
  QPainter* Painter() override { return FPainter.isActive() ? &FPainter : nullptr; }
  bool Finish() override { return FPainter.end(); }
  void Abort() override {
    FPrinter.abort();
    if (FPainter.isActive()) FPainter.end();
  }

 private:
  QPrinter& FPrinter;
  QPainter FPainter;
  int FPages = 0;
};

class TQtPrinterBackend : public IPrinterBackend {
 public:
  std::vector<TPrinterEntry> ListPrinters() override {
    std::vector<TPrinterEntry> list;
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters())
      list.push_back(TPrinterEntry{info.printerName(), info.location()});
    return list;
  }

  QString DefaultPrinterName() override { return QPrinterInfo::defaultPrinterName(); }

  std::optional<TPrinterSettings> OpenPrinter(const QString& AName) override {
    const QPrinterInfo info = QPrinterInfo::printerInfo(AName);
    if (info.isNull()) return std::nullopt;
    QPrinter& printer = PrinterFor(AName);
    if (!printer.isValid()) return std::nullopt;
    TPrinterSettings s;
    int unlisted = FirstUnlistedPaperId;
    for (const QPageSize& size : info.supportedPageSizes()) s.Papers.push_back(PaperOf(size, unlisted));
    s.DefPaperId = IdOf(info.defaultPageSize(), s.Papers);
    s.DefOrientation = printer.pageLayout().orientation() == QPageLayout::Landscape ? dpoLandscape : dpoPortrait;
    // Qt does not list a printer's trays: the printer layer offers "Default tray".
    const QList<QPrinter::DuplexMode> duplex = info.supportedDuplexModes();
    s.CanDuplex = duplex.contains(QPrinter::DuplexLongSide) || duplex.contains(QPrinter::DuplexShortSide);
    s.CanCollate = true;
    s.Geometry = GeometryOf(printer);
    return s;
  }

  TPrinterGeometry ApplySetup(const QString& AName, const TPrinterSetup& ASetup) override {
    QPrinter& printer = PrinterFor(AName);
    if (ASetup.PaperWidth > 0 && ASetup.PaperHeight > 0)
      printer.setPageSize(QPageSize(QSizeF(ASetup.PaperWidth, ASetup.PaperHeight), QPageSize::Millimeter));
    printer.setPageOrientation(ASetup.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setDuplex(ASetup.Duplex == dpVertical     ? QPrinter::DuplexLongSide
                      : ASetup.Duplex == dpHorizontal ? QPrinter::DuplexShortSide
                                                      : QPrinter::DuplexNone);
    printer.setCollateCopies(ASetup.Collate);
    if (ASetup.Bin > 0) printer.setPaperSource(QPrinter::PaperSource(ASetup.Bin - 1));
    return GeometryOf(printer);
  }

  std::unique_ptr<IPrintJob> StartJob(const QString& AName, const TPrinterSetup& ASetup,
                                      const QString& ATitle) override {
    QPrinter& printer = PrinterFor(AName);
    ApplySetup(AName, ASetup);
    printer.setDocName(ATitle);
    // Copies are printed by repeating the pages; the printer makes one of each sheet.
    printer.setCopyCount(1);
    auto job = std::make_unique<TQtPrintJob>(printer);
    if (!job->Started()) return nullptr;
    return job;
  }

  bool PropertiesDialog(const QString& AName, QWidget* AParent, int& ABin) override {
    QPrinter& printer = PrinterFor(AName);
    QPageSetupDialog dialog(&printer, AParent);
    if (dialog.exec() != QDialog::Accepted) return false;
    ABin = int(printer.paperSource()) + 1;
    return true;
  }

 private:
  QPrinter& PrinterFor(const QString& AName) {
    auto it = FPrinters.find(AName);
    if (it == FPrinters.end()) {
      auto printer = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(AName), QPrinter::HighResolution);
      // Drawing starts at the paper's corner: page geometry places the margins itself.
      printer->setFullPage(true);
      it = FPrinters.emplace(AName, std::move(printer)).first;
    }
    return *it->second;
  }

  static TPrinterGeometry GeometryOf(QPrinter& APrinter) {
    TPrinterGeometry g;
    const int dpi = APrinter.resolution();
    g.DPI = TPoint{dpi, dpi};
    QPageLayout layout = APrinter.pageLayout();
    const QSizeF size = layout.pageSize().size(QPageSize::Millimeter);
    g.PaperWidth = size.width();
    g.PaperHeight = size.height();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF m = layout.minimumMargins();
    g.LeftMargin = m.left();
    g.TopMargin = m.top();
    g.RightMargin = m.right();
    g.BottomMargin = m.bottom();
    return g;
  }

  static TPaperSize PaperOf(const QPageSize& ASize, int& AUnlisted) {
    const QSizeF mm = ASize.size(QPageSize::Millimeter);
    const int id = TablePaperIdForSize(mm.width(), mm.height());
    if (id > 0)
      if (const TPaperSize* p = FindPaper(BuiltInPapers(), id)) return *p;
    return TPaperSize{AUnlisted++, ASize.name(), mm.width(), mm.height()};
  }

  static int IdOf(const QPageSize& ASize, const std::vector<TPaperSize>& APapers) {
    const QSizeF mm = ASize.size(QPageSize::Millimeter);
    for (const TPaperSize& p : APapers)
      if (std::abs(p.Width - mm.width()) <= 0.5 && std::abs(p.Height - mm.height()) <= 0.5) return p.Id;
    return 0;
  }

  std::map<QString, std::unique_ptr<QPrinter>> FPrinters;
};

}  // namespace

int TablePaperIdForSize(double AWidth, double AHeight) {
  for (const TPaperSize& p : BuiltInPapers())
    if (std::abs(p.Width - AWidth) <= 0.5 && std::abs(p.Height - AHeight) <= 0.5) return p.Id;
  return 0;
}

std::unique_ptr<IPrinterBackend> CreateQtPrinterBackend() { return std::make_unique<TQtPrinterBackend>(); }

}  // namespace tarnwick
