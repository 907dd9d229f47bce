// Image export: the frame of an export (four framings), bitmap, BMP and PNG files rendered
// in bands so that a huge drawing neither waits on one encoder nor sits in memory whole,
// SVG, PDF and metafiles through vector devices, and the bitmap on the clipboard.
#include "diagram/view/DiagramExporter.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include "diagram/model/DiagramControl.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramPainter.h"
#include "diagram/view/DiagramViewport.h"
#include "platform/core/Consts.h"
#include "platform/core/Exception.h"
#include "platform/core/List.h"
#include "platform/core/Math.h"
#include "platform/core/ScopeGuard.h"
#include "platform/gui/BandedExport.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/BmpWriter.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/EmfWriter.h"
#include "platform/gui/ImageCodec.h"
#include "platform/gui/PngWriter.h"
#include "platform/gui/Progress.h"
#include "platform/gui/WmfWriter.h"

namespace tarnwick {

namespace {

// Bands of about four megabytes: big enough that a band holds many controls, small enough
// that two of them (one rendering, one encoding) stay far below any image in memory.
int BandRowsFor(int AWidth) { return std::clamp(4 * 1024 * 1024 / (4 * std::max(AWidth, 1)), 16, 4096); }

// A stream onto a file that replaces the old file only once everything is written, so a
// failed export leaves the previous file as it was.
class TSafeFileStream : public TStream {
 public:
  explicit TSafeFileStream(const QString& AFileName) : FFile(AFileName), FName(AFileName) {
    if (!FFile.open(QIODevice::WriteOnly)) throw EFCreateError(msg::FCreateError, AFileName, FFile.errorString());
  }
  int64_t Read(void*, int64_t) override { return 0; }
  int64_t Write(const void* Buffer, int64_t Count) override {
    const int64_t n = FFile.write(static_cast<const char*>(Buffer), Count);
    if (n != Count) throw EWriteError(msg::FCreateError, FName, FFile.errorString());
    return n;
  }
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override {
    const int64_t base = Origin == soBeginning ? 0 : Origin == soCurrent ? FFile.pos() : FFile.size();
    FFile.seek(base + Offset);
    return FFile.pos();
  }
  int64_t GetSize() override { return FFile.size(); }
  void SetSize(int64_t NewSize) override {
    if (!FFile.resize(NewSize)) throw EWriteError(msg::FCreateError, FName, FFile.errorString());
  }
  void Commit() {
    if (!FFile.commit()) throw EWriteError(msg::FCreateError, FName, FFile.errorString());
  }

 private:
  QSaveFile FFile;
  QString FName;
};

// Which controls each band of an export has to paint. Painting tests every control against
// the band it paints, and a large image has many bands: testing all controls for every band
// would make exporting grow with the square of the drawing. So every control's canvas
// rectangle is measured once, the image is cut into rows of buckets, each bucket lists the
// controls that reach into it in z-order, and a band paints only the controls of the
// buckets it covers. The list may hold more than the band shows (a rectangle is widened a
// little against rounding, and groups are always listed, since their members are tested
// one by one when painted), never less: painting still makes its own test for each control.
class TBandControls {
 public:
  TBandControls(const TList<TDiagramControl*>& AControls, const std::vector<TSquare>& ARects, int AHeight,
                int ABucketRows)
      : FControls(AControls), FBucketRows(std::max(ABucketRows, 1)) {
    FBuckets.resize(static_cast<size_t>((std::max(AHeight, 1) + FBucketRows - 1) / FBucketRows));
    FEndingIn.resize(FBuckets.size());
    FStartingIn.resize(FBuckets.size());
    const int last = static_cast<int>(FBuckets.size()) - 1;
    for (int i = 0; i < AControls.Count(); ++i) {
      const TSquare& r = ARects[static_cast<size_t>(i)];
      int first = 0, end = last;
      // Rounding and the width of a pen may reach a little past the rectangle.
      constexpr double Slack = 8;
      if (std::isfinite(r.Top) && std::isfinite(r.Bottom)) {
        if (r.Bottom + Slack < 0 || r.Top - Slack >= AHeight) continue;
        first = std::clamp(static_cast<int>(std::floor((r.Top - Slack) / FBucketRows)), 0, last);
        end = std::clamp(static_cast<int>(std::floor((r.Bottom + Slack) / FBucketRows)), 0, last);
      }
      for (int b = first; b <= end; ++b) FBuckets[static_cast<size_t>(b)].push_back(i);
      FEndingIn[static_cast<size_t>(end)].push_back(i);
      FStartingIn[static_cast<size_t>(first)].push_back(i);
    }
  }

  // The controls for the image rows Top to Top + Rows - 1, in z-order.
  TList<TDiagramControl*> For(int ATop, int ARows) const {
    const int last = static_cast<int>(FBuckets.size()) - 1;
    const int first = std::clamp(ATop / FBucketRows, 0, last);
    const int end = std::clamp((ATop + std::max(ARows, 1) - 1) / FBucketRows, 0, last);
    std::vector<int> picked;
    for (int b = first; b <= end; ++b)
      picked.insert(picked.end(), FBuckets[static_cast<size_t>(b)].begin(), FBuckets[static_cast<size_t>(b)].end());
    if (first != end) {
      std::sort(picked.begin(), picked.end());
      picked.erase(std::unique(picked.begin(), picked.end()), picked.end());
    }
    TList<TDiagramControl*> out;
    for (int i : picked) out.Add(FControls[i]);
    return out;
  }

  // The indexes of the controls no later band reaches into, bands being painted top down
  // (or bottom up): their drawing caches can go.
  std::vector<int> DoneAfter(int ATop, int ARows, bool ABottomUp) const {
    const int last = static_cast<int>(FBuckets.size()) - 1;
    const int first = std::clamp(ATop / FBucketRows, 0, last);
    const int end = std::clamp((ATop + std::max(ARows, 1) - 1) / FBucketRows, 0, last);
    const std::vector<std::vector<int>>& finishing = ABottomUp ? FStartingIn : FEndingIn;
    std::vector<int> done;
    for (int b = first; b <= end; ++b)
      done.insert(done.end(), finishing[static_cast<size_t>(b)].begin(), finishing[static_cast<size_t>(b)].end());
    return done;
  }

 private:
  const TList<TDiagramControl*>& FControls;
  int FBucketRows;
  std::vector<std::vector<int>> FBuckets;     // indexes into FControls, ascending
  std::vector<std::vector<int>> FEndingIn;    // the controls whose last bucket is this one
  std::vector<std::vector<int>> FStartingIn;  // the controls whose first bucket is this one
};

// The canvas rectangle each control is tested with when it paints in an export with this
// offset (see PaintTree), measured once for all bands. A group gets an infinite rectangle:
// its members are tested one by one. Zoom is the diagram's zoom ratio, which an export
// paints at; PreviewZoom is put back afterwards.
std::vector<TSquare> ExportControlRects(TdvDiagram& ADiagram, const TList<TDiagramControl*>& AControls, TDot AOffset,
                                        double AZoom, double APreviewZoom) {
  TScopeExit restore([&ADiagram, APreviewZoom] {
    ADiagram.SetPreviewZoom(APreviewZoom);
    ADiagram.SetPaintPass(psScreen, TDot{0, 0});
  });
  ADiagram.SetPreviewZoom(AZoom);
  ADiagram.SetPaintPass(psBitmap, AOffset);
  QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&probe);
  TCanvas canvas(&painter);
  constexpr double Inf = std::numeric_limits<double>::infinity();
  std::vector<TSquare> rects;
  rects.reserve(static_cast<size_t>(AControls.Count()));
  for (TDiagramControl* c : AControls) {
    if (c->IsGroup()) {
      rects.push_back(TSquare{-Inf, -Inf, Inf, Inf});
      continue;
    }
    c->CalcSize(&canvas);
    rects.push_back(ADiagram.ClientToCanvas(c->GetAngle() != 0 ? c->SurroundRect() : c->ControlRect()));
  }
  return rects;
}

// Renders the image in bands through Render, each band painting only the controls that
// reach into it. Crossing hops are the
// exception: a line hops over the lines below it wherever they are, so with them shown
// every band keeps the whole list.
void RenderIndexedBands(TdvDiagram& ADiagram, const TList<TDiagramControl*>& AControls, TImageBandSink& ASink,
                        int AWidth, int AHeight, TDot AOffset, double AZoom, double APreviewZoom, bool ABottomUp,
                        const std::function<void(QImage&, int)>& ARender) {
  CheckExportSize(AWidth, AHeight);
  const int rows = BandRowsFor(AWidth);
  if (AHeight <= rows || ADiagram.GetShowCrossIndicators()) {
    RenderBanded(AWidth, AHeight, rows, ARender, ASink, ABottomUp);
    return;
  }
  const std::vector<TSquare> rects = ExportControlRects(ADiagram, AControls, AOffset, AZoom, APreviewZoom);
  const TList<TDiagramControl*>& all = AControls;
  const TBandControls index(all, rects, AHeight, rows);
  // A control's drawing caches (engine drawer, paths and what the paint engine keeps with
  // them) are a few kilobytes; kept for every control of a large drawing they would be
  // most of an export's memory. Those the export makes are dropped once the last band a
  // control reaches is painted; the ones the window already had stay for its repaints.
  std::vector<char> hadCaches(static_cast<size_t>(all.Count()));
  for (int i = 0; i < all.Count(); ++i) hadCaches[static_cast<size_t>(i)] = all[i]->DgrDrawerMade();
  ADiagram.SetPaintingBands(true);
  TScopeExit bandsDone([&ADiagram] { ADiagram.SetPaintingBands(false); });
  RenderBanded(
      AWidth, AHeight, rows,
      [&](QImage& band, int top) {
        // The band paints only its own list, and the whole list again afterwards.
        const TList<TDiagramControl*> controls = index.For(top, band.height());
        ADiagram.SetPaintList(&controls);
        TScopeExit allAgain([&ADiagram] { ADiagram.SetPaintList(nullptr); });
        ARender(band, top);
        for (int i : index.DoneAfter(top, band.height(), ABottomUp))
          if (!hadCaches[static_cast<size_t>(i)]) all[i]->FreeDgrDrawer();
      },
      ASink, ABottomUp);
}

}  // namespace

void TDiagramExporter::ExportFrame(TExportSize AExportSize, int& AWidth, int& AHeight, TDot& AOffset) {
  // Sizing may measure a pass; the style goes back to the screen's whatever happens.
  TScopeExit backToScreen([this] { FDiagram.SetPaintPass(psScreen, TDot{0, 0}); });
  const bool empty = FDiagram.FControls->FDControls.Count() == 0;
  // An empty drawing has no smallest left or top: it is framed as if it began at the
  // origin, so the framings give a small image instead of a negative size.
  const double minL = empty ? 0 : FDiagram.FControls->MinLeft(), minT = empty ? 0 : FDiagram.FControls->MinTop();
  double w = 0, h = 0;
  AOffset = TDot{0, 0};
  switch (AExportSize) {
    case esCentered:
      w = FDiagram.GetDiagramWidth() + minL;
      h = FDiagram.GetDiagramHeight() + minT;
      break;
    case esNetto: {
      const double n = FDiagram.FNettoExportOffset;
      AOffset = TDot{n - minL, n - minT};
      w = FDiagram.GetDiagramWidth() + 2 * n - minL;
      h = FDiagram.GetDiagramHeight() + 2 * n - minT;
      break;
    }
    case esPage: {
      // Page sides come in canvas pixels at the zoom already: no second zoom below.
      const TPageGrid grid = FDiagram.CalcPageGrid(true);
      AWidth = Round(grid.Cols * grid.PageWidth);
      AHeight = Round(grid.Rows * grid.PageHeight);
      CheckExportSize(AWidth, AHeight);
      return;
    }
    case esStandard:
    default:
      w = std::max(FDiagram.FHorzScrollBar->GetRange(), FDiagram.GetClientWidth());
      h = std::max(FDiagram.FVertScrollBar->GetRange(), FDiagram.GetClientHeight());
      break;
  }
  if (FDiagram.FViewport->FZoomRatio != 1) {
    w *= FDiagram.FViewport->FZoomRatio;
    h *= FDiagram.FViewport->FZoomRatio;
  }
  // A hostile coordinate must not turn into a giant allocation: the size is checked in
  // 64 bits before anything is made.
  const auto big = [](double v) { return std::isfinite(v) ? std::clamp(v, -1e12, 1e12) : 1e12; };
  const int64_t wl = static_cast<int64_t>(std::nearbyint(big(w))), hl = static_cast<int64_t>(std::nearbyint(big(h)));
  CheckExportSize(wl, hl);
  AWidth = static_cast<int>(wl);
  AHeight = static_cast<int>(hl);
}

void TDiagramExporter::RenderExportBand(QImage& ABand, int ATop, TDot AOffset) {
  QPainter painter(&ABand);
  painter.translate(0, -ATop);
  painter.setClipRect(0, ATop, ABand.width(), ABand.height());
  TCanvas canvas(&painter);
  const TScopedValue<std::optional<TSquare>> band(
      FDiagram.FPainter->FExportBand, TSquare{0, double(ATop), double(ABand.width()), double(ATop + ABand.height())});
  const TScopedValue<double> previewZoom(FDiagram.FViewport->FPreviewZoom, FDiagram.FViewport->FZoomRatio);
  FDiagram.PaintAs(canvas, psBitmap, AOffset);
}

double TDiagramExporter::SwapZoomRatio(TdvDiagram& ADiagram, double ARatio) {
  const double old = ADiagram.FViewport->FZoomRatio;
  ADiagram.FViewport->FZoomRatio = ARatio;
  return old;
}

void TDiagramExporter::PaintToBitmap(TBitmap* ABitmap, TExportSize AExportSize) {
  if (!ABitmap) return;
  int w = 0, h = 0;
  TDot offset;
  ExportFrame(AExportSize, w, h, offset);
  // A bitmap holds the whole image: it is refused where the image memory cap says so.
  imagecodec::CheckSize(w, h);
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  RenderExportBand(image, 0, offset);
  ABitmap->SetImage(image);
}

void TDiagramExporter::ExportAsBMPStream(TStream& AStream, TExportSize AExportSize) {
  int w = 0, h = 0;
  TDot offset;
  ExportFrame(AExportSize, w, h, offset);
  TBmpWriter writer(AStream, w, h, false);
  RenderIndexedBands(FDiagram, FDiagram.FControls->FDControls, writer, w, h, offset, FDiagram.FViewport->FZoomRatio,
                     FDiagram.FViewport->FPreviewZoom, true,
                     [&](QImage& band, int top) { RenderExportBand(band, top, offset); });
  writer.Finish();
}

void TDiagramExporter::ExportAsBMP(const QString& AFileName, TExportSize AExportSize) {
  TSafeFileStream file(AFileName);
  ExportAsBMPStream(file, AExportSize);
  file.Commit();
}

void TDiagramExporter::ExportAsPNG(const QString& AFileName, TExportSize AExportSize) {
  int w = 0, h = 0;
  TDot offset;
  ExportFrame(AExportSize, w, h, offset);
  TSafeFileStream file(AFileName);
  const auto write = [&](bool opaque) {
    TPngWriter writer(file, w, h, 2, opaque);
    RenderIndexedBands(FDiagram, FDiagram.FControls->FDControls, writer, w, h, offset, FDiagram.FViewport->FZoomRatio,
                       FDiagram.FViewport->FPreviewZoom, false,
                       [&](QImage& band, int top) { RenderExportBand(band, top, offset); });
    writer.Finish();
  };
  // A drawing on an opaque background is written as RGB, a quarter less to compress; one
  // with a transparent pixel anywhere is written again from the start with alpha.
  try {
    write(true);
  } catch (const EPngNotOpaque&) {
    file.SetPosition(0);
    file.SetSize(0);
    write(false);
  }
  file.Commit();
}

namespace {

// Paints a vector device in one piece: vector formats need no bands. Progress counts the
// top-level controls, which the painter reports one by one.
template <class Device>
void PaintVector(TdvDiagram& ADiagram, Device& ADevice, int AWidth, int AHeight, TDot AOffset) {
  int count = 0;
  for (int i = 0; i < ADiagram.DControlCount(); ++i)
    if (!ADiagram.GetDControls(i)->IsMember()) ++count;
  TProgressSteps steps(count);
  {
    QPainter painter(&ADevice);
    if (!painter.isActive()) throw EFCreateError(QStringLiteral("Cannot create the export file."));
    painter.setClipRect(0, 0, AWidth, AHeight);
    TCanvas canvas(&painter);
    ADiagram.PaintAs(canvas, psBitmap, AOffset);
  }
  steps.Finish();
}

// The file a vector export writes into: a temporary file beside the target that replaces
// it only once the image is whole, and that disappears when the export fails or is
// cancelled, so the previous file stays as it was and nothing is left behind.
class TVectorExportFile {
 public:
  explicit TVectorExportFile(const QString& AFileName) : FFile(AFileName), FName(AFileName) {
    if (!FFile.open(QIODevice::WriteOnly)) throw EFCreateError(msg::FCreateError, AFileName, FFile.errorString());
  }
  QIODevice* Device() { return &FFile; }
  void Commit() {
    if (!FFile.commit()) throw EFCreateError(msg::FCreateError, FName, FFile.errorString());
  }

 private:
  QSaveFile FFile;
  QString FName;
};

}  // namespace

QString TDiagramExporter::ExportTitle(const QString& AExportFileName) const {
  // The document's name, as a viewer lists it; a document never saved goes by the name
  // of the image.
  return QFileInfo(FDiagram.FDocumentFileName.isEmpty() ? AExportFileName : FDiagram.FDocumentFileName).fileName();
}

void TDiagramExporter::ExportAsSVG(const QString& AFileName, TExportSize AExportSize) {
  int w = 0, h = 0;
  TDot offset;
  ExportFrame(AExportSize, w, h, offset);
  TVectorExportFile file(AFileName);
  {
    QSvgGenerator svg;
    svg.setOutputDevice(file.Device());
    svg.setSize(QSize(w, h));
    svg.setViewBox(QRect(0, 0, w, h));
    svg.setTitle(ExportTitle(AFileName));
    svg.setDescription(QStringLiteral("Tarnwick"));
    PaintVector(FDiagram, svg, w, h, offset);
  }
  file.Commit();
}

void TDiagramExporter::ExportAsPDF(const QString& AFileName, TExportSize AExportSize) {
  int w = 0, h = 0;
  TDot offset;
  ExportFrame(AExportSize, w, h, offset);
  TVectorExportFile file(AFileName);
  {
    QPdfWriter pdf(file.Device());
    // One page of the image's size at the screen's 96 pixels per inch.
    pdf.setResolution(96);
    pdf.setPageSize(QPageSize(QSizeF(w * 72.0 / 96, h * 72.0 / 96), QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(ExportTitle(AFileName));
    pdf.setCreator(QStringLiteral("Tarnwick"));
    PaintVector(FDiagram, pdf, w, h, offset);
  }
  file.Commit();
}

QByteArray TDiagramExporter::RenderMetafile(TExportSize AExportSize, bool AEnhanced) {
  int w = 0, h = 0;
  TDot offset;
  ExportFrame(AExportSize, w, h, offset);
  const QSize size(w, h);
  // The recording is closed when the painter ends, also when painting fails; only a
  // whole recording is handed on.
  if (AEnhanced) {
    metafile::TEmfWriter writer(size);
    {
      metafile::TMetafileDevice device(size, writer);
      PaintVector(FDiagram, device, w, h, offset);
    }
    return writer.Bytes();
  }
  metafile::TWmfWriter writer(size);
  {
    metafile::TMetafileDevice device(size, writer);
    PaintVector(FDiagram, device, w, h, offset);
  }
  return writer.Bytes();
}

void TDiagramExporter::ExportAsWMF(const QString& AFileName, TExportSize AExportSize) {
  const bool enhanced = QFileInfo(AFileName).suffix().compare(QLatin1String("wmf"), Qt::CaseInsensitive) != 0;
  const QByteArray bytes = RenderMetafile(AExportSize, enhanced);
  TVectorExportFile file(AFileName);
  if (file.Device()->write(bytes) != bytes.size())
    throw EWriteError(msg::FCreateError, AFileName, file.Device()->errorString());
  file.Commit();
}

void TDiagramExporter::ExportAsWMFStream(TStream& AStream, TExportSize AExportSize) {
  AStream.WriteBuffer(RenderMetafile(AExportSize, true));
}

void TDiagramExporter::ExportToFile(const QString& AFileName, TExportFormat AExportFormat, TExportSize AExportSize) {
  TExportFormat format = AExportFormat;
  if (format == efAuto) {
    const QString ext = QFileInfo(AFileName).suffix().toLower();
    if (ext == QLatin1String("wmf") || ext == QLatin1String("emf"))
      format = efWMF;
    else if (ext == QLatin1String("png"))
      format = efPNG;
    else if (ext == QLatin1String("svg"))
      format = efSVG;
    else if (ext == QLatin1String("pdf"))
      format = efPDF;
    else
      format = efBMP;
  }
  switch (format) {
    case efWMF:
      ExportAsWMF(AFileName, AExportSize);
      break;
    case efPNG:
      ExportAsPNG(AFileName, AExportSize);
      break;
    case efSVG:
      ExportAsSVG(AFileName, AExportSize);
      break;
    case efPDF:
      ExportAsPDF(AFileName, AExportSize);
      break;
    default:
      ExportAsBMP(AFileName, AExportSize);
      break;
  }
}

void TDiagramExporter::CopyBitmapToClipboard(TExportSize AExportSize) {
  TOwned<TBitmap> bitmap = MakeOwned<TBitmap>();
  PaintToBitmap(bitmap.get(), AExportSize);
  QGuiApplication::clipboard()->setImage(bitmap->GetImage());
}

}  // namespace tarnwick
