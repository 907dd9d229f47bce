#pragma once
// TDiagramEditor: opens the editor window for a program. It holds the settings the window
// is made with (title, library manager, the diagram to edit or the class of a new one) and
// tells the program when the window has closed. The program's shell uses one to run the
// whole editor; an embedding program can use one to edit a diagram of its own.
#include <QPointer>
#include <QString>
#include <functional>

#include "platform/core/Object.h"

namespace tarnwick {

class TComponent;
class TComponentWatch;
class TDgrLibraryManager;
class TfmDiagramEditor;
class TdvDiagram;
struct TClassInfo;

enum TDiagramDialogMode { dmModal, dmNormal };

class TDiagramEditor {
 public:
  TDiagramEditor();
  ~TDiagramEditor();
  TDiagramEditor(const TDiagramEditor&) = delete;
  TDiagramEditor& operator=(const TDiagramEditor&) = delete;

  QString Title = QStringLiteral("Tarnwick");
  const TClassInfo* DiagramClass = nullptr;
  // An existing diagram to edit instead of a new one; the caller keeps it.
  TdvDiagram* Diagram = nullptr;
  bool ShowNavigator = true;
  bool NavigatorVisible = true;
  TDiagramDialogMode DialogMode = dmModal;

  TDgrLibraryManager* GetLibManager() const { return FLibManager; }
  // Forgotten when the manager is destroyed.
  void SetLibManager(TDgrLibraryManager* Value);

  // With the window, after it was made and before it is shown.
  std::function<void(TfmDiagramEditor&)> OnCreateDesigner;
  std::function<void(TfmDiagramEditor&)> OnShowDesigner;
  // After the window has closed (it is destroyed right after).
  std::function<void(TfmDiagramEditor&)> OnCloseDesigner;
  // Replaces the built-in saving of the save commands.
  std::function<void()> OnSaveDiagram;

  // Makes the window when there is none, applies the settings and shows it; with dmModal
  // the call returns once the window has closed.
  void Execute();
  // The window while it exists.
  TfmDiagramEditor* Form() const { return FForm; }

 private:
  TOwned<TComponentWatch> FWatch;
  TDgrLibraryManager* FLibManager = nullptr;
  QPointer<TfmDiagramEditor> FForm;
};

}  // namespace tarnwick
