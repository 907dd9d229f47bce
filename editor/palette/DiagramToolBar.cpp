#include "editor/palette/DiagramToolBar.h"

#include <QApplication>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include "diagram/lines/CustomLine.h"
#include "diagram/model/CustomBlock.h"
#include "diagram/model/RegDControls.h"
#include "diagram/view/DControlGlyph.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/actions/DiagramEditActions.h"
#include "editor/palette/PaletteGlyphs.h"

namespace tarnwick {

namespace {

// How often the bar brings its buttons' states up to date.
constexpr int IdleInterval = 200;

bool Descends(const TRegDControl* AEntry, const TClassInfo& AAncestor) {
  const TClassInfo* cls = AEntry->GetDControlClass();
  return cls && cls->InheritsFrom(AAncestor);
}

}  // namespace

TDiagramToolBar::TDiagramToolBar(QWidget* AParent)
    : QToolBar(AParent), FFollower([this] { Rebuild(); }), FIdle(new QTimer(this)) {
  setIconSize(QSize(DControlGlyphSize, DControlGlyphSize));
  QObject::connect(FIdle, &QTimer::timeout, this, [this] { UpdateActions(); });
  FIdle->start(IdleInterval);
  Rebuild();
}

TDiagramToolBar::~TDiagramToolBar() = default;

void TDiagramToolBar::SetDiagram(TdvDiagram* ADiagram) {
  if (!FFollower.Follow(ADiagram)) return;
  for (TDiagramAction* a : FActions) a->SetDiagram(ADiagram);
  UpdateActions();
}

void TDiagramToolBar::SetButtons(TDiagramBarButtons AValue) {
  if (FButtons == AValue) return;
  FButtons = AValue;
  Rebuild();
}

void TDiagramToolBar::SetCategory(const QString& AValue) {
  if (FCategory == AValue) return;
  FCategory = AValue;
  Rebuild();
}

void TDiagramToolBar::SetMode(TToolbarMode AValue) {
  FMode = AValue;
  if (FMode == tmObjects)
    FButtons.Include(dbBlocks);
  else
    FButtons.Exclude(dbBlocks);
  DropActions();  // the entries' commands change kind
  Rebuild();
}

void TDiagramToolBar::SetKeepInsertingMode(TKeepInsertingMode AValue) {
  if (FKeepInsertingMode == AValue) return;
  FKeepInsertingMode = AValue;
  DropActions();
  Rebuild();
}

void TDiagramToolBar::SetButtonSize(int AValue) {
  if (AValue < 1 || FButtonSize == AValue) return;
  FButtonSize = AValue;
  Rebuild();
}

void TDiagramToolBar::DropActions() {
  for (TDiagramAction* a : FActions) delete a;
  FActions.clear();
}

void TDiagramToolBar::RebuildActions() {
  const TRegDControls& registry = RegisteredDControls();
  if (!FActions.empty() && static_cast<int>(FActions.size()) - 2 == registry.Count()) return;
  DropActions();
  FActions.push_back(new TDiagramCancelInsert(this));
  FActions.push_back(new TDiagramDelete(this));
  for (int i = 0; i < registry.Count(); ++i) {
    const TRegDControl* entry = registry.GetItem(i);
    TDiagramAction* action = nullptr;
    if (FMode == tmConnections) {
      auto* connection = new TDiagramConnectionId(this);
      connection->SetConnectionLineID(entry->GetDControlID());
      action = connection;
    } else {
      auto* insert = new TDiagramInsertBlock(this);
      insert->SetDControlID(entry->GetDControlID());
      insert->SetKeepInsertingMode(FKeepInsertingMode);
      action = insert;
    }
    action->SetHint(entry->GetCaption());
    action->setText(entry->GetCaption());
    action->setIcon(PaletteIcon(entry));
    FActions.push_back(action);
  }
  for (TDiagramAction* a : FActions) a->SetDiagram(FFollower.Diagram());
  FActions[0]->setIcon(QApplication::style()->standardIcon(QStyle::SP_DialogCancelButton));
  FActions[1]->setIcon(QApplication::style()->standardIcon(QStyle::SP_TrashIcon));
}

std::vector<TDiagramAction*> TDiagramToolBar::ButtonActions() const {
  std::vector<TDiagramAction*> result;
  for (QAction* a : actions())
    if (auto* d = dynamic_cast<TDiagramAction*>(a)) result.push_back(d);
  return result;
}

void TDiagramToolBar::Rebuild() {
  RebuildActions();
  clear();
  setIconSize(QSize(FButtonSize - 5, FButtonSize - 5));
  if (FButtons.Contains(dbDelete)) addAction(FActions[1]);
  if (FButtons.Contains(dbCancelInsert)) addAction(FActions[0]);
  const TRegDControls& registry = RegisteredDControls();
  for (int i = 0; i < registry.Count() && i + 2 < static_cast<int>(FActions.size()); ++i) {
    const TRegDControl* entry = registry.GetItem(i);
    if (!FCategory.isEmpty() && entry->GetCategory().compare(FCategory, Qt::CaseInsensitive) != 0) continue;
    const bool block = FButtons.Contains(dbBlocks) && Descends(entry, TCustomDiagramBlock::StaticClassInfo());
    const bool line = FButtons.Contains(dbLines) && Descends(entry, TCustomDiagramLine::StaticClassInfo());
    if (block || line) addAction(FActions[static_cast<size_t>(i) + 2]);
  }
  UpdateActions();
}

void TDiagramToolBar::UpdateActions() {
  for (TDiagramAction* a : FActions) a->Update();
}

}  // namespace tarnwick
