#pragma once
// How the printing dialogs tell the user something (a refusal, a value that is not a
// number): a message box by default; tests install their own to read the texts.
#include <QString>
#include <functional>

class QWidget;

namespace tarnwick {

using TPrintMessageHook = std::function<void(QWidget* AParent, const QString& AMessage)>;
TPrintMessageHook& PrintMessageHook();
void ShowPrintMessage(QWidget* AParent, const QString& AMessage);

}  // namespace tarnwick
