#pragma once
// The diagram's control lists: every control on it in painting order (z-order), the
// blocks and the lines, the names new controls get, and what is measured over the lists.
// The controls are owned by the diagram's child owner; the lists only refer to them.
#include <QHash>
#include <QString>

#include "geometry/Dot.h"
#include "platform/core/List.h"

namespace tarnwick {

class TComponent;
class TDiagramControl;
class TdvDiagram;

class TDiagramControlList {
 public:
  explicit TDiagramControlList(TdvDiagram& ADiagram) : FDiagram(ADiagram) {}
  TDiagramControlList(const TDiagramControlList&) = delete;
  TDiagramControlList& operator=(const TDiagramControlList&) = delete;

  // Letter case ignored.
  TDiagramControl* FindDControl(const QString& AName) const;
  TDiagramControl* FindBlock(const QString& AName) const;
  bool IsForeignOwned(TDiagramControl* AControl) const;
  QString FindCompName(TComponent* AComponent, QString ABaseName);

  // List bookkeeping; false when nothing changed.
  bool AddDControl(TDiagramControl* AControl);
  bool RemoveDControl(TDiagramControl* AControl);
  bool AddBlock(TDiagramControl* ABlock);
  bool RemoveBlock(TDiagramControl* ABlock);
  bool AddLink(TDiagramControl* ALink);
  bool RemoveLink(TDiagramControl* ALink);
  // Frees every control, a member's master group first.
  void Clear();

  // Z-order: false when the control is not on the list.
  bool MoveIndex(TDiagramControl* AControl, int ANewIndex);

  // Rounded extremes of the surround rectangles (0 and INT_MAX without controls).
  int MaxRight() const;
  int MaxBottom() const;
  int MinLeft() const;
  int MinTop() const;
  // The union of the surround rectangles of the visible controls; all zero without any.
  TSquare ContentBounds() const;
  TDiagramControl* LinkBetween(TDiagramControl* ABlock1, TDiagramControl* ABlock2) const;

  TList<TDiagramControl*> FDControls;
  TList<TDiagramControl*> FBlocks;
  TList<TDiagramControl*> FLinks;

 private:
  TdvDiagram& FDiagram;
  // Naming many new controls must stay linear: per base name, the numbers below the
  // hint are known to be taken (forgotten whenever a control leaves), and controls owned
  // outside the owners FindCompName asks are counted, so the list walk of FindDControl
  // is needed only when there are any.
  QHash<QString, int> FNameHints;
  int FForeignOwnedControls = 0;
};

}  // namespace tarnwick
