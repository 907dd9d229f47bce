#include "diagram/view/DiagramMimeData.h"

#include <QVariant>

#include "diagram/view/DiagramClipboard.h"

namespace tarnwick {

const QString TDiagramMimeData::ImageType = QStringLiteral("application/x-qt-image");
const QString TDiagramMimeData::EmfType = QStringLiteral("image/emf");
const QString TDiagramMimeData::XEmfType = QStringLiteral("image/x-emf");

TDiagramMimeData::TDiagramMimeData(const QString& AText, bool AWithPicture) : FText(AText), FWithPicture(AWithPicture) {
  setData(TDiagramClipboard::MimeType, TDiagramClipboard::EncodeClipboardData(AText));
  setText(AText);
}

QStringList TDiagramMimeData::formats() const {
  QStringList result = QMimeData::formats();
  if (FWithPicture)
    for (const QString& type : {ImageType, EmfType, XEmfType})
      if (!result.contains(type)) result.append(type);
  return result;
}

bool TDiagramMimeData::hasFormat(const QString& AMimeType) const {
  return (FWithPicture && (AMimeType == ImageType || AMimeType == EmfType || AMimeType == XEmfType)) ||
         QMimeData::hasFormat(AMimeType);
}

QVariant TDiagramMimeData::retrieveData(const QString& AMimeType, QMetaType AType) const {
  if (FWithPicture && (AMimeType == EmfType || AMimeType == XEmfType)) {
    if (!FMetafile) FMetafile = TDiagramClipboard::MetafileOfText(FText);
    if (FMetafile->isEmpty()) return {};
    return QVariant(*FMetafile);
  }
  if (AMimeType != ImageType || !FWithPicture) return QMimeData::retrieveData(AMimeType, AType);
  if (!FImage) FImage = TDiagramClipboard::PictureOfText(FText);
  if (FImage->isNull()) return {};
  return QVariant(*FImage);
}

}  // namespace tarnwick
