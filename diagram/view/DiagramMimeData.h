#pragma once
// What a copy puts on the clipboard: the object text under the diagram's own type and as
// plain text, and a picture of the copied controls (as an image and as an enhanced
// metafile) for programs that take pictures. The pictures are drawn only when a program
// asks for them: most copies are pasted back into a
// diagram, and drawing a large selection on every copy would slow each one down.
#include <QImage>
#include <QMimeData>
#include <QString>
#include <optional>

namespace tarnwick {

class TDiagramMimeData : public QMimeData {
 public:
  // The type a picture travels under inside Qt; the platform offers it as PNG and the like.
  static const QString ImageType;
  // The enhanced metafile of the same picture, under both names programs look for.
  static const QString EmfType;
  static const QString XEmfType;

  // Without AWithPicture (nothing was copied) no picture is offered.
  TDiagramMimeData(const QString& AText, bool AWithPicture);

  QStringList formats() const override;
  bool hasFormat(const QString& AMimeType) const override;

 protected:
  QVariant retrieveData(const QString& AMimeType, QMetaType AType) const override;

 private:
  QString FText;
  bool FWithPicture;
  mutable std::optional<QImage> FImage;  // drawn on first request; null when it cannot be
  mutable std::optional<QByteArray> FMetafile;  // recorded on first request; empty when it cannot be
};

}  // namespace tarnwick
