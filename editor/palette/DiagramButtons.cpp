#include "editor/palette/DiagramButtons.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QAction>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "diagram/model/DiagramControl.h"
#include "diagram/model/RegDControls.h"
#include "diagram/view/DControlGlyph.h"
#include "diagram/view/Diagram.h"
#include "editor/palette/PaletteGlyphs.h"
#include "platform/gui/Bitmap.h"

namespace tarnwick {

const QString TDiagramButtons::BasicCategory = QStringLiteral("Basic");
const QString TDiagramButtons::AllObjectsCategory = QStringLiteral("All Objects");

namespace {

constexpr int IdRole = Qt::UserRole + 1;
// How often the palette looks whether the diagram still inserts what it shows selected.
constexpr int IdleInterval = 200;

bool IsBlank(const QString& AText) { return AText.trimmed().isEmpty(); }

}  // namespace

TDiagramButtons::TDiagramButtons(QWidget* AParent)
    : QWidget(AParent),
      FSearch(new QLineEdit(this)),
      FTree(new QTreeWidget(this)),
      FIdle(new QTimer(this)),
      FFollower([this] { Populate(); }) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addWidget(FSearch);
  layout->addWidget(FTree);
  FSearch->setObjectName(QStringLiteral("PaletteSearch"));
  FSearch->setPlaceholderText(QStringLiteral("Search objects"));
  FSearch->setClearButtonEnabled(true);
  auto* clear = new QAction(FSearch);
  clear->setShortcut(Qt::Key_Escape);
  clear->setShortcutContext(Qt::WidgetShortcut);
  FSearch->addAction(clear);
  QObject::connect(clear, &QAction::triggered, FSearch, &QLineEdit::clear);
  QObject::connect(FSearch, &QLineEdit::textChanged, this, [this](const QString& text) { Filter(text); });
  QObject::connect(FSearch, &QLineEdit::returnPressed, this, [this] {
    for (int i = 0; i < FTree->topLevelItemCount(); ++i) {
      QTreeWidgetItem* group = FTree->topLevelItem(i);
      for (int j = 0; !group->isHidden() && j < group->childCount(); ++j)
        if (!group->child(j)->isHidden()) {
          FTree->setCurrentItem(group->child(j));
          ItemClicked(group->child(j));
          return;
        }
    }
  });
  FTree->setHeaderHidden(true);
  FTree->setRootIsDecorated(true);
  FTree->setIconSize(QSize(DControlGlyphSize, DControlGlyphSize));
  FTree->setSelectionMode(QAbstractItemView::SingleSelection);
  FTree->setExpandsOnDoubleClick(false);
  QObject::connect(FTree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item, int) { ItemClicked(item); });
  // Keyboard users pick a button with Enter, as they would click it.
  QObject::connect(FTree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item, int) { ItemClicked(item); });
  QObject::connect(FIdle, &QTimer::timeout, this, [this] { FollowInserting(); });
  FIdle->start(IdleInterval);
  Populate();
}

TDiagramButtons::~TDiagramButtons() = default;

void TDiagramButtons::SetDiagram(TdvDiagram* ADiagram) { FFollower.Follow(ADiagram); }

void TDiagramButtons::SetDiagramCategories(const QStringList& AValue) {
  FDiagramCategories = AValue;
  Populate();
}

void TDiagramButtons::SetShowAllObjects(bool AValue) {
  if (FShowAllObjects == AValue) return;
  FShowAllObjects = AValue;
  Populate();
}

void TDiagramButtons::SetShowEmptyCategory(bool AValue) {
  if (FShowEmptyCategory == AValue) return;
  FShowEmptyCategory = AValue;
  Populate();
}

QStringList TDiagramButtons::BuildCategoryList() const {
  QStringList list;
  auto contains = [&list](const QString& AName) {
    return std::any_of(list.begin(), list.end(),
                       [&](const QString& c) { return c.compare(AName, Qt::CaseInsensitive) == 0; });
  };
  if (!FDiagramCategories.isEmpty()) {
    list = FDiagramCategories;
  } else {
    const TRegDControls& registry = RegisteredDControls();
    for (int i = 0; i < registry.Count(); ++i) {
      const QString& category = registry.GetItem(i)->GetCategory();
      if (!category.isEmpty() && !contains(category)) list.append(category);
    }
  }
  if (FShowEmptyCategory && !contains(BasicCategory)) list.prepend(BasicCategory);
  if (FShowAllObjects && !contains(AllObjectsCategory)) list.prepend(AllObjectsCategory);
  if (FDiagramCategories.isEmpty())
    std::stable_sort(list.begin(), list.end(),
                     [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
  return list;
}

void TDiagramButtons::Populate() {
  // Keep which categories the user had open across a rebuild.
  QStringList expanded;
  for (int i = 0; i < FTree->topLevelItemCount(); ++i)
    if (FTree->topLevelItem(i)->isExpanded()) expanded.append(FTree->topLevelItem(i)->text(0));

  FTree->clear();
  const TRegDControls& registry = RegisteredDControls();
  for (const QString& category : BuildCategoryList()) {
    auto* group = new QTreeWidgetItem(FTree, QStringList{category});
    QFont bold = group->font(0);
    bold.setBold(true);
    group->setFont(0, bold);
    group->setFlags(Qt::ItemIsEnabled);
    for (int i = 0; i < registry.Count(); ++i) {
      const TRegDControl* entry = registry.GetItem(i);
      const bool listed = category == AllObjectsCategory ||
                          entry->GetCategory().compare(category, Qt::CaseInsensitive) == 0 ||
                          (category == BasicCategory && IsBlank(entry->GetCategory()));
      if (!listed) continue;
      auto* item = new QTreeWidgetItem(group, QStringList{entry->GetCaption()});
      item->setData(0, IdRole, entry->GetDControlID());
      item->setToolTip(0, entry->GetCaption());
      item->setIcon(0, PaletteIcon(entry));
    }
    group->setExpanded(expanded.contains(category));
  }
  // A rebuild while searching keeps showing what the search found.
  if (!FSearch->text().isEmpty()) Filter(FSearch->text());
}

void TDiagramButtons::Filter(const QString& AText) {
  const QString text = AText.trimmed();
  for (int i = 0; i < FTree->topLevelItemCount(); ++i) {
    QTreeWidgetItem* group = FTree->topLevelItem(i);
    int shown = 0;
    for (int j = 0; j < group->childCount(); ++j) {
      const bool match = text.isEmpty() || group->child(j)->text(0).contains(text, Qt::CaseInsensitive);
      group->child(j)->setHidden(!match);
      shown += match;
    }
    // A search opens the categories it found something in; clearing it leaves them open.
    group->setHidden(!text.isEmpty() && shown == 0);
    if (!text.isEmpty() && shown > 0) group->setExpanded(true);
  }
}

void TDiagramButtons::ExpandAll() {
  FTree->expandAll();
  if (FTree->topLevelItemCount() > 0) FTree->setCurrentItem(FTree->topLevelItem(0));
}

QString TDiagramButtons::DControlIdOf(const QTreeWidgetItem* AItem) {
  return AItem ? AItem->data(0, IdRole).toString() : QString();
}

void TDiagramButtons::ItemClicked(QTreeWidgetItem* AItem) {
  if (!AItem) return;
  const QString id = DControlIdOf(AItem);
  if (id.isEmpty()) {
    // A category row opens and closes like a section header.
    AItem->setExpanded(!AItem->isExpanded());
    return;
  }
  TdvDiagram* diagram = FFollower.Diagram();
  if (!diagram) return;
  bool keep = FKeepInsertingMode == dkmAlways;
  if (FKeepInsertingMode == dkmOnShiftPressed) keep = QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier);
  diagram->StartInsertingControl(id, keep);
  diagram->GetHandle()->setFocus();
}

void TDiagramButtons::FollowInserting() {
  TdvDiagram* diagram = FFollower.Diagram();
  TDiagramControl* inserting = diagram ? diagram->GetInsertDControl() : nullptr;
  const QString id = inserting ? inserting->GetDControlID() : QString();
  QTreeWidgetItem* match = nullptr;
  // When several categories list it, the button in the last of them is the one shown.
  for (int i = 0; !id.isEmpty() && i < FTree->topLevelItemCount(); ++i) {
    QTreeWidgetItem* group = FTree->topLevelItem(i);
    for (int j = 0; j < group->childCount(); ++j)
      if (DControlIdOf(group->child(j)) == id) match = group->child(j);
  }
  if (match) {
    if (FTree->currentItem() != match) FTree->setCurrentItem(match);
  } else if (!FTree->selectedItems().isEmpty()) {
    FTree->clearSelection();
    FTree->setCurrentItem(nullptr);
  }
}

QStringList TDiagramButtons::Categories() const {
  QStringList result;
  for (int i = 0; i < FTree->topLevelItemCount(); ++i) result.append(FTree->topLevelItem(i)->text(0));
  return result;
}

QStringList TDiagramButtons::IdsIn(const QString& ACategory) const {
  QStringList result;
  for (int i = 0; i < FTree->topLevelItemCount(); ++i) {
    QTreeWidgetItem* group = FTree->topLevelItem(i);
    if (group->text(0) != ACategory) continue;
    for (int j = 0; j < group->childCount(); ++j) result.append(DControlIdOf(group->child(j)));
  }
  return result;
}

}  // namespace tarnwick
