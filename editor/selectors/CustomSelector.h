#pragma once
// TDgrCustomSelector: a tool bar button that changes one property of the selected
// controls. Its items (Tools) sit in a drop-down panel; picking one sets SelectedIndex
// and applies the selector's change to the diagram's selection as one undo step. With
// DropDownButton the button is split: its main part applies the current choice again and
// its arrow opens (or closes) the panel; without it the whole button opens the panel.
//
// A selector changes nothing and records nothing while nothing it applies to is selected.
#include <QIcon>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "editor/selectors/DiagramLink.h"
#include "platform/core/Colors.h"

class QAbstractButton;
class QToolButton;

namespace tarnwick {

class TDgrSelectorPanel;
class TdvDiagram;

enum TDgrSelectorItemType { itAutoSizeButton, itFullWidthButton };

struct TDgrSelectorItem {
  TDgrSelectorItemType ItemType = itAutoSizeButton;
  QString Caption;
  Qt::Alignment CaptionAlignment = Qt::AlignLeft | Qt::AlignVCenter;
  QString Hint;
  int ImageIndex = -1;
  QString Value;
  TColor BackGroundColor = clNone;
  // What the item shows; a selector paints it (a swatch, a sample line, a style image).
  QIcon Icon;
};

class TDgrCustomSelector : public QWidget {
 public:
  explicit TDgrCustomSelector(QWidget* AParent = nullptr);
  ~TDgrCustomSelector() override;

  TdvDiagram* GetDiagram() const { return FDiagram.Get(); }
  void SetDiagram(TdvDiagram* Value);

  const std::vector<TDgrSelectorItem>& GetTools() const { return FTools; }
  void SetTools(std::vector<TDgrSelectorItem> Value);
  int GetSelectedIndex() const { return FSelectedIndex; }
  // -1 for none. An index past the items is kept but shows nothing.
  void SetSelectedIndex(int Value);
  bool GetDropDownButton() const { return FDropDownButton; }
  void SetDropDownButton(bool Value);
  // Items per row of the panel (full-width items take a row of their own).
  int GetColumns() const { return FColumns; }
  void SetColumns(int Value) { FColumns = Value > 0 ? Value : 1; }

  QToolButton* MainButton() const { return FMain; }
  QToolButton* ArrowButton() const { return FArrow; }
  // The drop-down panel; null until it first opens.
  TDgrSelectorPanel* Panel() const { return FPanel; }
  bool PanelOpen() const;
  void OpenPanel();
  void ClosePanel();

  // What a click on an item of the panel does: takes the item and applies it.
  void Pick(int AIndex);
  // Applies the current choice again (the main part of a split button).
  void ApplyCurrent();
  // Called when the program is idle: the selector follows the diagram and its selection.
  virtual void Sync() {}

  std::function<void(TDgrCustomSelector* Sender, int AIndex, const TDgrSelectorItem* AItem)> OnSelect;
  std::function<void(TDgrCustomSelector* Sender, int AIndex)> OnHotTool;
  // The message of an error an application raised; errors never reach the event loop.
  // Without a handler it is logged.
  std::function<void(const QString& AMessage)> OnError;

 protected:
  // Takes the picked item into the selector's own state before anything is applied. May
  // move AIndex (to the item that shows the result); false when nothing is to be applied
  // (a dialog was cancelled).
  virtual bool Prepare(int& AIndex);
  // The selector's change on the diagram's selection: one undo step, and none when nothing
  // it applies to is selected.
  virtual void Apply(TdvDiagram& ADiagram) = 0;
  // The main button's face; by default the selected item's icon.
  virtual QIcon FaceIcon() const;
  void UpdateFace();
  // Runs AWork, turning an error into OnError.
  void Guarded(const std::function<void()>& AWork);

 private:
  void MainClicked();

  TDiagramLink FDiagram;
  std::vector<TDgrSelectorItem> FTools;
  int FSelectedIndex = -1;
  bool FDropDownButton = true;
  int FColumns = 8;
  QToolButton* FMain = nullptr;
  QToolButton* FArrow = nullptr;
  TDgrSelectorPanel* FPanel = nullptr;
};

}  // namespace tarnwick
