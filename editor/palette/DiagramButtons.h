#pragma once
// The block palette: every registered kind of control (built-in blocks and lines, library
// items) as a captioned button with its glyph, in collapsible categories. A click starts
// inserting that kind into the diagram; while the diagram inserts, the matching button is
// shown selected. The palette follows the registry: a diagram's "library changed" report
// makes it list the entries again.
#include <QStringList>
#include <QWidget>
#include <memory>

#include "editor/palette/LibraryFollower.h"

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class QTimer;

namespace tarnwick {

class TdvDiagram;

enum TDgrKeepInsertingMode { dkmNever, dkmAlways, dkmOnShiftPressed };

class TDiagramButtons : public QWidget {
 public:
  // The captions of the two categories the palette may add to the registry's own.
  static const QString BasicCategory;       // entries without a category
  static const QString AllObjectsCategory;  // every entry

  explicit TDiagramButtons(QWidget* AParent = nullptr);
  ~TDiagramButtons() override;

  TdvDiagram* GetDiagram() const { return FFollower.Diagram(); }
  void SetDiagram(TdvDiagram* ADiagram);
  // A fixed list of categories in display order; empty: the registry's categories, sorted.
  const QStringList& GetDiagramCategories() const { return FDiagramCategories; }
  void SetDiagramCategories(const QStringList& AValue);
  bool GetShowAllObjects() const { return FShowAllObjects; }
  void SetShowAllObjects(bool AValue);
  bool GetShowEmptyCategory() const { return FShowEmptyCategory; }
  void SetShowEmptyCategory(bool AValue);
  TDgrKeepInsertingMode GetKeepInsertingMode() const { return FKeepInsertingMode; }
  void SetKeepInsertingMode(TDgrKeepInsertingMode AValue) { FKeepInsertingMode = AValue; }

  // Lists the categories and their entries again from the registry.
  void Populate();
  // Opens every category and makes the first one current, as the palette first shows.
  void ExpandAll();
  // Selects the button of the control the diagram is inserting, or none (run when idle).
  void FollowInserting();

  // What the palette shows, for the program's own checks: the category captions in
  // order, and the identifiers listed under one of them.
  QStringList Categories() const;
  QStringList IdsIn(const QString& ACategory) const;
  QTreeWidget* Tree() const { return FTree; }
  // The search field above the list: typing shows only the entries whose caption holds
  // the text; Return arms the first of them, Escape clears the search.
  QLineEdit* SearchField() const { return FSearch; }
  void Filter(const QString& AText);
  // The identifier a button inserts (empty for a category row).
  static QString DControlIdOf(const QTreeWidgetItem* AItem);

 private:
  QStringList BuildCategoryList() const;
  void ItemClicked(QTreeWidgetItem* AItem);

  QLineEdit* FSearch = nullptr;
  QTreeWidget* FTree = nullptr;
  QTimer* FIdle = nullptr;
  TLibraryFollower FFollower;
  QStringList FDiagramCategories;
  bool FShowAllObjects = false;
  bool FShowEmptyCategory = true;
  TDgrKeepInsertingMode FKeepInsertingMode = dkmNever;
};

}  // namespace tarnwick
