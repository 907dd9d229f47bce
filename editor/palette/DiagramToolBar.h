#pragma once
// A strip of buttons for the registered kinds: in objects mode each button arms the
// insertion of its kind; in connections mode each line button chooses the line drawn out
// of a link point. Optional Delete and Cancel-insert buttons lead the strip. Every button is
// driven by a command of the diagram action family, so it shows checked and enabled as the
// diagram's state says; the strip rebuilds itself when the diagram reports a library change.
#include <QToolBar>
#include <memory>
#include <vector>

#include "diagram/view/actions/DiagramInsertActions.h"
#include "editor/palette/LibraryFollower.h"
#include "platform/core/Set.h"

class QTimer;

namespace tarnwick {

class TdvDiagram;
class TDiagramAction;

enum TDiagramBarButton { dbBlocks, dbCancelInsert, dbDelete, dbLines };
using TDiagramBarButtons = TSet<TDiagramBarButton>;
enum TToolbarMode { tmObjects, tmConnections };

class TDiagramToolBar : public QToolBar {
 public:
  explicit TDiagramToolBar(QWidget* AParent = nullptr);
  ~TDiagramToolBar() override;

  TdvDiagram* GetDiagram() const { return FFollower.Diagram(); }
  void SetDiagram(TdvDiagram* ADiagram);
  TDiagramBarButtons GetButtons() const { return FButtons; }
  void SetButtons(TDiagramBarButtons AValue);
  // Only entries of this category (letter case ignored); empty: all.
  const QString& GetCategory() const { return FCategory; }
  void SetCategory(const QString& AValue);
  TToolbarMode GetMode() const { return FMode; }
  // Objects mode adds the block buttons, connections mode takes them away.
  void SetMode(TToolbarMode AValue);
  TKeepInsertingMode GetKeepInsertingMode() const { return FKeepInsertingMode; }
  void SetKeepInsertingMode(TKeepInsertingMode AValue);
  int GetButtonSize() const { return FButtonSize; }
  void SetButtonSize(int AValue);

  // Makes the commands and buttons again from the registry.
  void Rebuild();
  // Brings every command's enabled and checked state up to date (run when idle).
  void UpdateActions();

  // The commands in bar order: cancel-insert, delete, then one per registry entry.
  const std::vector<TDiagramAction*>& Actions() const { return FActions; }
  // The commands that have a button, in button order.
  std::vector<TDiagramAction*> ButtonActions() const;

 private:
  void RebuildActions();
  void DropActions();

  TLibraryFollower FFollower;
  TDiagramBarButtons FButtons{dbBlocks, dbCancelInsert, dbDelete, dbLines};
  QString FCategory;
  TToolbarMode FMode = tmObjects;
  TKeepInsertingMode FKeepInsertingMode = kmNever;
  int FButtonSize = 29;
  std::vector<TDiagramAction*> FActions;
  QTimer* FIdle = nullptr;
};

}  // namespace tarnwick
