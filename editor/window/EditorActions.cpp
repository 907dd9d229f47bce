#include "editor/window/EditorActions.h"

#include <QtDebug>
#include <exception>

#include "diagram/libraries/LibraryManager.h"
#include "diagram/lines/LineClasses.h"
#include "diagram/view/Diagram.h"
#include "editor/window/EditorQuestions.h"
#include "platform/core/ComponentWatch.h"
#include "platform/core/ErrorOf.h"
#include "platform/core/Exception.h"

namespace tarnwick {

bool TEditorCommand::Execute() {
  if (OnExecute) OnExecute();
  return true;
}

bool TEditorCommand::Update() {
  if (OnUpdate) OnUpdate(*this);
  return true;
}

TdmDgrEditorActions::TdmDgrEditorActions(QObject* AParent)
    : QObject(AParent), FWatch(MakeOwned<TComponentWatch>()) {
  // A diagram or library manager destroyed before the module is forgotten, so no command
  // reaches a freed object.
  FWatch->OnFreed = [this](TComponent* AComponent) {
    // The diagram commands watch the diagram themselves.
    if (AComponent == FDiagram) FDiagram = nullptr;
    if (AComponent == FLibManager) FLibManager = nullptr;
  };
  Build();
  SetCurrentDiagramFileName(QString());
}

TdmDgrEditorActions::~TdmDgrEditorActions() {
  if (FDiagram) FDiagram->OnModified = nullptr;
}

void TdmDgrEditorActions::Add(QAction* AAction, const QString& AName) {
  AAction->setObjectName(AName);
  if (auto* command = dynamic_cast<TDiagramAction*>(AAction))
    command->OnError = [this](const QString& AMessage) {
      if (FQuestions) FQuestions->ShowError(AMessage);
      else qWarning().noquote() << AMessage;
    };
  FActions.push_back(AAction);
  FByName.insert(AName, AAction);
}

QAction* TdmDgrEditorActions::Action(const QString& AName) const { return FByName.value(AName); }

void TdmDgrEditorActions::SetDiagram(TdvDiagram* Value) {
  if (Value == FDiagram) return;
  if (FDiagram) {
    FDiagram->OnModified = nullptr;
    FWatch->Unwatch(FDiagram);
  }
  FDiagram = Value;
  if (FDiagram) {
    FWatch->Watch(FDiagram);
    FDiagram->OnModified = [this](TObject*) { SetModified(true); };
  }
  for (QAction* action : FActions)
    if (auto* command = dynamic_cast<TDiagramAction*>(action)) command->SetDiagram(FDiagram);
}

void TdmDgrEditorActions::SetLibManager(TDgrLibraryManager* Value) {
  if (Value == FLibManager) return;
  if (FLibManager) FWatch->Unwatch(FLibManager);
  FLibManager = Value;
  if (FLibManager) FWatch->Watch(FLibManager);
}

void TdmDgrEditorActions::SetModified(bool Value) {
  if (Value == FModified) return;
  FModified = Value;
  if (OnModified) OnModified();
}

void TdmDgrEditorActions::SetCurrentDiagramFileName(const QString& Value) {
  FCurrentDiagramFileName = Value;
  if (OnFileNameChanged) OnFileNameChanged();
}

void TdmDgrEditorActions::UpdateActions() {
  for (QAction* action : FActions)
    if (auto* command = dynamic_cast<TDiagramAction*>(action)) command->Update();
}

void TdmDgrEditorActions::PrepareDiagram() {
  if (FDiagram) FDiagram->SetConnectionLineClass(&TDiagramLine::StaticClassInfo());
}

IEditorQuestions& TdmDgrEditorActions::Questions() const {
  Q_ASSERT(FQuestions);
  return *FQuestions;
}

bool TdmDgrEditorActions::Report(const std::function<void()>& AWork) {
  const std::optional<QString> message = ErrorOf(AWork);
  if (message) Questions().ShowError(*message);
  return !message;
}

}  // namespace tarnwick
