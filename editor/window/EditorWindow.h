#pragma once
// TfmDiagramEditor: the editor window. One diagram fills it; the commands of its actions
// module sit in the menus, the tool bars and the diagram's context menu; the block
// palette is a dock on the left (the navigator below it, layers and libraries on the
// right); the status bar's permanent field says whether the document is modified; the
// caption names the document.
#include <QMainWindow>
#include <QString>
#include <functional>

#include "editor/selectors/SelectorBars.h"
#include "platform/core/Object.h"

class QLabel;
class QMenu;
class QDockWidget;
class QTimer;
class QToolBar;

namespace tarnwick {

class IEditorQuestions;
class ILayerQuestions;
class ILibraryQuestions;
class IDiagramStyleEditor;
class TDgrLayerManager;
class TDgrLibraryManagerEditor;
class TDiagramNavigator;
class TComponent;
class TDgrLibraryManager;
class TDiagramButtons;
class TDiagramToolBar;
class TdmDgrEditorActions;
class TdvDiagram;
struct TClassInfo;

class TfmDiagramEditor : public QMainWindow {
 public:
  // Edits a new diagram of ADiagramClass (a TdvDiagram when null), owned by the window.
  explicit TfmDiagramEditor(QWidget* AParent = nullptr, const TClassInfo* ADiagramClass = nullptr);
  // Edits a diagram the caller owns and keeps.
  TfmDiagramEditor(TdvDiagram* ADiagramInstance, QWidget* AParent = nullptr);
  ~TfmDiagramEditor() override;

  TdvDiagram* Diagram() const { return FDiagram; }
  TdmDgrEditorActions* Actions() const { return FActions; }
  TDiagramButtons* DButtons() const { return FButtons; }
  TDiagramToolBar* LineBar() const { return FLineBar; }
  QMenu* ContextMenu() const { return FContextMenu; }
  QDockWidget* ObjectsDock() const { return FObjectsDock; }
  // The category tabs over the objects bar (hidden in this window).
  QWidget* CategoryTabs() const { return FCategoryTabs; }
  QDockWidget* NavigatorDock() const { return FNavigatorDock; }
  QDockWidget* LayersDock() const { return FLayersDock; }
  QDockWidget* LibraryDock() const { return FLibraryDock; }
  TDiagramNavigator* Navigator() const { return FNavigator; }
  TDgrLayerManager* LayerManager() const { return FLayerManager; }
  TDgrLibraryManagerEditor* LibraryManagerEditor() const { return FLibraryEditor; }
  const TSelectorBars& Selectors() const { return FSelectors; }
  QMenu* FileMenu() const { return FFileMenu; }
  IEditorQuestions& Questions() const;

  const QString& GetTitle() const { return FTitle; }
  // The caption changes only when the title does.
  void SetTitle(const QString& Value);
  TDgrLibraryManager* GetLibManager() const;
  void SetLibManager(TDgrLibraryManager* Value);
  // The questions and file dialogs (the Qt ones unless replaced); the window does not own
  // a replacement.
  void SetQuestions(IEditorQuestions* Value);

  // Called after the window has closed (the program ends there).
  std::function<void()> OnCloseDesigner;
  // True while a long piece of work (an export) runs the event loop under a progress
  // dialog: timers must leave the document alone meanwhile.
  std::function<void(bool ABusy)> OnBusy;
  // Called when the window is shown, before the diagram is repainted.
  std::function<void()> OnNotifyShow;

  // The status bar's permanent field: "Modified" or empty.
  QString StatusText() const;

 protected:
  void closeEvent(QCloseEvent* AEvent) override;
  void showEvent(QShowEvent* AEvent) override;

 private:
  void Construct();
  void BuildMenus();
  void BuildToolBars();
  void BuildContextMenu();
  void BuildPalette();
  void BuildToolWindows();
  // The idle pass: commands, selectors and tool windows follow the document.
  void IdleUpdate();
  void ScopeDiagramKeys();
  void FillLayerMenu(QMenu* AMenu);
  void UpdateCaption();
  // Asks for an image file and exports the drawing into it under a progress dialog.
  void Export();
  void UpdateStatus();
  QAction* A(const char* AName) const;
  void AddActions(QWidget* ATarget, std::initializer_list<const char*> ANames) const;

  TOwned<TComponent> FOwner;  // owns the diagram the window made
  TdvDiagram* FDiagram = nullptr;
  TdmDgrEditorActions* FActions = nullptr;
  std::unique_ptr<IEditorQuestions> FQtQuestions;
  TDiagramButtons* FButtons = nullptr;
  TDiagramToolBar* FLineBar = nullptr;
  QDockWidget* FObjectsDock = nullptr;
  QWidget* FCategoryTabs = nullptr;
  QDockWidget* FNavigatorDock = nullptr;
  QDockWidget* FLayersDock = nullptr;
  QDockWidget* FLibraryDock = nullptr;
  TDiagramNavigator* FNavigator = nullptr;
  TDgrLayerManager* FLayerManager = nullptr;
  TDgrLibraryManagerEditor* FLibraryEditor = nullptr;
  TSelectorBars FSelectors;
  std::unique_ptr<IDiagramStyleEditor> FStyleEditor;
  std::unique_ptr<ILayerQuestions> FLayerQuestions;
  std::unique_ptr<ILibraryQuestions> FLibraryQuestions;
  QMenu* FContextMenu = nullptr;
  QMenu* FFileMenu = nullptr;
  IEditorQuestions* FQuestions = nullptr;
  QMenu* FLayerMenu = nullptr;
  QLabel* FStatusField = nullptr;
  QTimer* FIdle = nullptr;
  QString FTitle = QStringLiteral("Tarnwick");
  bool FShown = false;
};

}  // namespace tarnwick
