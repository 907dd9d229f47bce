#include "editor/window/EditorWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "diagram/model/Layers.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/UpdateGuard.h"
#include "diagram/view/actions/DiagramStyleEditor.h"
#include "editor/dialogs/StyleEditors.h"
#include "editor/icons/EditorIcons.h"
#include "editor/layers/LayerManager.h"
#include "editor/layers/LayerQuestions.h"
#include "editor/library/LibraryItemCreation.h"
#include "editor/library/LibraryManagerEditor.h"
#include "editor/library/LibraryQuestions.h"
#include "editor/navigator/DiagramNavigator.h"
#include "editor/selectors/ColorSelectors.h"
#include "editor/selectors/ComboSelectors.h"
#include "editor/selectors/CustomSelector.h"
#include "editor/selectors/EffectSelectors.h"
#include "editor/palette/DiagramButtons.h"
#include "editor/shell/ExportProgress.h"
#include "editor/palette/DiagramToolBar.h"
#include "editor/window/EditorActions.h"
#include "editor/window/EditorQuestions.h"
#include "platform/core/Exception.h"

namespace tarnwick {

namespace {
const QString NoLayer = QStringLiteral("(no layer)");
}

TfmDiagramEditor::TfmDiagramEditor(QWidget* AParent, const TClassInfo* ADiagramClass)
    : QMainWindow(AParent), FOwner(Create<TComponent>(nullptr)) {
  // A class that is no diagram (or cannot be made) gets the plain diagram.
  if (ADiagramClass && ADiagramClass->CanCreate() && ADiagramClass->InheritsFrom(TdvDiagram::StaticClassInfo()))
    FDiagram = static_cast<TdvDiagram*>(ADiagramClass->CreateInstance(FOwner.get()));
  else
    FDiagram = Create<TdvDiagram>(FOwner.get());
  FDiagram->SetName(QStringLiteral("Diagram"));
  Construct();
}

TfmDiagramEditor::TfmDiagramEditor(TdvDiagram* ADiagramInstance, QWidget* AParent)
    : QMainWindow(AParent), FOwner(Create<TComponent>(nullptr)), FDiagram(ADiagramInstance) {
  Construct();
}

TfmDiagramEditor::~TfmDiagramEditor() {
  // The focus moves while the widgets go; nothing may update the commands after this.
  disconnect(qApp, nullptr, this, nullptr);
  FIdle->stop();
  if (DefaultDiagramStyleEditor() == FStyleEditor.get()) SetDefaultDiagramStyleEditor(nullptr);
  // The commands go before the diagram they watch.
  delete FActions;
  FActions = nullptr;
  // A diagram the caller owns leaves the window before the window's widgets go.
  if (FDiagram && FDiagram->GetOwner() != FOwner.get()) FDiagram->SetParentWidget(nullptr);
}

void TfmDiagramEditor::Construct() {
  setObjectName(QStringLiteral("DiagramEditor"));
  resize(1024, 720);
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  FDiagram->SetParentWidget(central);
  layout->addWidget(FDiagram->GetHandle());
  setCentralWidget(central);

  FActions = new TdmDgrEditorActions(this);
  FQtQuestions = std::make_unique<TQtEditorQuestions>(this);
  SetQuestions(nullptr);
  FActions->SetDiagram(FDiagram);
  FActions->PrepareDiagram();
  FActions->OnFileNameChanged = [this] { UpdateCaption(); };
  FActions->OnModified = [this] {
    UpdateStatus();
    UpdateCaption();
  };
  FActions->OnQuit = [this] { close(); };
  FActions->OnExport = [this] { Export(); };

  FStatusField = new QLabel(this);
  FStatusField->setMinimumWidth(80);
  // A permanent field: status tips of menus and buttons never overwrite it.
  statusBar()->addPermanentWidget(FStatusField);

  BuildPalette();
  BuildToolWindows();
  BuildToolBars();
  BuildMenus();
  BuildContextMenu();
  ScopeDiagramKeys();
  // The drawing keeps most of the width; a saved layout of an earlier run overrides this.
  resizeDocks({FObjectsDock, FLayersDock}, {240, 200}, Qt::Horizontal);
  resizeDocks({FObjectsDock, FNavigatorDock}, {420, 160}, Qt::Vertical);
  for (QAction* action : FActions->Actions())
    if (const QIcon icon = EditorIcon(action->property("iconName").toString()); !icon.isNull()) action->setIcon(icon);

  // The enabled and checked states follow the document when the program is idle: after
  // each command, when the focus moves and a few times a second otherwise.
  FIdle = new QTimer(this);
  FIdle->setInterval(250);
  connect(FIdle, &QTimer::timeout, this, [this] { IdleUpdate(); });
  // One idle pass for everything: the selectors' own timer is not needed.
  FSelectors.Idle->stop();
  for (TDgrCustomSelector* selector : FSelectors.Buttons())
    selector->OnError = [this](const QString& AMessage) { FQuestions->ShowError(AMessage); };
  for (TDgrBaseComboBox* combo : FSelectors.Combos())
    combo->OnError = [this](const QString& AMessage) { FQuestions->ShowError(AMessage); };
  FSelectors.Shadow->SetShadowEditor([this](TBlockShadow& AShadow) { return FStyleEditor->EditShadow(AShadow); });
  FSelectors.Gradient->SetGradientEditor(
      [this](TDiagramGradient& AGradient) { return FStyleEditor->EditGradient(AGradient); });
  FIdle->start();
  for (QAction* action : FActions->Actions())
    connect(action, &QAction::triggered, this, [this] { FActions->UpdateActions(); }, Qt::QueuedConnection);
  connect(qApp, &QApplication::focusChanged, this, [this] { IdleUpdate(); });
  FActions->UpdateActions();
  UpdateCaption();
  UpdateStatus();
  FDiagram->GetHandle()->setFocus();
}

QAction* TfmDiagramEditor::A(const char* AName) const {
  QAction* action = FActions->Action(QString::fromLatin1(AName));
  Q_ASSERT_X(action, "TfmDiagramEditor", AName);
  return action;
}

void TfmDiagramEditor::AddActions(QWidget* ATarget, std::initializer_list<const char*> ANames) const {
  for (const char* name : ANames) {
    if (*name == '-') {
      if (auto* menu = qobject_cast<QMenu*>(ATarget)) menu->addSeparator();
      else if (auto* bar = qobject_cast<QToolBar*>(ATarget)) bar->addSeparator();
    } else {
      ATarget->addAction(A(name));
    }
  }
}

void TfmDiagramEditor::BuildPalette() {
  FObjectsDock = new QDockWidget(QStringLiteral("Diagram objects"), this);
  FObjectsDock->setObjectName(QStringLiteral("DiagramObjects"));
  FButtons = new TDiagramButtons(FObjectsDock);
  FButtons->SetDiagram(FDiagram);
  // Shift held while choosing keeps the kind armed for the next block, as palettes do.
  FButtons->SetKeepInsertingMode(dkmOnShiftPressed);
  FButtons->SetShowEmptyCategory(true);
  FObjectsDock->setWidget(FButtons);
  addDockWidget(Qt::LeftDockWidgetArea, FObjectsDock);
}

namespace {

// The layer manager's and the library windows' confirmations go through the window's
// questions, so a program (or a test) that answers those answers these too.
struct TLayerQuestionsOf : ILayerQuestions {
  explicit TLayerQuestionsOf(std::function<IEditorQuestions&()> AQuestions) : Questions(std::move(AQuestions)) {}
  bool Confirm(const QString& AText, bool) override { return Questions().Ask(AText, false) == TAnswer::Yes; }
  std::function<IEditorQuestions&()> Questions;
};

}  // namespace

void TfmDiagramEditor::BuildToolWindows() {
  const auto dock = [this](const QString& ATitle, const char* AName, QWidget* AContent, Qt::DockWidgetArea AArea) {
    auto* widget = new QDockWidget(ATitle, this);
    widget->setObjectName(QString::fromLatin1(AName));
    AContent->setParent(widget);
    widget->setWidget(AContent);
    addDockWidget(AArea, widget);
    return widget;
  };
  // Left: the palette above the navigator. Right: layers above libraries.
  FNavigator = new TDiagramNavigator;
  FNavigator->SetDiagram(FDiagram);
  FNavigatorDock = dock(QStringLiteral("Navigator"), "Navigator", FNavigator, Qt::LeftDockWidgetArea);
  FLayerQuestions = std::make_unique<TLayerQuestionsOf>([this]() -> IEditorQuestions& { return *FQuestions; });
  FLayerManager = new TDgrLayerManager;
  FLayerManager->SetDiagram(FDiagram);
  FLayerManager->SetQuestions(FLayerQuestions.get());
  FLayerManager->OnError = [this](const QString& AMessage) { FQuestions->ShowError(AMessage); };
  FLayersDock = dock(QStringLiteral("Diagram layers"), "DiagramLayers", FLayerManager, Qt::RightDockWidgetArea);
  FLibraryQuestions = std::make_unique<TQtLibraryQuestions>(this);
  FLibraryEditor = new TDgrLibraryManagerEditor;
  FLibraryEditor->SetDiagram(FDiagram);
  FLibraryEditor->SetQuestions(FLibraryQuestions.get());
  FLibraryEditor->SetItemEditor(LibraryItemDialog(this));
  FLibraryDock = dock(QStringLiteral("Library manager"), "LibraryManager", FLibraryEditor, Qt::RightDockWidgetArea);
  FLibraryDock->toggleViewAction()->setObjectName(QStringLiteral("acViewLibraryManager"));
  FLayersDock->toggleViewAction()->setObjectName(QStringLiteral("acViewLayerManager"));
  FNavigatorDock->toggleViewAction()->setObjectName(QStringLiteral("acViewNavigator"));
  // The library window is offered only while there is a library manager to show.
  FLibraryDock->hide();
  FLibraryDock->toggleViewAction()->setVisible(false);
  FActions->OnAddToLibrary = [this](TDiagramControl* AControl) {
    if (TDgrLibraryManager* manager = FActions->GetLibManager())
      CreateItemDlg(*manager, AControl, LibraryItemDialog(this));
  };
  // The gradient and shadow commands and selectors open the program's editors.
  FStyleEditor = std::make_unique<TQtDiagramStyleEditor>(this);
  SetDefaultDiagramStyleEditor(FStyleEditor.get());
}

void TfmDiagramEditor::IdleUpdate() {
  FActions->UpdateActions();
  FSelectors.Sync();
  FLibraryEditor->UpdateActions();
}

void TfmDiagramEditor::BuildToolBars() {
  const auto bar = [this](const char* AName, const QString& ATitle) {
    QToolBar* toolBar = addToolBar(ATitle);
    toolBar->setObjectName(QString::fromLatin1(AName));
    toolBar->setIconSize(QSize(16, 16));
    return toolBar;
  };
  // Row 1: files, clipboard, object commands; the line types on its right.
  AddActions(bar("ToolBar1", QStringLiteral("Standard")),
             {"acNewDiagram", "acOpenDiagram", "acSaveDiagram", "acPrintDiagram", "acPreviewDiagram", "-",
              "DiagramCut1", "DiagramCopy1", "DiagramPaste1", "-", "DiagramBlockPicture1", "DiagramBringToFront1",
              "DiagramSendToBack1", "DiagramControlFont1", "acGroup", "acUngroup"});
  // The layer of the selection, at the end of row 1.
  FSelectors = MakeSelectorBars(this, FDiagram);
  addToolBar(Qt::TopToolBarArea, FSelectors.Layer);
  FLineBar = new TDiagramToolBar(this);
  FLineBar->setObjectName(QStringLiteral("DiagramToolBar2"));
  FLineBar->setWindowTitle(QStringLiteral("Line types"));
  FLineBar->SetButtons(TDiagramBarButtons{dbLines});
  FLineBar->SetMode(tmConnections);
  FLineBar->SetButtonSize(23);
  FLineBar->SetDiagram(FDiagram);
  addToolBar(Qt::TopToolBarArea, FLineBar);
  // The objects bar filtered by category tabs, as programs embedding the editor may show
  // it; this window keeps it hidden, the palette dock serves instead.
  FCategoryTabs = new QWidget(this);
  FCategoryTabs->setObjectName(QStringLiteral("TabControl1"));
  auto* tabLayout = new QVBoxLayout(FCategoryTabs);
  tabLayout->setContentsMargins(0, 0, 0, 0);
  auto* tabs = new QTabBar(FCategoryTabs);
  auto* objects = new TDiagramToolBar(FCategoryTabs);
  objects->setObjectName(QStringLiteral("DiagramToolBar1"));
  objects->SetMode(tmObjects);
  objects->SetButtonSize(29);
  objects->SetDiagram(FDiagram);
  tabLayout->addWidget(tabs);
  tabLayout->addWidget(objects);
  FActions->PrepareCategoryTab(tabs, objects);
  FCategoryTabs->hide();
  // Row 2: the property selectors, fonts and text style.
  addToolBarBreak();
  addToolBar(Qt::TopToolBarArea, FSelectors.Row2);
  addToolBar(Qt::TopToolBarArea, FSelectors.Fonts);
  AddActions(bar("ToolBar2", QStringLiteral("Text")),
             {"acBold", "acItalic", "acUnderline", "-", "acAlignLeft", "acAlignCenter", "acAlignRight", "-",
              "acVertAlignTop", "acVertAlignMiddle", "acVertAlignBottom"});
  // Row 3: block alignment in its five groups.
  addToolBarBreak();
  AddActions(bar("ToolBar3", QStringLiteral("Alignment")),
             {"DiagramAlign1", "DiagramAlign2", "DiagramAlign3", "-", "DiagramAlign4", "DiagramAlign5",
              "DiagramAlign6", "-", "DiagramAlign7", "DiagramAlign8", "DiagramAlign9", "-", "DiagramAlign10",
              "DiagramAlign11", "DiagramAlign12", "-", "DiagramAlign13", "DiagramAlign14", "DiagramAlign15"});
}

void TfmDiagramEditor::BuildMenus() {
  QMenu* file = FFileMenu = menuBar()->addMenu(QStringLiteral("&File"));
  file->setObjectName(QStringLiteral("FileMenu"));
  AddActions(file, {"acNewDiagram", "acOpenDiagram", "acSaveDiagram", "acSaveDiagramAs", "-", "acExport", "-", "acPageSetup",
                    "acPreviewDiagram", "acPrintDiagram", "-", "acQuit"});

  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
  edit->setObjectName(QStringLiteral("EditMenu"));
  AddActions(edit, {"DiagramUndoAction1", "DiagramRedoAction1", "-", "DiagramCut1", "DiagramCopy1", "DiagramPaste1",
                    "-", "DiagramDelete1", "DiagramSelectAll1", "-"});
  QMenu* background = edit->addMenu(QStringLiteral("Background"));
  AddActions(background, {"acBackgroundLoad", "acBackgroundClear"});
  AddActions(edit, {"acCopyAsImage"});

  QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
  view->setObjectName(QStringLiteral("ViewMenu"));
  AddActions(view, {"DiagramViewLeftRuler1", "DiagramViewTopRuler1", "DiagramGrid1", "-"});
  QMenu* zoom = view->addMenu(QStringLiteral("&Zoom"));
  AddActions(zoom, {"DiagramSetZoom3", "-", "DiagramSetZoom1", "DiagramSetZoom2", "DiagramSetZoom4",
                    "DiagramSetZoom5", "DiagramSetZoom6", "DiagramSetZoom7", "-", "acZoomIn", "acZoomOut"});
  AddActions(view, {"-", "acAutomaticNodes", "-"});
  QAction* objects = FObjectsDock->toggleViewAction();
  objects->setObjectName(QStringLiteral("acViewDiagramObjects"));
  objects->setText(QStringLiteral("Diagram objects"));
  view->addAction(objects);
  for (QDockWidget* dock : {FNavigatorDock, FLayersDock, FLibraryDock}) view->addAction(dock->toggleViewAction());

  QMenu* object = menuBar()->addMenu(QStringLiteral("&Object"));
  object->setObjectName(QStringLiteral("ObjectMenu"));
  AddActions(object, {"DiagramShapeColor1", "DiagramLineColor1", "DiagramGradientSetting1", "DiagramBlockPicture1"});
  A("acHasSourceArrow")->setMenu(new QMenu(this));
  A("acHasTargetArrow")->setMenu(new QMenu(this));
  AddActions(A("acHasSourceArrow")->menu(), {"DiagramArrowShape1", "DiagramArrowShape2", "DiagramArrowShape3",
                                             "DiagramArrowShape4", "DiagramArrowShape5", "DiagramArrowShape6"});
  AddActions(A("acHasTargetArrow")->menu(), {"DiagramArrowShape7", "DiagramArrowShape8", "DiagramArrowShape9",
                                             "DiagramArrowShape10", "DiagramArrowShape11", "DiagramArrowShape12"});
  AddActions(object, {"acHasSourceArrow", "acHasTargetArrow", "-", "DiagramControlFont1", "DiagramEditText1", "-", "acLayout"});
  // Each menu shows the commands as they are now, not as the last idle pass left them.
  for (QMenu* menu : {file, edit, view, object})
    connect(menu, &QMenu::aboutToShow, this, [this] { FActions->UpdateActions(); });
}

void TfmDiagramEditor::BuildContextMenu() {
  FContextMenu = new QMenu(this);
  FContextMenu->setObjectName(QStringLiteral("PopupMenu1"));
  AddActions(FContextMenu, {"acGroup", "acUngroup", "-", "DiagramShapeColor1", "DiagramLineColor1",
                            "DiagramBlockPicture1", "-", "acAddLibrary", "-", "DiagramControlFont1",
                            "DiagramEditText1", "-", "DiagramBringToFront1", "DiagramSendToBack1"});
  FLayerMenu = FContextMenu->addMenu(QStringLiteral("Layer"));
  FLayerMenu->setObjectName(QStringLiteral("miLayer"));
  AddActions(FContextMenu, {"-", "acHasSourceArrow", "acHasTargetArrow"});
  connect(FContextMenu, &QMenu::aboutToShow, this, [this] {
    FActions->UpdateActions();
    FillLayerMenu(FLayerMenu);
  });
  QWidget* canvas = FDiagram->GetHandle();
  canvas->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(canvas, &QWidget::customContextMenuRequested, this,
          [this, canvas](const QPoint& APos) { FContextMenu->popup(canvas->mapToGlobal(APos)); });
}

void TfmDiagramEditor::FillLayerMenu(QMenu* AMenu) {
  const bool any = FDiagram->SelectedCount() > 0;
  AMenu->menuAction()->setEnabled(any);
  // Without a selection the old entries stay; nothing could be chosen anyway.
  if (!any) return;
  AMenu->clear();
  QStringList names{NoLayer};
  TDiagramLayers* layers = FDiagram->GetLayers();
  for (int i = 0; i < layers->Count(); ++i) names << layers->GetItems(i)->GetLayerName();
  for (int i = 0; i < names.size(); ++i) {
    // A "&" in a layer name is shown, not taken as a mnemonic.
    QAction* entry = AMenu->addAction(QString(names[i]).replace(u'&', QStringLiteral("&&")));
    const QString layer = i == 0 ? QString() : names[i];
    connect(entry, &QAction::triggered, this, [this, layer] {
      TDiagramUpdate operation(*FDiagram, QStringLiteral("layer"));
      for (int j = FDiagram->SelectedCount() - 1; j >= 0; --j) FDiagram->GetSelecteds(j)->SetLayerName(layer);
      FDiagram->Modified();
    });
  }
}

void TfmDiagramEditor::ScopeDiagramKeys() {
  // The editing keys act on the diagram only while the focus is in it: Ctrl+A or Delete
  // typed into a dock's list is the list's, not a command on the drawing.
  for (const char* name : {"DiagramUndoAction1", "DiagramRedoAction1", "DiagramCut1", "DiagramCopy1",
                           "DiagramPaste1", "DiagramDelete1", "DiagramSelectAll1", "DiagramEditText1"}) {
    QAction* action = A(name);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    centralWidget()->addAction(action);
  }
}

void TfmDiagramEditor::Export() {
  const QString file = FActions->GetCurrentDiagramFileName();
  const QString initial =
      (file.isEmpty() ? QStringLiteral("diagram") : QFileInfo(file).path() + u'/' + QFileInfo(file).completeBaseName()) +
      QStringLiteral(".png");
  const std::optional<QString> target = FQuestions->ChooseExportFile(initial);
  if (!target) return;
  // Nothing else works on the document while the export's dialog keeps the program
  // responsive.
  FIdle->stop();
  if (OnBusy) OnBusy(true);
  QString error;
  const bool done = ExportWithProgress(this, *FDiagram, *target, efAuto, esNetto, &error);
  if (OnBusy) OnBusy(false);
  FIdle->start();
  if (done)
    statusBar()->showMessage(QStringLiteral("Exported %1").arg(QFileInfo(*target).fileName()), 5000);
  else if (error != QStringLiteral("Export cancelled"))
    FQuestions->ShowError(error);
}

void TfmDiagramEditor::SetTitle(const QString& Value) {
  if (Value == FTitle) return;
  FTitle = Value;
  UpdateCaption();
}

void TfmDiagramEditor::UpdateCaption() {
  const QString file = FActions->GetCurrentDiagramFileName();
  // "[*]" shows the desktop's modified marker while the document has unsaved changes.
  setWindowTitle(file.isEmpty() ? FTitle + QStringLiteral("[*]")
                                : QStringLiteral("%1 - %2[*]").arg(FTitle, QFileInfo(file).fileName()));
  setWindowModified(FActions->GetModified());
}

void TfmDiagramEditor::UpdateStatus() {
  FStatusField->setText(FActions->GetModified() ? QStringLiteral("Modified") : QString());
}

QString TfmDiagramEditor::StatusText() const { return FStatusField->text(); }

TDgrLibraryManager* TfmDiagramEditor::GetLibManager() const { return FActions->GetLibManager(); }

void TfmDiagramEditor::SetLibManager(TDgrLibraryManager* Value) {
  FActions->SetLibManager(Value);
  // A manager that cannot list its libraries (no folder set, say) is reported; the
  // window still opens.
  try {
    FLibraryEditor->SetLibraryManager(Value);
  } catch (const Exception& e) {
    FQuestions->ShowError(e.Message());
  }
  // An editor handed a library manager opens with the library window docked bottom right.
  FLibraryDock->toggleViewAction()->setVisible(Value != nullptr);
  FLibraryDock->setVisible(Value != nullptr);
}

void TfmDiagramEditor::SetQuestions(IEditorQuestions* Value) {
  FQuestions = Value ? Value : FQtQuestions.get();
  FActions->SetQuestions(FQuestions);
}

IEditorQuestions& TfmDiagramEditor::Questions() const { return *FQuestions; }

void TfmDiagramEditor::showEvent(QShowEvent* AEvent) {
  QMainWindow::showEvent(AEvent);
  if (AEvent->spontaneous()) return;
  if (!FShown) {
    // The palette opens with every category expanded, so a kind can be found by typing
    // its name.
    FShown = true;
    FButtons->Populate();
    FButtons->ExpandAll();
    // Keys typed first go to the drawing (Ctrl+V right after start pastes into it).
    FDiagram->GetHandle()->setFocus();
  }
  if (OnNotifyShow) OnNotifyShow();
  FDiagram->Invalidate();
}

void TfmDiagramEditor::closeEvent(QCloseEvent* AEvent) {
  if (!FActions->CanClose()) {
    AEvent->ignore();
    return;
  }
  AEvent->accept();
  if (OnCloseDesigner) OnCloseDesigner();
}

}  // namespace tarnwick
