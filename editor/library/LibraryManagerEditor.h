#pragma once
// TDgrLibraryManagerEditor: the "Library manager" tool window: a drop-down of the libraries,
// the objects of the chosen one with their icons and categories, and the commands that
// create and remove libraries and edit and delete objects. A QWidget for a dock.
#include <QWidget>

#include "editor/library/LibraryItemCreation.h"
#include "platform/core/Object.h"

class QAction;
class QComboBox;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tarnwick {

class ILibraryQuestions;
class TComponentWatch;
class TdvDiagram;

class TDgrLibraryManagerEditor : public QWidget {
 public:
  explicit TDgrLibraryManagerEditor(QWidget* AParent = nullptr);
  ~TDgrLibraryManagerEditor() override;

  TDgrLibraryManager* GetLibraryManager() const { return FLibraryManager; }
  // Stores the manager and loads its libraries.
  void SetLibraryManager(TDgrLibraryManager* Value);
  // Its palettes are refreshed after changes; may be null.
  TdvDiagram* GetDiagram() const { return FDiagram; }
  void SetDiagram(TdvDiagram* Value);
  TDgrLibrary* GetSelectedLibrary() const;
  void SetSelectedLibrary(TDgrLibrary* Value);
  TDgrLibraryItem* GetSelectedItem() const;
  void SetSelectedItem(TDgrLibraryItem* Value);

  // Raises "LibraryManager not specified." without a manager; else refreshes and shows.
  void Execute();
  void RefreshLibraries();
  void RefreshItems();
  void ReloadSelectedLibrary();
  // The idle check: refreshes what went out of step with the manager, and the commands'
  // enabled states. The window runs it when shown; the program may run it when idle.
  void UpdateActions();

  // Defaults: the process-wide questions and the library item dialog.
  void SetQuestions(ILibraryQuestions* Value) { FQuestions = Value; }
  void SetItemEditor(TLibraryItemEditorFunc Value) { FItemEditor = std::move(Value); }

  QComboBox* LibraryBox = nullptr;
  QTreeWidget* ObjectList = nullptr;
  QAction* acCreateLibrary = nullptr;
  QAction* acRemoveLibrary = nullptr;
  QAction* acEditObject = nullptr;
  QAction* acDeleteObject = nullptr;
  QAction* acShowCategories = nullptr;

  void CreateLibrary();
  void RemoveLibrary();
  void EditObject();
  void DeleteObject();

 protected:
  void showEvent(QShowEvent* AEvent) override;
  bool eventFilter(QObject* AObject, QEvent* AEvent) override;

 private:
  ILibraryQuestions& Questions() const;
  void Guarded(const std::function<void()>& AWork);
  void Sort();
  void ShowCategories(bool AShow);
  void RefreshToolbars();
  QTreeWidgetItem* RowOf(TDgrLibraryItem* AItem) const;

  TDgrLibraryManager* FLibraryManager = nullptr;
  TdvDiagram* FDiagram = nullptr;
  TOwned<TComponentWatch> FWatch;
  ILibraryQuestions* FQuestions = nullptr;
  TLibraryItemEditorFunc FItemEditor;
  int FCategoryColumnWidth = 80;
  bool FSortByCategory = false;
  bool FUpdatingActions = false;
};

}  // namespace tarnwick
