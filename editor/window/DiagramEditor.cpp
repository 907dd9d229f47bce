#include "editor/window/DiagramEditor.h"

#include <QEventLoop>

#include "diagram/libraries/LibraryManager.h"
#include "editor/window/EditorActions.h"
#include "editor/window/EditorWindow.h"
#include "platform/core/ComponentWatch.h"

namespace tarnwick {

TDiagramEditor::TDiagramEditor() : FWatch(MakeOwned<TComponentWatch>()) {
  FWatch->OnFreed = [this](TComponent* AComponent) {
    if (AComponent == FLibManager) {
      FLibManager = nullptr;
      if (FForm) FForm->SetLibManager(nullptr);
    }
  };
}

TDiagramEditor::~TDiagramEditor() { delete FForm.data(); }

void TDiagramEditor::SetLibManager(TDgrLibraryManager* Value) {
  if (Value == FLibManager) return;
  if (FLibManager) FWatch->Unwatch(FLibManager);
  FLibManager = Value;
  if (FLibManager) FWatch->Watch(FLibManager);
}

void TDiagramEditor::Execute() {
  if (!FForm) {
    FForm = Diagram ? new TfmDiagramEditor(Diagram) : new TfmDiagramEditor(nullptr, DiagramClass);
    FForm->setAttribute(Qt::WA_DeleteOnClose);
    FForm->OnCloseDesigner = [this] {
      if (OnCloseDesigner && FForm) OnCloseDesigner(*FForm);
    };
  }
  TfmDiagramEditor& form = *FForm;
  if (OnCreateDesigner) OnCreateDesigner(form);
  form.Actions()->OnSaveDiagram = OnSaveDiagram;
  form.OnNotifyShow = [this] {
    if (OnShowDesigner && FForm) OnShowDesigner(*FForm);
  };
  form.SetLibManager(FLibManager);
  form.SetTitle(Title);
  if (DialogMode == dmNormal) {
    form.show();
    return;
  }
  // Modal: the call returns once the window is gone.
  QEventLoop loop;
  QObject::connect(&form, &QObject::destroyed, &loop, &QEventLoop::quit);
  form.setWindowModality(Qt::ApplicationModal);
  form.show();
  loop.exec();
}

}  // namespace tarnwick
