#pragma once
// TdmDgrEditorActions: the commands of the editor window. It makes every command from one
// table (EditorCommandTable.cpp), binds the reusable diagram commands to its diagram,
// keeps the current file name and the modified state, runs the file commands, and guards
// the window against closing with unsaved changes. The window lays the commands out in
// menus and tool bars by name.
//
// Commands whose work lives elsewhere (printing, adding to a library, export) run through
// hooks the window or program sets; a command without its hook stays disabled.
#include <QAction>
#include <QPointer>
#include <QTabBar>
#include <QHash>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "diagram/view/actions/DiagramAction.h"
#include "layout/LayoutOptions.h"
#include "platform/core/Object.h"

namespace tarnwick {

class IEditorQuestions;
class TDiagramToolBar;
class TComponentWatch;
class TDgrLibraryManager;
class TDiagramControl;
class TTextCell;
class TdvDiagram;

// A command of the editor's own: its work and its update rule are functions of the
// actions module. Errors a command raises are shown, never let into the event loop.
class TEditorCommand : public TDiagramAction {
 public:
  using TDiagramAction::TDiagramAction;
  std::function<void()> OnExecute;
  // Sets enabled/checked; without one the command is always enabled.
  std::function<void(QAction&)> OnUpdate;
  bool Execute() override;
  bool Update() override;
};

class TdmDgrEditorActions : public QObject {
 public:
  explicit TdmDgrEditorActions(QObject* AParent = nullptr);
  ~TdmDgrEditorActions() override;

  TdvDiagram* GetDiagram() const { return FDiagram; }
  // Binds the module and every diagram command to the diagram; the diagram's change
  // reports mark the document modified from then on.
  void SetDiagram(TdvDiagram* Value);
  TDgrLibraryManager* GetLibManager() const { return FLibManager; }
  void SetLibManager(TDgrLibraryManager* Value);
  // The questions and file dialogs; the module does not own them. Never null once set.
  void SetQuestions(IEditorQuestions* Value) { FQuestions = Value; }

  bool GetModified() const { return FModified; }
  void SetModified(bool Value);
  bool IsNewDiagram() const { return FNewDiagram; }
  const QString& GetCurrentDiagramFileName() const { return FCurrentDiagramFileName; }
  // Fires OnFileNameChanged even when the name stays.
  void SetCurrentDiagramFileName(const QString& Value);

  // The command of that name (the names of the table: "acNewDiagram", "DiagramCut1", …),
  // null for an unknown one.
  QAction* Action(const QString& AName) const;
  const std::vector<QAction*>& Actions() const { return FActions; }
  // The update rules of every command: run when the user interface is idle.
  void UpdateActions();

  // The line class drawn out of link points.
  void PrepareDiagram();
  // Fills the category tabs ("All objects", then every category of the registry in its
  // order, each once, letter case ignored) and lets them filter the objects bar. A null
  // tab bar is remembered as none.
  void PrepareCategoryTab(QTabBar* ATabBar, TDiagramToolBar* AToolBar);

  // ---- File commands (EditorFileCommands.cpp) ----
  void NewDiagram();
  // Asks for a file, then (when something is modified) whether to discard the changes.
  void OpenDiagram();
  // Opens a named file; false, with the message shown and the open document and its name
  // untouched, when it cannot be read.
  bool OpenFile(const QString& AFileName);
  // Opens a named file after asking (when something is modified) whether to discard the
  // changes; false only when the file could not be read.
  bool OpenAsking(const QString& AFileName);
  // Loads a document kept by autosave: it takes its own file's name (empty for an
  // untitled one) and stays modified until saved.
  bool RestoreRecovered(const QString& ARecoveredFile, const QString& AFileName);
  // True when the document ended saved.
  bool SaveDiagram();
  bool SaveDiagramAs();
  // The close guard: true when the window may close (asks about unsaved changes).
  bool CanClose();

  // ---- Text style (EditorTextStyle.cpp) ----
  // The text cell the style commands show and change: the edited one, else the first
  // visible cell of the first selected control (descending into groups).
  TTextCell* CurrentTextCell() const;

  // Replaces the built-in saving of the save commands.
  std::function<void()> OnSaveDiagram;
  std::function<void()> OnModified;
  std::function<void()> OnFileNameChanged;
  // The work of the commands built elsewhere; unset, the command is disabled.
  std::function<void()> OnPageSetup, OnPreview, OnPrint, OnQuit, OnExport;
  std::function<void(TDiagramControl* AControl)> OnAddToLibrary;
  // After New has cleared the diagram (the program puts its view settings back).
  std::function<void()> OnDiagramCleared;
  // A document was opened or saved under a name (recent files follow it).
  std::function<void(const QString& AFileName)> OnDocumentNamed;

 private:
  friend struct TEditorCommandTable;
  void Build();
  void Add(QAction* AAction, const QString& AName);
  bool SaveTo(const QString& AFileName);
  // Reads a file into the diagram; false, with the error shown, when it does not read.
  bool LoadDocument(const QString& AFileName);
  // Runs the program's own saving when it has one.
  bool SavedByProgram();
  bool Report(const std::function<void()>& AWork);
  IEditorQuestions& Questions() const;

  // Module commands (EditorModuleCommands.cpp).
  void ToggleAutomaticNodes(const QString& AUndoLabel);
  // One zoom step in or out along the zoom menu's values.
  void ZoomBy(int ASteps);
  bool CanUngroup() const;
  bool CanAddToLibrary() const;
  void AddToLibrary();
  void LoadBackground(const QString& AUndoLabel);
  void ClearBackground(const QString& AUndoLabel);
  bool HasBackground() const;
  void CopyAsImage();
  // Asks how, then arranges every block: one "layout" step, the document modified.
  void LayoutDiagram(const QString& AUndoLabel);
  bool CanLayout() const;
  // Text style commands (EditorTextStyle.cpp).
  void ToggleFontStyle(int AStyle, const QString& AUndoLabel);
  void SetTextAlignment(int AAlignment, const QString& AUndoLabel);
  void SetTextVertAlign(int AVertAlign, const QString& AUndoLabel);
  void SetCellLayout(const QString& AUndoLabel, const std::function<void(TTextCell&)>& AApply);
  void UpdateFontStyle(QAction& AAction, int AStyle) const;
  void UpdateTextAlignment(QAction& AAction, int AAlignment) const;
  void UpdateTextVertAlign(QAction& AAction, int AVertAlign) const;

  TdvDiagram* FDiagram = nullptr;
  TOwned<TComponentWatch> FWatch;
  QPointer<QTabBar> FTabControl;
  QPointer<TDiagramToolBar> FToolbar;
  TDgrLibraryManager* FLibManager = nullptr;
  IEditorQuestions* FQuestions = nullptr;
  bool FModified = false;
  bool FNewDiagram = true;
  QString FCurrentDiagramFileName;
  // The last layout chosen, offered again next time.
  TLayoutOptions FLayoutOptions;
  std::vector<QAction*> FActions;
  QHash<QString, QAction*> FByName;
};

}  // namespace tarnwick
