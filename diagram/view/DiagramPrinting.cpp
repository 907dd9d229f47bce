// Printing a diagram. Every function here changes the diagram's paint state (zoom ratio,
// adjust ratios, paint pass, engine) only for its own duration and restores it also when
// painting fails.
#include "diagram/view/DiagramPrinting.h"

#include <QPainter>
#include <map>

#include "diagram/printing/PageList.h"
#include "diagram/printing/PageSettings.h"
#include "diagram/printing/Pagination.h"
#include "diagram/printing/Printers.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramExporter.h"
#include "graphics/DgrTypes.h"
#include "platform/core/Component.h"
#include "platform/core/Math.h"
#include "platform/core/ScopeGuard.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Progress.h"

namespace tarnwick {

namespace {

// Keeps each diagram's print settings and forgets them when the diagram goes.
class TPrintSettingsKeeper : public TComponent {
 public:
  TPrintSettingsKeeper() : TComponent(nullptr) {}
  TDiagramPrintSettings& Of(TdvDiagram& ADiagram) {
    auto it = FSettings.find(&ADiagram);
    if (it == FSettings.end()) {
      ADiagram.FreeNotification(this);
      it = FSettings.emplace(&ADiagram, TDiagramPrintSettings{}).first;
    }
    return it->second;
  }

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove) FSettings.erase(AComponent);
  }

 private:
  std::map<const TComponent*, TDiagramPrintSettings> FSettings;
};

TPrintSettingsKeeper& Keeper() {
  // Lives as long as the process: diagrams may outlive any other owner.
  static TPrintSettingsKeeper* keeper = Create<TPrintSettingsKeeper>();
  return *keeper;
}

TPrintDialogRunner& DialogRunner() {
  static TPrintDialogRunner runner;
  return runner;
}

bool Refuse(QString* AMessage, const QString& AText) {
  if (AMessage) *AMessage = AText;
  return false;
}

// The pass state a print or render call changes, restored when it ends.
class TPassState {
 public:
  explicit TPassState(TdvDiagram& ADiagram)
      : FDiagram(ADiagram), FZoom(TDiagramExporter::SwapZoomRatio(ADiagram, 1.0)) {}
  ~TPassState() {
    TDiagramExporter::SwapZoomRatio(FDiagram, FZoom);
    FDiagram.SetAdjustRatio(1.0, 1.0);
  }
  TPassState(const TPassState&) = delete;
  TPassState& operator=(const TPassState&) = delete;

 private:
  TdvDiagram& FDiagram;
  double FZoom;
};

TDot OriginOfPage(TdvDiagram& ADiagram, int APageNo, const TSquare& APrintable) {
  return PageOrigin(APageNo, ADiagram.GetPageColCount(), APrintable.Right - APrintable.Left,
                    APrintable.Bottom - APrintable.Top);
}

}  // namespace

TDiagramPrintSettings& PrintSettingsOf(TdvDiagram& ADiagram) { return Keeper().Of(ADiagram); }

void AttachDiagramPrinters(TdvDiagram& ADiagram) {
  ADiagram.GetPageSettings()->DeviceSource = []() -> const TPageDevice* {
    TDiagramPrinter* p = DPrinter();
    return p ? &p->PageDevice() : nullptr;
  };
}

void SetPrintDialogRunner(TPrintDialogRunner ARunner) { DialogRunner() = std::move(ARunner); }

void SetupPrinterFor(TdvDiagram& ADiagram, TDiagramPrinter& APrinter) {
  const TDiagramPageSettings& ps = *ADiagram.GetPageSettings();
  const TDiagramPrintSettings& s = PrintSettingsOf(ADiagram);
  APrinter.SetupPrinter(ps.GetPaperId(), ps.GetOrientation() == dpoLandscape, s.Collation, s.Duplex,
                        ps.GetPaperHeight(), ps.GetPaperWidth());
}

bool Print(TdvDiagram& ADiagram, bool AShowDialog, QString* AMessage) {
  TDiagramPrinters& printers = DiagramPrinters();
  const bool dialog = AShowDialog && DialogRunner();
  // Without a dialog the job goes to the current printer; with one the user may still
  // choose a printer that prints (the PDF file is always there).
  TDiagramPrinter* printer = printers.Printer();
  if (!dialog && (!printer || !printer->CanPrint())) return Refuse(AMessage, NoPrinterMessage);
  const TDiagramPrintSettings& s = PrintSettingsOf(ADiagram);
  int copies = s.Copies;
  QString pages = s.PageNumbers;
  if (printer && printer->CanPrint()) SetupPrinterFor(ADiagram, *printer);
  if (dialog && !DialogRunner()(ADiagram, copies, pages)) return false;
  printer = printers.Printer();
  if (!printer || !printer->CanPrint()) return Refuse(AMessage, NoPrinterMessage);
  return PrintPages(ADiagram, *printer, copies, pages, AMessage);
}

bool PrintPages(TdvDiagram& ADiagram, TDiagramPrinter& APrinter, int ACopies, const QString& APageNumbers,
                QString* AMessage) {
  if (!APrinter.CanPrint()) return Refuse(AMessage, NoPrinterMessage);
  // An empty job would still feed the printer (or write an empty file) and claim success.
  if (ACopies < 1) return Refuse(AMessage, QStringLiteral("The number of copies must be at least 1"));
  SetupPrinterFor(ADiagram, APrinter);
  const QString title = PrintSettingsOf(ADiagram).Title;
  APrinter.SetTitle(title.isEmpty() ? QStringLiteral("Diagram") : title);
  // Raises the conversion error before anything reaches the printer.
  const TPageList list(APageNumbers, ADiagram.GetPageCount());
  const int pageCount = ADiagram.GetPageCount();
  const std::vector<int> pages = list.Pages(pageCount);
  if (pages.empty())
    return Refuse(AMessage, QStringLiteral("The pages \"%1\" select no page of the %2 this diagram has")
                                .arg(APageNumbers, pageCount == 1 ? QStringLiteral("1 page")
                                                                  : QStringLiteral("%1 pages").arg(pageCount)));

  // The substitute Direct2D engine does not draw onto printers; GDI+ does while it prints.
  const TDgrGraphicLib engine = ADiagram.GetGraphicLib();
  const bool switchEngine = engine == dglDirect2D && IsDirect2DSupported();
  if (switchEngine) ADiagram.SetGraphicLib(dglGDIPlus);
  TScopeExit restoreEngine([&] {
    if (switchEngine) ADiagram.SetGraphicLib(engine);
  });

  ADiagram.SetPreviewZoom(1.0);
  const TSquare printable = ADiagram.GetPageSettings()->PrintableRect();
  const TRect clip{Round(printable.Left), Round(printable.Top), Round(printable.Right), Round(printable.Bottom)};
  APrinter.BeginDoc();
  bool finished = false;
  TScopeExit abort([&] {
    if (!finished) APrinter.AbortDoc();
  });
  {
    const TPassState state(ADiagram);
    const qint64 total = qint64{ACopies} * static_cast<qint64>(pages.size());
    qint64 done = 0;
    CheckProgress(done, total);
    for (int copy = 0; copy < ACopies; ++copy) {
      for (int j : pages) {
        APrinter.SetPageNumber(j);
        APrinter.NewPage();
        TCanvas* canvas = APrinter.GetCanvas();
        if (canvas && canvas->GetPainter()) {
          QPainter& painter = *canvas->GetPainter();
          painter.save();
          painter.setClipRect(clip.Left, clip.Top, clip.Right - clip.Left, clip.Bottom - clip.Top, Qt::IntersectClip);
          TScopeExit restorePainter([&] { painter.restore(); });
          const TDot origin = OriginOfPage(ADiagram, j, printable);
          ADiagram.PaintAs(*canvas, psPrint, TDot{origin.X + printable.Left, origin.Y + printable.Top});
        }
        APrinter.EndPage();
        CheckProgress(++done, total);
      }
    }
  }
  finished = true;
  APrinter.EndDoc();
  return true;
}

bool PrintToCanvas(TdvDiagram& ADiagram, TCanvas& ACanvas, int APageNo, int ALeft, int ATop, int AWidth, int AHeight,
                   bool AsPreview) {
  const TPassState state(ADiagram);
  const TDiagramPageSettings& ps = *ADiagram.GetPageSettings();
  const TPoint paper = ps.PaperSizePixels();
  double ax = 1.0, ay = 1.0;
  if (AsPreview && paper.X > 0 && paper.Y > 0) {
    ax = double(AWidth) / paper.X;
    ay = double(AHeight) / paper.Y;
  }
  ADiagram.SetAdjustRatio(ax, ay);
  QPainter* painter = ACanvas.GetPainter();
  if (painter) {
    painter->save();
    painter->setClipRect(ALeft, ATop, AWidth, AHeight, Qt::IntersectClip);
  }
  TScopeExit restorePainter([&] {
    if (painter) painter->restore();
  });
  // The caller's rectangle is the page's origin: the printable margins are not added.
  const TDot origin = OriginOfPage(ADiagram, APageNo, ps.PrintableRect());
  ADiagram.PaintAs(ACanvas, AsPreview ? psPreview : psPrint,
                   TDot{origin.X + (ax != 0 ? ALeft / ax : ALeft), origin.Y + (ay != 0 ? ATop / ay : ATop)});
  return true;
}

QImage RenderPreviewPart(TdvDiagram& ADiagram, int APageIdx, int AWidth, int AHeight, const QRect& APart) {
  const TDiagramPageSettings& ps = *ADiagram.GetPageSettings();
  const TSquare printable = ps.PrintableRect();
  const TPoint paper = ps.PaperSizePixels();
  if (paper.X <= 0 || paper.Y <= 0) return QImage();
  if (AWidth == 0) AWidth = paper.X;
  if (AHeight == 0) AHeight = paper.Y;
  const QRect part = APart.intersected(QRect(0, 0, AWidth, AHeight));
  if (part.isEmpty()) return QImage();
  QImage image(part.size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);

  const TPassState state(ADiagram);
  const double ax = double(AWidth) / paper.X, ay = double(AHeight) / paper.Y;
  ADiagram.SetAdjustRatio(ax, ay);
  QPainter painter(&image);
  painter.translate(-part.left(), -part.top());
  painter.setClipRect(part);
  TCanvas canvas(&painter);
  const TDot origin = OriginOfPage(ADiagram, APageIdx, printable);
  ADiagram.PaintAs(canvas, psPreview, TDot{origin.X + printable.Left, origin.Y + printable.Top});

  // Whatever reached into the margins is covered: the page shows what the printer prints.
  const int l = Round(printable.Left * ax), t = Round(printable.Top * ay);
  const int r = Round(printable.Right * ax), b = Round(printable.Bottom * ay);
  painter.setClipping(false);
  const QColor white(Qt::white);
  painter.fillRect(QRect(QPoint(0, 0), QPoint(l, AHeight)), white);
  painter.fillRect(QRect(QPoint(0, 0), QPoint(AWidth, t - 1)), white);
  painter.fillRect(QRect(QPoint(r, 0), QPoint(AWidth - 1, AHeight - 1)), white);
  painter.fillRect(QRect(QPoint(0, b), QPoint(AWidth - 1, AHeight - 1)), white);
  return image;
}

TBitmap* BuildPreviewBitmap(TdvDiagram& ADiagram, int APageIdx, int AWidth, int AHeight) {
  const TPoint paper = ADiagram.GetPageSettings()->PaperSizePixels();
  if (paper.X <= 0 || paper.Y <= 0) return nullptr;
  if (AWidth == 0) AWidth = paper.X;
  if (AHeight == 0) AHeight = paper.Y;
  const QImage image = RenderPreviewPart(ADiagram, APageIdx, AWidth, AHeight, QRect(0, 0, AWidth, AHeight));
  TOwned<TBitmap> bitmap(Create<TBitmap>());
  bitmap->SetImage(image);
  return bitmap.release();
}

}  // namespace tarnwick
