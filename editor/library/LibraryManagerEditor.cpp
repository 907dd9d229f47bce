#include "editor/library/LibraryManagerEditor.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "diagram/libraries/Library.h"
#include "diagram/libraries/LibraryItem.h"
#include "diagram/libraries/LibraryManager.h"
#include "diagram/libraries/LibraryNames.h"
#include "diagram/view/Diagram.h"
#include "editor/icons/EditorIcons.h"
#include "editor/library/LibraryPreviewIcon.h"
#include "editor/library/LibraryQuestions.h"
#include "platform/core/ComponentWatch.h"
#include "platform/core/Exception.h"
#include "platform/core/Strings.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Picture.h"

namespace tarnwick {

namespace {

constexpr int IconSide = 26;

struct TScopedFlag {
  explicit TScopedFlag(bool& AFlag) : Flag(AFlag) { Flag = true; }
  ~TScopedFlag() { Flag = false; }
  bool& Flag;
};

TDgrLibraryItem* ItemOfRow(const QTreeWidgetItem* ARow) {
  return ARow ? reinterpret_cast<TDgrLibraryItem*>(ARow->data(0, Qt::UserRole).value<quintptr>()) : nullptr;
}

// The item's glyph, or the default icon, cut or extended to the list's icon size (never
// scaled). A copy: the item's own glyph stays as it is stored.
QIcon RowIcon(TDgrLibraryItem* AItem) {
  QImage image;
  if (TPicture* glyph = AItem->GetGlyph(); glyph && !glyph->GetEmpty() && glyph->GetGraphic())
    image = glyph->GetGraphic()->ToImage();
  if (image.isNull()) image = DefaultLibraryIcon();
  QImage sized(IconSide, IconSide, QImage::Format_ARGB32);
  sized.fill(Qt::transparent);
  QPainter painter(&sized);
  painter.drawImage(0, 0, image);
  painter.end();
  return QIcon(QPixmap::fromImage(sized));
}

}  // namespace

TDgrLibraryManagerEditor::TDgrLibraryManagerEditor(QWidget* AParent)
    : QWidget(AParent), FWatch(MakeOwned<TComponentWatch>()) {
  setWindowTitle(QStringLiteral("Library manager"));
  setObjectName(QStringLiteral("LibraryManager"));
  setFont(QFont(QStringLiteral("Tahoma"), font().pointSize()));
  resize(250, 264);
  setMinimumSize(180, 200);
  FWatch->OnFreed = [this](TComponent* AComponent) {
    if (AComponent == FLibraryManager) FLibraryManager = nullptr;
    if (AComponent == FDiagram) FDiagram = nullptr;
  };

  LibraryBox = new QComboBox(this);
  LibraryBox->setObjectName(QStringLiteral("LibraryBox"));
  auto action = [this](const QString& AText, const char* AIcon, void (TDgrLibraryManagerEditor::*AWork)()) {
    auto* a = new QAction(AText, this);
    a->setToolTip(AText);
    if (AIcon) a->setIcon(EditorIcon(QString::fromLatin1(AIcon)));
    connect(a, &QAction::triggered, this, [this, AWork] { Guarded([this, AWork] { (this->*AWork)(); }); });
    return a;
  };
  acCreateLibrary = action(QStringLiteral("Create new library"), "new", &TDgrLibraryManagerEditor::CreateLibrary);
  acRemoveLibrary = action(QStringLiteral("Remove library"), "delete", &TDgrLibraryManagerEditor::RemoveLibrary);
  acEditObject = action(QStringLiteral("Edit object"), nullptr, &TDgrLibraryManagerEditor::EditObject);
  acDeleteObject = action(QStringLiteral("Delete object"), "delete", &TDgrLibraryManagerEditor::DeleteObject);
  acShowCategories = new QAction(QStringLiteral("Show/hide categories"), this);
  acShowCategories->setCheckable(true);
  connect(acShowCategories, &QAction::toggled, this, [this](bool AOn) { ShowCategories(AOn); });

  auto* top = new QHBoxLayout;
  top->addWidget(LibraryBox, 1);
  for (QAction* a : {acCreateLibrary, acRemoveLibrary}) {
    auto* button = new QToolButton(this);
    button->setDefaultAction(a);
    top->addWidget(button);
  }
  auto* tools = new QToolBar(this);
  tools->setOrientation(Qt::Vertical);
  tools->addAction(acEditObject);
  tools->addAction(acDeleteObject);
  tools->addAction(acShowCategories);

  ObjectList = new QTreeWidget(this);
  ObjectList->setObjectName(QStringLiteral("ObjectList"));
  ObjectList->setColumnCount(2);
  ObjectList->setHeaderLabels({QStringLiteral("Object"), QStringLiteral("Category")});
  ObjectList->setRootIsDecorated(false);
  ObjectList->setSelectionBehavior(QAbstractItemView::SelectRows);
  ObjectList->setSelectionMode(QAbstractItemView::SingleSelection);
  ObjectList->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ObjectList->setIconSize(QSize(IconSide, IconSide));
  ObjectList->header()->setSectionsClickable(true);
  ObjectList->header()->setStretchLastSection(false);
  ObjectList->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  ObjectList->header()->setMinimumSectionSize(0);
  ObjectList->header()->resizeSection(1, 0);
  ObjectList->setContextMenuPolicy(Qt::ActionsContextMenu);
  QFont bold = acEditObject->font();
  bold.setBold(true);
  acEditObject->setFont(bold);  // the default entry of the context menu
  ObjectList->addAction(acEditObject);
  ObjectList->addAction(acDeleteObject);
  ObjectList->installEventFilter(this);
  connect(ObjectList->header(), &QHeaderView::sectionClicked, this, [this](int ASection) {
    FSortByCategory = ASection == 1;
    Sort();
  });
  connect(ObjectList, &QTreeWidget::itemDoubleClicked, this, [this] {
    UpdateActions();
    if (acEditObject->isEnabled()) acEditObject->trigger();
  });
  connect(ObjectList, &QTreeWidget::itemSelectionChanged, this, [this] { UpdateActions(); });
  connect(LibraryBox, &QComboBox::currentIndexChanged, this, [this] { Guarded([this] { RefreshItems(); }); });

  auto* body = new QHBoxLayout;
  body->addWidget(ObjectList, 1);
  body->addWidget(tools);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addLayout(top);
  layout->addLayout(body, 1);
  UpdateActions();
}

TDgrLibraryManagerEditor::~TDgrLibraryManagerEditor() = default;

ILibraryQuestions& TDgrLibraryManagerEditor::Questions() const {
  return FQuestions ? *FQuestions : DefaultLibraryQuestions();
}

// Qt is not exception-safe: a storage error ends here, shown as an error message.
void TDgrLibraryManagerEditor::Guarded(const std::function<void()>& AWork) {
  try {
    AWork();
  } catch (const Exception& e) {
    Questions().ShowError(e.Message());
  } catch (const std::exception& e) {
    Questions().ShowError(QString::fromUtf8(e.what()));
  }
  UpdateActions();
}

void TDgrLibraryManagerEditor::SetLibraryManager(TDgrLibraryManager* Value) {
  if (FLibraryManager) FWatch->Unwatch(FLibraryManager);
  FLibraryManager = Value;
  if (FLibraryManager) {
    FWatch->Watch(FLibraryManager);
    FLibraryManager->LoadLibraries();
  }
  RefreshLibraries();
  UpdateActions();
}

void TDgrLibraryManagerEditor::SetDiagram(TdvDiagram* Value) {
  if (Value == FDiagram) return;
  if (FDiagram) FWatch->Unwatch(FDiagram);
  FDiagram = Value;
  if (FDiagram) FWatch->Watch(FDiagram);
}

TDgrLibrary* TDgrLibraryManagerEditor::GetSelectedLibrary() const {
  const QString name = LibraryBox->currentText();
  return FLibraryManager && !name.isEmpty() ? FLibraryManager->LibraryByName(name) : nullptr;
}

void TDgrLibraryManagerEditor::SetSelectedLibrary(TDgrLibrary* Value) {
  const int index = Value ? LibraryBox->findText(Value->GetLibraryName(), Qt::MatchFixedString) : -1;
  const QSignalBlocker block(LibraryBox);
  LibraryBox->setCurrentIndex(index);
  RefreshItems();
}

TDgrLibraryItem* TDgrLibraryManagerEditor::GetSelectedItem() const {
  const QList<QTreeWidgetItem*> rows = ObjectList->selectedItems();
  return rows.isEmpty() ? nullptr : ItemOfRow(rows.front());
}

QTreeWidgetItem* TDgrLibraryManagerEditor::RowOf(TDgrLibraryItem* AItem) const {
  for (int i = 0; i < ObjectList->topLevelItemCount(); ++i)
    if (ItemOfRow(ObjectList->topLevelItem(i)) == AItem) return ObjectList->topLevelItem(i);
  return nullptr;
}

void TDgrLibraryManagerEditor::SetSelectedItem(TDgrLibraryItem* Value) {
  ObjectList->clearSelection();
  if (QTreeWidgetItem* row = Value ? RowOf(Value) : nullptr) {
    row->setSelected(true);
    ObjectList->setCurrentItem(row);
  }
}

void TDgrLibraryManagerEditor::Execute() {
  if (!FLibraryManager) throw Exception(QStringLiteral("LibraryManager not specified."));
  RefreshLibraries();
  show();
}

void TDgrLibraryManagerEditor::RefreshLibraries() {
  QStringList names;
  if (FLibraryManager) {
    TStringList list;
    FLibraryManager->GetLibraryNames(&list);
    for (int i = 0; i < list.Count(); ++i) names << list.GetStrings(i);
  }
  names.sort(Qt::CaseInsensitive);
  {
    const QSignalBlocker block(LibraryBox);
    LibraryBox->clear();
    LibraryBox->addItems(names);
    LibraryBox->setCurrentIndex(names.isEmpty() ? -1 : 0);
  }
  RefreshItems();
}

void TDgrLibraryManagerEditor::RefreshItems() {
  ObjectList->setUpdatesEnabled(false);
  ObjectList->clear();
  if (TDgrLibrary* library = GetSelectedLibrary())
    for (int i = 0; i < library->Count(); ++i) {
      TDgrLibraryItem* item = library->GetItem(i);
      auto* row = new QTreeWidgetItem(ObjectList, {item->GetCaption(), item->GetCategory()});
      row->setIcon(0, RowIcon(item));
      row->setData(0, Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(item)));
    }
  FSortByCategory = false;
  Sort();
  if (ObjectList->topLevelItemCount() > 0) SetSelectedItem(ItemOfRow(ObjectList->topLevelItem(0)));
  ObjectList->setUpdatesEnabled(true);
  UpdateActions();
}

void TDgrLibraryManagerEditor::Sort() {
  // An ordinal comparison of the character codes, caption or category.
  const int column = FSortByCategory ? 1 : 0;
  TDgrLibraryItem* selected = GetSelectedItem();
  QList<QTreeWidgetItem*> rows;
  while (ObjectList->topLevelItemCount() > 0) rows << ObjectList->takeTopLevelItem(0);
  std::stable_sort(rows.begin(), rows.end(), [column](const QTreeWidgetItem* A, const QTreeWidgetItem* B) {
    return QString::compare(A->text(column), B->text(column), Qt::CaseSensitive) < 0;
  });
  ObjectList->addTopLevelItems(rows);
  if (selected) SetSelectedItem(selected);
}

void TDgrLibraryManagerEditor::ReloadSelectedLibrary() {
  TDgrLibraryItem* item = GetSelectedItem();
  const QString caption = item ? item->GetCaption() : QString();
  if (TDgrLibrary* library = GetSelectedLibrary()) FLibraryManager->ReloadLibrary(library->GetLibraryName());
  RefreshItems();
  ObjectList->clearSelection();
  for (int i = 0; i < ObjectList->topLevelItemCount(); ++i)
    if (!caption.isEmpty() && ObjectList->topLevelItem(i)->text(0) == caption) {
      SetSelectedItem(ItemOfRow(ObjectList->topLevelItem(i)));
      break;
    }
}

void TDgrLibraryManagerEditor::UpdateActions() {
  // Refreshing runs this again; a library in storage that did not load keeps the counts
  // apart for good, so one level is enough.
  if (FUpdatingActions) return;
  const TScopedFlag busy(FUpdatingActions);
  if (FLibraryManager) {
    if (LibraryBox->count() != FLibraryManager->LibraryCount()) {
      RefreshLibraries();
    } else if (TDgrLibrary* library = GetSelectedLibrary();
               library && library->Count() != ObjectList->topLevelItemCount()) {
      RefreshItems();
    }
  }
  acCreateLibrary->setEnabled(true);
  acRemoveLibrary->setEnabled(GetSelectedLibrary() != nullptr);
  acEditObject->setEnabled(GetSelectedItem() != nullptr);
  acDeleteObject->setEnabled(GetSelectedItem() != nullptr);
}

void TDgrLibraryManagerEditor::showEvent(QShowEvent* AEvent) {
  QWidget::showEvent(AEvent);
  Guarded([this] { RefreshItems(); });
}

bool TDgrLibraryManagerEditor::eventFilter(QObject* AObject, QEvent* AEvent) {
  if (AObject == ObjectList && AEvent->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(AEvent)->key();
    QAction* command = key == Qt::Key_Delete ? acDeleteObject : key == Qt::Key_F2 ? acEditObject : nullptr;
    if (command) {
      UpdateActions();
      if (command->isEnabled()) command->trigger();
      return true;
    }
  }
  return QWidget::eventFilter(AObject, AEvent);
}

void TDgrLibraryManagerEditor::ShowCategories(bool AShow) {
  QHeaderView* header = ObjectList->header();
  const int client = ObjectList->viewport()->width();
  if (AShow) {
    header->setSectionResizeMode(0, QHeaderView::Interactive);
    header->resizeSection(1, FCategoryColumnWidth);
    header->resizeSection(0, std::max(50, client - FCategoryColumnWidth));
  } else {
    if (header->sectionSize(1) > 0) FCategoryColumnWidth = header->sectionSize(1);
    header->resizeSection(1, 0);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
  }
}

void TDgrLibraryManagerEditor::RefreshToolbars() {
  if (FDiagram) FDiagram->RefreshToolbars();
}

void TDgrLibraryManagerEditor::CreateLibrary() {
  if (!FLibraryManager) return;
  QString input;
  for (;;) {
    const std::optional<QString> answer =
        Questions().AskText(QStringLiteral("Create new library"), QStringLiteral("Enter library name:"), input);
    if (!answer) return;
    input = *answer;
    const QString name = input.trimmed();
    if (name.isEmpty()) {
      Questions().ShowError(QStringLiteral("Library name cannot be empty."));
      continue;
    }
    if (FLibraryManager->LibraryByName(name)) {
      Questions().ShowError(QStringLiteral("Library \"%1\" already exists.").arg(name));
      continue;
    }
    // The name becomes a folder name: it must stay one plain folder inside the libraries.
    if (const QString reason = UnusableNameReason(name); !reason.isEmpty()) {
      Questions().ShowError(QStringLiteral("Library name \"%1\" cannot be used: %2.").arg(name, reason));
      continue;
    }
    TDgrLibrary* library = FLibraryManager->CreateLibrary(name);
    RefreshLibraries();
    SetSelectedLibrary(library);
    return;
  }
}

void TDgrLibraryManagerEditor::RemoveLibrary() {
  TDgrLibrary* library = GetSelectedLibrary();
  if (!library) return;
  const QString name = library->GetLibraryName();
  if (!Questions().Confirm(QStringLiteral("Remove library \"%1\"?").arg(name))) return;
  for (int i = 0; i < library->Count(); ++i) library->GetItem(i)->UnregisterItem();
  FLibraryManager->DeleteLibrary(name);
  RefreshLibraries();
  RefreshItems();
  RefreshToolbars();
}

void TDgrLibraryManagerEditor::EditObject() {
  TDgrLibraryItem* item = GetSelectedItem();
  TDgrLibrary* library = GetSelectedLibrary();
  if (!item) return;
  const TLibraryItemEditorFunc editor = FItemEditor ? FItemEditor : LibraryItemDialog(this);
  if (!editor(item, FLibraryManager, library)) return;
  item->Save();
  ReloadSelectedLibrary();
  RefreshToolbars();
}

void TDgrLibraryManagerEditor::DeleteObject() {
  TDgrLibraryItem* item = GetSelectedItem();
  TDgrLibrary* library = GetSelectedLibrary();
  if (!item || !library) return;
  if (!Questions().Confirm(QStringLiteral("Delete object \"%1\"?").arg(item->GetCaption()))) return;
  library->DeleteItem(item);
  item->UnregisterItem();
  ReloadSelectedLibrary();
  RefreshToolbars();
}

}  // namespace tarnwick
