// The diagram's export methods, handed to its exporter.
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramExporter.h"

namespace tarnwick {

void TdvDiagram::ExportFrame(TExportSize AExportSize, int& AWidth, int& AHeight, TDot& AOffset) {
  FExporter->ExportFrame(AExportSize, AWidth, AHeight, AOffset);
}
void TdvDiagram::PaintToBitmap(TBitmap* ABitmap, TExportSize AExportSize) {
  FExporter->PaintToBitmap(ABitmap, AExportSize);
}
void TdvDiagram::ExportAsBMP(const QString& AFileName, TExportSize AExportSize) {
  FExporter->ExportAsBMP(AFileName, AExportSize);
}
void TdvDiagram::ExportAsBMPStream(TStream& AStream, TExportSize AExportSize) {
  FExporter->ExportAsBMPStream(AStream, AExportSize);
}
void TdvDiagram::ExportAsPNG(const QString& AFileName, TExportSize AExportSize) {
  FExporter->ExportAsPNG(AFileName, AExportSize);
}
void TdvDiagram::ExportAsSVG(const QString& AFileName, TExportSize AExportSize) {
  FExporter->ExportAsSVG(AFileName, AExportSize);
}
void TdvDiagram::ExportAsPDF(const QString& AFileName, TExportSize AExportSize) {
  FExporter->ExportAsPDF(AFileName, AExportSize);
}
QString TdvDiagram::ExportTitle(const QString& AExportFileName) const {
  return FExporter->ExportTitle(AExportFileName);
}
void TdvDiagram::ExportToFile(const QString& AFileName, TExportFormat AExportFormat, TExportSize AExportSize) {
  FExporter->ExportToFile(AFileName, AExportFormat, AExportSize);
}
void TdvDiagram::CopyBitmapToClipboard(TExportSize AExportSize) { FExporter->CopyBitmapToClipboard(AExportSize); }
void TdvDiagram::RenderExportBand(QImage& ABand, int ATop, TDot AOffset) {
  FExporter->RenderExportBand(ABand, ATop, AOffset);
}

void TdvDiagram::ExportAsWMF(const QString& AFileName, TExportSize AExportSize) {
  FExporter->ExportAsWMF(AFileName, AExportSize);
}

void TdvDiagram::ExportAsWMFStream(TStream& AStream, TExportSize AExportSize) {
  FExporter->ExportAsWMFStream(AStream, AExportSize);
}

}  // namespace tarnwick
