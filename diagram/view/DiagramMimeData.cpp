#include "diagram/view/DiagramMimeData.h"

#include <QVariant>

#include "diagram/view/DiagramClipboard.h"

namespace tarnwick {

const QString TDiagramMimeData::ImageType = QStringLiteral("application/x-qt-image");

TDiagramMimeData::TDiagramMimeData(const QString& AText, bool AWithPicture) : FText(AText), FWithPicture(AWithPicture) {
  setData(TDiagramClipboard::MimeType, TDiagramClipboard::EncodeClipboardData(AText));
  setText(AText);
}

QStringList TDiagramMimeData::formats() const {
  QStringList result = QMimeData::formats();
  if (FWithPicture && !result.contains(ImageType)) result.append(ImageType);
  return result;
}

bool TDiagramMimeData::hasFormat(const QString& AMimeType) const {
  return (FWithPicture && AMimeType == ImageType) || QMimeData::hasFormat(AMimeType);
}

QVariant TDiagramMimeData::retrieveData(const QString& AMimeType, QMetaType AType) const {
  if (AMimeType != ImageType || !FWithPicture) return QMimeData::retrieveData(AMimeType, AType);
  if (!FImage) FImage = TDiagramClipboard::PictureOfText(FText);
  if (FImage->isNull()) return {};
  return QVariant(*FImage);
}

}  // namespace tarnwick
