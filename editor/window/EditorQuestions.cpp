#include "editor/window/EditorQuestions.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QMessageBox>

#include "editor/layout/LayoutDialog.h"

namespace tarnwick {

namespace {

const QString DialogTitle = QStringLiteral("Select diagram file");
const QString DiagramFilter = QStringLiteral("Diagram files (*.dgr);;All files (*)");

// Qt's own dialogs rather than the desktop's: they behave the same everywhere, keep the
// title, and the end-to-end tests can find them by it.
std::optional<QString> RunFileDialog(QWidget* AParent, QFileDialog::AcceptMode AMode, const QString& AInitial) {
  QFileDialog dialog(AParent, DialogTitle, AInitial, DiagramFilter);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(AMode);
  dialog.setFileMode(AMode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  // The "All files" filter would otherwise keep a typed name without its extension.
  if (AMode == QFileDialog::AcceptSave) dialog.setDefaultSuffix(QStringLiteral("dgr"));
  if (!AInitial.isEmpty()) dialog.selectFile(AInitial);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

}  // namespace

QString WithDiagramExtension(const QString& AFileName) {
  if (AFileName.isEmpty() || !QFileInfo(AFileName).suffix().isEmpty()) return AFileName;
  return AFileName + QStringLiteral(".dgr");
}

TAnswer TQtEditorQuestions::Ask(const QString& AText, bool AWithCancel) {
  QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
  if (AWithCancel) buttons |= QMessageBox::Cancel;
  const auto answer = QMessageBox::information(FParent, QStringLiteral("Tarnwick"), AText, buttons,
                                               AWithCancel ? QMessageBox::Cancel : QMessageBox::No);
  if (answer == QMessageBox::Yes) return TAnswer::Yes;
  return answer == QMessageBox::No ? TAnswer::No : TAnswer::Cancel;
}

std::optional<QString> TQtEditorQuestions::ChooseOpenFile() {
  return RunFileDialog(FParent, QFileDialog::AcceptOpen, QString());
}

std::optional<QString> TQtEditorQuestions::ChooseSaveFile(const QString& AInitial) {
  std::optional<QString> name = RunFileDialog(FParent, QFileDialog::AcceptSave, AInitial);
  if (name) *name = WithDiagramExtension(*name);
  return name;
}

std::optional<QString> TQtEditorQuestions::ChoosePictureFile() {
  QStringList patterns;
  for (const QByteArray& format : QImageReader::supportedImageFormats())
    patterns << QStringLiteral("*.") + QString::fromLatin1(format);
  const QString name = QFileDialog::getOpenFileName(
      FParent, QStringLiteral("Select picture file"), QString(),
      QStringLiteral("Pictures (%1);;All files (*)").arg(patterns.join(QLatin1Char(' '))), nullptr,
      QFileDialog::DontUseNativeDialog);
  if (name.isEmpty()) return std::nullopt;
  return name;
}

std::optional<TLayoutOptions> TQtEditorQuestions::ChooseLayout(const TLayoutOptions& AInitial) {
  return TLayoutDialog::Ask(FParent, AInitial);
}

std::optional<QString> TQtEditorQuestions::ChooseExportFile(const QString& AInitial) {
  QFileDialog dialog(FParent, QStringLiteral("Export diagram"), AInitial,
                     QStringLiteral("PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf);;Enhanced metafile (*.emf);;Windows metafile (*.wmf);;Bitmap (*.bmp)"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("png"));
  dialog.selectFile(AInitial);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

void TQtEditorQuestions::ShowError(const QString& AMessage) {
  QMessageBox::critical(FParent, QStringLiteral("Tarnwick"), AMessage);
}

}  // namespace tarnwick
