#include "editor/layers/LayerManager.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScopedValueRollback>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <exception>

#include "diagram/view/Diagram.h"
#include "editor/icons/EditorIcons.h"
#include "editor/layers/LayerQuestions.h"
#include "platform/core/ErrorOf.h"
#include "platform/core/Exception.h"

namespace tarnwick {

// The list of layers: a plain left click on a row's images flips the flag they show (the
// row is selected and focused first), and it tells whether a caption is being edited.
class TLayerListView : public QTreeWidget {
 public:
  using QTreeWidget::QTreeWidget;
  bool Editing() const { return state() == QAbstractItemView::EditingState; }
  std::function<void(QTreeWidgetItem*, int)> OnImageClick;

 protected:
  void mousePressEvent(QMouseEvent* AEvent) override {
    QTreeWidgetItem* item = itemAt(AEvent->position().toPoint());
    const int column = columnAt(AEvent->position().toPoint().x());
    const bool image = column == TDgrLayerManager::colVisible || column == TDgrLayerManager::colEditable;
    if (item && image && AEvent->button() == Qt::LeftButton && AEvent->modifiers() == Qt::NoModifier) {
      setCurrentItem(item, TDgrLayerManager::colName);
      setFocus();
      if (OnImageClick) OnImageClick(item, column);
      AEvent->accept();
      return;
    }
    QTreeWidget::mousePressEvent(AEvent);
  }
};

namespace {

constexpr int LayerIdRole = Qt::UserRole + 1;

QPixmap Blank() {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

QIcon GlyphIcon(const QString& AGlyph) {
  QPixmap pixmap = Blank();
  QPainter painter(&pixmap);
  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(14);
  painter.setFont(font);
  painter.drawText(pixmap.rect(), Qt::AlignCenter, AGlyph);
  return QIcon(pixmap);
}

}  // namespace

QIcon LayerStateIcon(bool AVisible) {
  // An open eye, or a struck-through one.
  QPixmap pixmap = Blank();
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(AVisible ? Qt::black : Qt::gray, 1.2));
  painter.drawEllipse(QRectF(1.5, 4.5, 13, 7));
  if (AVisible) {
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRectF(6, 6, 4, 4));
  } else {
    painter.drawLine(QPointF(2, 14), QPointF(14, 2));
  }
  return QIcon(pixmap);
}

QIcon LayerEditIcon(bool AEditable) {
  // A pencil, or a padlock.
  QPixmap pixmap = Blank();
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 1.2));
  if (AEditable) {
    painter.drawLine(QPointF(3, 13), QPointF(12, 4));
    painter.drawLine(QPointF(5, 14), QPointF(14, 5));
    painter.drawLine(QPointF(3, 13), QPointF(2.5, 14.5));
  } else {
    painter.drawArc(QRectF(4.5, 2, 7, 8), 0, 180 * 16);
    painter.setBrush(QColor(200, 160, 40));
    painter.drawRect(QRectF(3, 7, 10, 7));
  }
  return QIcon(pixmap);
}

TDgrLayerManager::TDgrLayerManager(QWidget* AParent) : QWidget(AParent) {
  setWindowTitle(QStringLiteral("Diagram layers"));
  setObjectName(QStringLiteral("DgrLayerManager"));
  resize(192, 153);
  setMinimumSize(120, 100);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  FToolBar = new QToolBar(this);
  FToolBar->setIconSize(QSize(16, 16));
  layout->addWidget(FToolBar);

  FList = new TLayerListView(this);
  FList->setObjectName(QStringLiteral("lvLayers"));
  FList->setColumnCount(3);
  FList->setHeaderLabels({QString(), QString(), QStringLiteral("Layers")});
  FList->setHeaderHidden(true);
  FList->setRootIsDecorated(false);
  FList->setSelectionBehavior(QAbstractItemView::SelectRows);
  FList->setSelectionMode(QAbstractItemView::SingleSelection);
  FList->setEditTriggers(QAbstractItemView::NoEditTriggers);
  FList->setContextMenuPolicy(Qt::CustomContextMenu);
  FList->header()->setStretchLastSection(true);
  FList->header()->setSectionResizeMode(colVisible, QHeaderView::Fixed);
  FList->header()->setSectionResizeMode(colEditable, QHeaderView::Fixed);
  FList->header()->resizeSection(colVisible, 20);
  FList->header()->resizeSection(colEditable, 20);
  layout->addWidget(FList);

  BuildActions();
  connect(FList, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* AItem, int AColumn) {
    if (!FFilling && AColumn == colName) Guarded([this, AItem] { CaptionEdited(AItem); });
  });
  connect(FList, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& APos) { FContextMenu->popup(FList->viewport()->mapToGlobal(APos)); });
  FList->OnImageClick = [this](QTreeWidgetItem* AItem, int AColumn) { ImageClicked(AItem, AColumn); };

  FIdle = new QTimer(this);
  FIdle->setInterval(250);
  connect(FIdle, &QTimer::timeout, this, [this] { IdleUpdate(); });
  FIdle->start();
  FDiagram.OnCleared = [this] {
    const QSignalBlocker blocker(FList);
    FList->clear();
    FLayerList.clear();
  };
}

TDgrLayerManager::~TDgrLayerManager() = default;

QTreeWidget* TDgrLayerManager::LayerList() const { return FList; }

void TDgrLayerManager::BuildActions() {
  const auto action = [this](const char* AName, const QString& AText, const QIcon& AIcon, std::function<void()> AWork) {
    auto* a = new QAction(AIcon, AText, this);
    a->setObjectName(QString::fromLatin1(AName));
    a->setToolTip(AText);
    connect(a, &QAction::triggered, this, [this, AWork] { Guarded(AWork); });
    return a;
  };
  acAdd = action("acAdd", QStringLiteral("Add layer"), GlyphIcon(QStringLiteral("+")), [this] { Add(); });
  acRemove =
      action("acRemove", QStringLiteral("Remove layer"), GlyphIcon(QStringLiteral("\u2212")), [this] { Remove(); });
  acDeleteControls = action("acDeleteControls", QStringLiteral("Delete layer controls"), EditorIcon(u"delete"),
                            [this] { DeleteControls(); });
  acMoveUp = action("acMoveUp", QStringLiteral("Move up"), GlyphIcon(QStringLiteral("\u2191")), [this] { Move(-1); });
  acMoveDown =
      action("acMoveDown", QStringLiteral("Move down"), GlyphIcon(QStringLiteral("\u2193")), [this] { Move(+1); });
  acVisible = action("acVisible", QStringLiteral("Visible"), QIcon(), [this] { ToggleVisible(); });
  acEditable = action("acEditable", QStringLiteral("Editable"), QIcon(), [this] { ToggleEditable(); });
  acRename = action("acRename", QStringLiteral("Rename"), QIcon(), [this] { StartRename(SelectedItem()); });
  acVisible->setCheckable(true);
  acEditable->setCheckable(true);
  // Keys for keyboard users, inside this window only: Insert adds, Delete removes, F2
  // renames and Space shows or hides the current layer.
  for (auto [command, key] : {std::pair{acRename, QKeySequence(Qt::Key_F2)}, {acAdd, QKeySequence(Qt::Key_Insert)},
                              {acRemove, QKeySequence(Qt::Key_Delete)}, {acVisible, QKeySequence(Qt::Key_Space)}}) {
    command->setShortcut(key);
    command->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(command);
  }

  FToolBar->addAction(acAdd);
  FToolBar->addAction(acRemove);
  FToolBar->addAction(acDeleteControls);
  FToolBar->addSeparator();
  FToolBar->addAction(acMoveUp);
  FToolBar->addAction(acMoveDown);

  FContextMenu = new QMenu(this);
  FContextMenu->addAction(acVisible);
  FContextMenu->addAction(acEditable);
  FContextMenu->addSeparator();
  FContextMenu->addAction(acRename);
  connect(FContextMenu, &QMenu::aboutToShow, this, [this] { IdleUpdate(); });
}

void TDgrLayerManager::SetDiagram(TdvDiagram* Value) {
  if (FDiagram.Set(Value)) RefreshLayerList();
}

void TDgrLayerManager::Execute() {
  if (!GetDiagram()) throw Exception(QStringLiteral("Diagram not specified."));
  RefreshLayerList();
  show();
}

// ---- The list ----

QStringList TDgrLayerManager::Snapshot() const {
  QStringList entries;
  if (TdvDiagram* diagram = GetDiagram()) {
    TDiagramLayers* layers = diagram->GetLayers();
    for (int i = 0; i < layers->Count(); ++i)
      entries << QStringLiteral("%1=%2").arg(layers->GetItems(i)->GetID()).arg(layers->GetItems(i)->GetLayerName());
  }
  entries.sort();
  return entries;
}

bool TDgrLayerManager::LayersChanged() const { return Snapshot().join(u'\n') != FLayerList.join(u'\n'); }

void TDgrLayerManager::RefreshLayerList() {
  FList->setUpdatesEnabled(false);
  {
    const QScopedValueRollback<bool> filling(FFilling, true);
    FList->clear();
    if (TdvDiagram* diagram = GetDiagram())
      for (int i = 0; i < diagram->GetLayers()->Count(); ++i) AddLayerRow(diagram->GetLayers()->GetItems(i));
    FLayerList = Snapshot();
    FList->clearSelection();
    FList->setCurrentItem(nullptr);
  }
  FList->setUpdatesEnabled(true);
}

QTreeWidgetItem* TDgrLayerManager::AddLayerRow(TDiagramLayer* ALayer) {
  const QScopedValueRollback<bool> filling(FFilling, true);
  auto* item = new QTreeWidgetItem(FList);
  item->setText(colName, ALayer->GetLayerName());
  item->setData(colName, LayerIdRole, ALayer->GetID());
  item->setFlags(item->flags() | Qt::ItemIsEditable);
  ShowFlags(item, ALayer);
  FList->setCurrentItem(item, colName);
  return item;
}

void TDgrLayerManager::ShowFlags(QTreeWidgetItem* AItem, TDiagramLayer* ALayer) {
  const QScopedValueRollback<bool> filling(FFilling, true);
  AItem->setIcon(colVisible, LayerStateIcon(ALayer->GetVisible()));
  AItem->setToolTip(colVisible, ALayer->GetVisible() ? QStringLiteral("Visible") : QStringLiteral("Hidden"));
  AItem->setIcon(colEditable, LayerEditIcon(ALayer->GetEditable()));
  AItem->setToolTip(colEditable, ALayer->GetEditable() ? QStringLiteral("Editable") : QStringLiteral("Locked"));
}

QTreeWidgetItem* TDgrLayerManager::SelectedItem() const {
  const QList<QTreeWidgetItem*> selected = FList->selectedItems();
  return selected.isEmpty() ? nullptr : selected.front();
}

TDiagramLayer* TDgrLayerManager::GetSelectedLayer() const {
  TdvDiagram* diagram = GetDiagram();
  QTreeWidgetItem* item = SelectedItem();
  if (!diagram || !item) return nullptr;
  TDiagramLayers* layers = diagram->GetLayers();
  if (TDiagramLayer* layer = layers->FindByName(item->text(colName))) return layer;
  // The row keeps the layer's identifier, not the layer: an undo step recreates layers.
  const int id = item->data(colName, LayerIdRole).toInt();
  for (int i = 0; i < layers->Count(); ++i)
    if (layers->GetItems(i)->GetID() == id) return layers->GetItems(i);
  return nullptr;
}

void TDgrLayerManager::IdleUpdate() {
  // A list refilled under an open editor would throw the typing away.
  if (GetDiagram() && !FList->Editing() && LayersChanged()) RefreshLayerList();
  TDiagramLayer* layer = GetSelectedLayer();
  const int index = layer ? layer->GetIndex() : -1;
  const int count = GetDiagram() ? GetDiagram()->GetLayers()->Count() : 0;
  acAdd->setEnabled(GetDiagram() != nullptr);
  acRemove->setEnabled(layer && !FList->Editing());
  acDeleteControls->setEnabled(layer && !FList->Editing());
  acMoveUp->setEnabled(layer && index > 0);
  acMoveDown->setEnabled(layer && index < count - 1);
  acVisible->setEnabled(layer);
  acEditable->setEnabled(layer);
  acRename->setEnabled(layer);
  acVisible->setChecked(layer && layer->GetVisible());
  acEditable->setChecked(layer && layer->GetEditable());
}

// ---- Commands ----

void TDgrLayerManager::Add() {
  TdvDiagram* diagram = GetDiagram();
  if (!diagram) return;
  TDiagramLayer* layer = nullptr;
  {
    TDiagramUpdate operation(*diagram, QStringLiteral("add layer"));
    layer = diagram->GetLayers()->Add();
    diagram->Modified();
  }
  // The operation's snapshot leaves the layer as it is, so the pointer still holds here.
  QTreeWidgetItem* item = AddLayerRow(layer);
  FLayerList = Snapshot();
  StartRename(item);
}

void TDgrLayerManager::StartRename(QTreeWidgetItem* AItem) {
  if (!AItem) return;
  FList->setCurrentItem(AItem, colName);
  FList->editItem(AItem, colName);
}

void TDgrLayerManager::CaptionEdited(QTreeWidgetItem* AItem) {
  TdvDiagram* diagram = GetDiagram();
  if (!diagram) return;
  TDiagramLayers* layers = diagram->GetLayers();
  const int id = AItem->data(colName, LayerIdRole).toInt();
  TDiagramLayer* layer = nullptr;
  for (int i = 0; i < layers->Count() && !layer; ++i)
    if (layers->GetItems(i)->GetID() == id) layer = layers->GetItems(i);
  if (!layer) return;
  const QString text = AItem->text(colName);
  // A blank name, or one any layer (this one too, in another letter case) already has,
  // is refused: the row shows the layer's name again.
  if (text.trimmed().isEmpty() || layers->FindByName(text)) {
    const QScopedValueRollback<bool> filling(FFilling, true);
    AItem->setText(colName, layer->GetLayerName());
    return;
  }
  {
    TDiagramUpdate operation(*diagram, QStringLiteral("rename layer"));
    layer->SetLayerName(text);
    diagram->Modified();
  }
  FLayerList = Snapshot();
}

void TDgrLayerManager::Remove() {
  TDiagramLayer* layer = GetSelectedLayer();
  if (!layer || !Confirm(QStringLiteral("Remove layer \"%1\"?").arg(layer->GetLayerName()), false)) return;
  // The box ran the event loop: take the diagram and the layer again.
  TdvDiagram* diagram = GetDiagram();
  if (!diagram || !(layer = GetSelectedLayer())) return;
  {
    TDiagramUpdate operation(*diagram, QStringLiteral("remove layer"));
    diagram->GetLayers()->Delete(layer->GetIndex());
    diagram->Modified();
  }
  RefreshLayerList();
}

void TDgrLayerManager::DeleteControls() {
  TDiagramLayer* layer = GetSelectedLayer();
  if (!layer ||
      !Confirm(QStringLiteral("Delete layer \"%1\" and all its controls from diagram?").arg(layer->GetLayerName()),
               true))
    return;
  TdvDiagram* diagram = GetDiagram();
  if (!diagram || !(layer = GetSelectedLayer())) return;
  {
    TDiagramUpdate operation(*diagram, QStringLiteral("delete layer controls"));
    diagram->DeleteLayerControls(layer);
    diagram->GetLayers()->Delete(layer->GetIndex());
    diagram->Modified();
  }
  RefreshLayerList();
}

void TDgrLayerManager::Move(int ADelta) {
  TdvDiagram* diagram = GetDiagram();
  TDiagramLayer* layer = GetSelectedLayer();
  if (!diagram || !layer) return;
  const int target = layer->GetIndex() + ADelta;
  if (target < 0 || target >= diagram->GetLayers()->Count()) return;
  {
    TDiagramUpdate operation(*diagram, QStringLiteral("move layer"));
    layer->SetIndex(target);
    diagram->Modified();
  }
  RefreshLayerList();
  if (QTreeWidgetItem* item = FList->topLevelItem(target)) {
    FList->setCurrentItem(item, colName);
    item->setSelected(true);
  }
}

void TDgrLayerManager::ToggleVisible() {
  TdvDiagram* diagram = GetDiagram();
  TDiagramLayer* layer = GetSelectedLayer();
  if (!diagram || !layer) return;
  const bool visible = !layer->GetVisible();
  {
    TDiagramUpdate operation(*diagram, visible ? QStringLiteral("show layer") : QStringLiteral("hide layer"));
    layer->SetVisible(visible);
    diagram->Modified();
  }
  // The step recreated nothing: the row and the layer still match.
  if (QTreeWidgetItem* item = SelectedItem()) ShowFlags(item, layer);
  IdleUpdate();
}

void TDgrLayerManager::ToggleEditable() {
  TdvDiagram* diagram = GetDiagram();
  TDiagramLayer* layer = GetSelectedLayer();
  if (!diagram || !layer) return;
  const bool editable = !layer->GetEditable();
  {
    TDiagramUpdate operation(*diagram, editable ? QStringLiteral("unlock layer") : QStringLiteral("lock layer"));
    layer->SetEditable(editable);
    diagram->Modified();
  }
  if (QTreeWidgetItem* item = SelectedItem()) ShowFlags(item, layer);
  IdleUpdate();
}

void TDgrLayerManager::ImageClicked(QTreeWidgetItem* AItem, int AColumn) {
  AItem->setSelected(true);
  Guarded([this, AColumn] { AColumn == colVisible ? ToggleVisible() : ToggleEditable(); });
}

bool TDgrLayerManager::Confirm(const QString& AText, bool AWarning) {
  if (!FQuestions && !FQtQuestions) FQtQuestions = std::make_unique<TQtLayerQuestions>(this);
  return (FQuestions ? FQuestions : FQtQuestions.get())->Confirm(AText, AWarning);
}

void TDgrLayerManager::Guarded(const std::function<void()>& AWork) {
  const std::optional<QString> message = ErrorOf(AWork);
  if (!message) return;
  if (OnError)
    OnError(*message);
  else
    QMessageBox::critical(this, QStringLiteral("Error"), *message);
}

}  // namespace tarnwick
