#pragma once
// The diagram's image exports: the framings (standard, centred, net, page), raster images
// rendered and written in bands, vector images, and the clipboard.
#include <QByteArray>
#include <QString>

#include "diagram/view/DiagramTypes.h"
#include "geometry/Dot.h"

class QImage;

namespace tarnwick {

class TBitmap;
class TStream;
class TdvDiagram;

class TDiagramExporter {
 public:
  explicit TDiagramExporter(TdvDiagram& ADiagram) : FDiagram(ADiagram) {}
  TDiagramExporter(const TDiagramExporter&) = delete;
  TDiagramExporter& operator=(const TDiagramExporter&) = delete;

  void ExportFrame(TExportSize AExportSize, int& AWidth, int& AHeight, TDot& AOffset);
  void PaintToBitmap(TBitmap* ABitmap, TExportSize AExportSize);
  void ExportAsBMP(const QString& AFileName, TExportSize AExportSize);
  void ExportAsBMPStream(TStream& AStream, TExportSize AExportSize);
  void ExportAsPNG(const QString& AFileName, TExportSize AExportSize);
  void ExportAsSVG(const QString& AFileName, TExportSize AExportSize);
  void ExportAsPDF(const QString& AFileName, TExportSize AExportSize);
  // A metafile: the older format for a name ending in .wmf (any case), the enhanced one
  // for every other name and for streams.
  void ExportAsWMF(const QString& AFileName, TExportSize AExportSize);
  void ExportAsWMFStream(TStream& AStream, TExportSize AExportSize);
  // The drawing recorded as a metafile of either format.
  QByteArray RenderMetafile(TExportSize AExportSize, bool AEnhanced);
  QString ExportTitle(const QString& AExportFileName) const;
  void ExportToFile(const QString& AFileName, TExportFormat AExportFormat, TExportSize AExportSize);
  void CopyBitmapToClipboard(TExportSize AExportSize);
  void RenderExportBand(QImage& ABand, int ATop, TDot AOffset);

  // Print and preview passes draw at a zoom ratio of 1 whatever the window shows. Sets the
  // ratio as it is, without the window's rescrolling, and returns the one it replaced.
  static double SwapZoomRatio(TdvDiagram& ADiagram, double ARatio);

 private:
  TdvDiagram& FDiagram;
};

}  // namespace tarnwick
