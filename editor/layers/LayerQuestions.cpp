#include "editor/layers/LayerQuestions.h"

#include <QMessageBox>

namespace tarnwick {

bool TQtLayerQuestions::Confirm(const QString& AText, bool AWarning) {
  const auto buttons = QMessageBox::Yes | QMessageBox::No;
  const auto answer = AWarning
                          ? QMessageBox::warning(FParent, QStringLiteral("Confirm"), AText, buttons, QMessageBox::No)
                          : QMessageBox::question(FParent, QStringLiteral("Confirm"), AText, buttons, QMessageBox::No);
  return answer == QMessageBox::Yes;
}

}  // namespace tarnwick
