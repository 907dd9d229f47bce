#include "editor/library/LibraryQuestions.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "platform/gui/Graphic.h"
#include "platform/gui/GraphicFormats.h"

namespace tarnwick {

std::optional<QString> TQtLibraryQuestions::AskText(const QString& ACaption, const QString& APrompt,
                                                    const QString& AInitial) {
  bool ok = false;
  const QString text = QInputDialog::getText(FParent, ACaption, APrompt, QLineEdit::Normal, AInitial, &ok);
  if (!ok) return std::nullopt;
  return text;
}

bool TQtLibraryQuestions::Confirm(const QString& AText) {
  return QMessageBox::warning(FParent, QStringLiteral("Confirm"), AText, QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) == QMessageBox::Yes;
}

void TQtLibraryQuestions::ShowError(const QString& AMessage) {
  QMessageBox::critical(FParent, QStringLiteral("Error"), AMessage);
}

std::optional<QString> TQtLibraryQuestions::ChooseIconFile() {
  const QString name = QFileDialog::getOpenFileName(FParent, QStringLiteral("Load icon"), QString(),
                                                    GraphicFilter(TGraphic::StaticClassInfo()));
  if (name.isEmpty()) return std::nullopt;
  return name;
}

namespace {

ILibraryQuestions* GQuestions = nullptr;

}  // namespace

ILibraryQuestions& DefaultLibraryQuestions() {
  static TQtLibraryQuestions qtQuestions;
  return GQuestions ? *GQuestions : qtQuestions;
}

void SetDefaultLibraryQuestions(ILibraryQuestions* AQuestions) { GQuestions = AQuestions; }

}  // namespace tarnwick
