#pragma once
// TDgrLayerManager: the tool window that lists the diagram's named layers and lets the
// user add, rename, reorder and remove them, show and hide them, lock and unlock them,
// and delete a layer with all its controls. It is a plain widget; the program puts it in
// a dock. It keeps in step with the diagram by comparing the layers with a snapshot of
// their identifiers and names when the program is idle.
//
// Every edit is one undo step of the diagram and marks the document modified.
#include <QIcon>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

#include "editor/selectors/DiagramLink.h"

class QAction;
class QMenu;
class QTimer;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace tarnwick {

class ILayerQuestions;
class TDiagramLayer;
class TLayerListView;
class TdvDiagram;

class TDgrLayerManager : public QWidget {
 public:
  // The columns of the list: the visibility image, the editable image, the name.
  enum { colVisible, colEditable, colName };

  explicit TDgrLayerManager(QWidget* AParent = nullptr);
  ~TDgrLayerManager() override;

  TdvDiagram* GetDiagram() const { return FDiagram.Get(); }
  void SetDiagram(TdvDiagram* Value);
  // Raises "Diagram not specified." without a diagram; otherwise fills the list and shows
  // the window.
  void Execute();
  // The selected row's layer, found by its name (or by the layer the row was made for).
  TDiagramLayer* GetSelectedLayer() const;
  // The boxes that ask before removing; null: the Qt message boxes. Not owned.
  void SetQuestions(ILayerQuestions* Value) { FQuestions = Value; }

  void RefreshLayerList();
  // True when layers were added or removed or a name changed since the list was filled;
  // a new order alone is not a change.
  bool LayersChanged() const;
  // What the window does when the program is idle: refills a stale list and sets the
  // actions' states.
  void IdleUpdate();

  QAction* acAdd = nullptr;
  QAction* acRemove = nullptr;
  QAction* acDeleteControls = nullptr;
  QAction* acMoveUp = nullptr;
  QAction* acMoveDown = nullptr;
  QAction* acVisible = nullptr;
  QAction* acEditable = nullptr;
  QAction* acRename = nullptr;

  // Errors of the commands; without a handler they show in a message box.
  std::function<void(const QString& AMessage)> OnError;

  QTreeWidget* LayerList() const;
  QToolBar* ToolBar() const { return FToolBar; }
  QMenu* ContextMenu() const { return FContextMenu; }

 private:
  void BuildActions();
  QStringList Snapshot() const;
  QTreeWidgetItem* SelectedItem() const;
  QTreeWidgetItem* AddLayerRow(TDiagramLayer* ALayer);
  void ShowFlags(QTreeWidgetItem* AItem, TDiagramLayer* ALayer);
  void StartRename(QTreeWidgetItem* AItem);
  void CaptionEdited(QTreeWidgetItem* AItem);
  void Add();
  void Remove();
  void DeleteControls();
  void Move(int ADelta);
  void ToggleVisible();
  void ToggleEditable();
  void ImageClicked(QTreeWidgetItem* AItem, int AColumn);
  bool Confirm(const QString& AText, bool AWarning);
  // Runs a command, showing an error in a box instead of letting it reach the event loop.
  void Guarded(const std::function<void()>& AWork);

  TDiagramLink FDiagram;
  QStringList FLayerList;
  TLayerListView* FList = nullptr;
  QToolBar* FToolBar = nullptr;
  QMenu* FContextMenu = nullptr;
  QTimer* FIdle = nullptr;
  ILayerQuestions* FQuestions = nullptr;
  std::unique_ptr<ILayerQuestions> FQtQuestions;
  bool FFilling = false;
};

// The images of the list: visible and hidden, editable and locked.
QIcon LayerStateIcon(bool AVisible);
QIcon LayerEditIcon(bool AEditable);

}  // namespace tarnwick
