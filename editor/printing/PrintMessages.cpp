#include "editor/printing/PrintMessages.h"

#include <QMessageBox>

namespace tarnwick {

TPrintMessageHook& PrintMessageHook() {
  static TPrintMessageHook hook;
  return hook;
}

void ShowPrintMessage(QWidget* AParent, const QString& AMessage) {
  if (PrintMessageHook()) {
    PrintMessageHook()(AParent, AMessage);
    return;
  }
  QMessageBox::warning(AParent, QStringLiteral("Print"), AMessage);
}

}  // namespace tarnwick
