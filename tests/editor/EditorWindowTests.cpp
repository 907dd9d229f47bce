// The editor window as a user first meets it, and the parts of it that are not commands:
// caption, status field, docks, tool bars, the context menu's Layer entries, key scope.
#include <QDockWidget>
#include <QFile>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QTreeWidget>

#include "EditorFixture.h"
#include "diagram/model/Layers.h"
#include "diagram/view/DiagramRuler.h"
#include "diagram/view/SnapGrid.h"
#include "editor/palette/DiagramButtons.h"
#include "editor/palette/DiagramToolBar.h"

using namespace tarnwick;
using namespace tarnwick::test;

using EditorWindow = TEditorFixture;

TEST_F(EditorWindow, StartsUntitledWithItsMenusToolBarsPaletteAndViewSettings) {
  EXPECT_EQ(Window.windowTitle(), "Tarnwick[*]");
  EXPECT_FALSE(Window.isWindowModified());
  EXPECT_EQ(Window.StatusText(), "");
  QStringList menus;
  for (QAction* menu : Window.menuBar()->actions()) menus << menu->text();
  EXPECT_EQ(menus, QStringList({"&File", "&Edit", "&View", "&Object", "About"}));
  for (const char* name : {"ToolBar1", "DiagramToolBar2", "ToolBar2", "ToolBar3"})
    EXPECT_NE(Window.findChild<QToolBar*>(name), nullptr) << name;
  EXPECT_EQ(Window.toolBarArea(Window.LineBar()), Qt::TopToolBarArea);
  EXPECT_EQ(Window.LineBar()->GetMode(), tmConnections);
  EXPECT_TRUE(Window.ObjectsDock()->isVisible());
  EXPECT_EQ(Window.dockWidgetArea(Window.ObjectsDock()), Qt::LeftDockWidgetArea);
  EXPECT_EQ(Window.ObjectsDock()->windowTitle(), "Diagram objects");
  // The view settings the program gives a diagram.
  EXPECT_TRUE(D()->GetLeftRuler()->GetVisible());
  EXPECT_TRUE(D()->GetTopRuler()->GetVisible());
  EXPECT_TRUE(D()->GetSnapGrid()->GetVisible());
  EXPECT_EQ(D()->GetSnapGrid()->GetStyle(), gsRuler);
  EXPECT_TRUE(D()->GetWheelZoom());
  EXPECT_TRUE(D()->GetAutoPage());
  EXPECT_EQ(D()->GetHandlesStyle(), hsVisio);
  EXPECT_EQ(D()->GetConnectionLineId(), "TDiagramLine");
  // A fresh window has nothing to undo: the settings are the starting state.
  EXPECT_EQ(D()->NextUndoAction(), "");
}

TEST_F(EditorWindow, CaptionNamesTheFileAndFollowsTheTitle) {
  Window.SetTitle("Designer");
  EXPECT_EQ(Window.windowTitle(), "Designer[*]");
  M().SetCurrentDiagramFileName("/some/folder/plan.dgr");
  EXPECT_EQ(Window.windowTitle(), "Designer - plan.dgr[*]");
  Window.setWindowTitle("changed elsewhere");
  Window.SetTitle("Designer");  // the same title: the caption is left alone
  EXPECT_EQ(Window.windowTitle(), "changed elsewhere");
}

TEST_F(EditorWindow, StatusFieldSaysModifiedAndStatusTipsDoNotOverwriteIt) {
  AddBlock(50, 50);
  D()->Modified();
  EXPECT_EQ(Window.StatusText(), "Modified");
  EXPECT_TRUE(Window.isWindowModified());
  Window.statusBar()->showMessage("Cut to clipboard");
  EXPECT_EQ(Window.StatusText(), "Modified");
  M().SetModified(false);
  EXPECT_EQ(Window.StatusText(), "");
}

TEST_F(EditorWindow, ContextMenuLayerEntriesNameTheLayersAndAssignOne) {
  D()->GetLayers()->Add("Walls & doors");
  D()->GetLayers()->Add("Wiring");
  TDiagramBlock* a = AddBlock(50, 50);
  TDiagramBlock* b = AddBlock(250, 50);
  QMenu* layer = Window.ContextMenu()->findChild<QMenu*>("miLayer");
  ASSERT_NE(layer, nullptr);
  // Without a selection the entry is disabled and its old entries stay.
  emit Window.ContextMenu()->aboutToShow();
  EXPECT_FALSE(layer->menuAction()->isEnabled());
  Select({a, b});
  emit Window.ContextMenu()->aboutToShow();
  ASSERT_TRUE(layer->menuAction()->isEnabled());
  QStringList captions;
  for (QAction* entry : layer->actions()) captions << entry->text();
  EXPECT_EQ(captions, QStringList({"(no layer)", "Walls && doors", "Wiring"}));
  layer->actions()[1]->trigger();
  EXPECT_EQ(a->GetLayerName(), "Walls & doors");
  EXPECT_EQ(b->GetLayerName(), "Walls & doors");
  EXPECT_EQ(D()->NextUndoAction(), "layer");
  EXPECT_TRUE(M().GetModified());
  layer->actions()[0]->trigger();
  EXPECT_EQ(a->GetLayerName(), "");
  emit Window.ContextMenu()->aboutToShow();
  D()->UnselectAll();
  emit Window.ContextMenu()->aboutToShow();
  EXPECT_EQ(layer->actions().size(), 3);
}

TEST_F(EditorWindow, EditingKeysActOnTheDiagramOnlyWhileItHasTheFocus) {
  AddBlock(50, 50);
  AddBlock(250, 50);
  QTreeWidget* list = Window.DButtons()->Tree();
  list->setFocus();
  QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(D()->SelectedCount(), 0);
  QWidget* canvas = D()->GetHandle();
  canvas->setFocus();
  QTest::keyClick(canvas, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(D()->SelectedCount(), 2);
  // Delete in the list removes nothing from the drawing.
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(D()->DControlCount(), 2);
  canvas->setFocus();
  QTest::keyClick(canvas, Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(D()->DControlCount(), 0);
}

TEST_F(EditorWindow, DiagramObjectsToggleHidesAndShowsThePalette) {
  QAction* toggle = Window.findChild<QAction*>("acViewDiagramObjects");
  ASSERT_NE(toggle, nullptr);
  EXPECT_EQ(toggle->text(), "Diagram objects");
  toggle->trigger();
  EXPECT_FALSE(Window.ObjectsDock()->isVisible());
  toggle->trigger();
  EXPECT_TRUE(Window.ObjectsDock()->isVisible());
}

TEST_F(EditorWindow, ExportWritesTheChosenImageNextToTheDocumentsName) {
  AddBlock(50, 50, "export me");
  Questions.SaveFile = Path("plan.dgr");
  Act("acSaveDiagramAs")->trigger();
  Questions.ExportFile = Path("plan.svg");
  Act("acExport")->trigger();
  EXPECT_EQ(Questions.ExportInitials, QStringList({Path("plan.png")}));
  QFile svg(Path("plan.svg"));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  EXPECT_TRUE(svg.readAll().contains("<svg"));
  // A metafile name gives a metafile.
  Questions.ExportFile = Path("plan.wmf");
  Act("acExport")->trigger();
  QFile wmf(Path("plan.wmf"));
  ASSERT_TRUE(wmf.open(QIODevice::ReadOnly));
  EXPECT_EQ(wmf.read(4), QByteArray("\xD7\xCD\xC6\x9A"));
  // A file that cannot be created is reported, and nothing is left at that path.
  Questions.ExportFile = Path("missing/plan.png");
  Act("acExport")->trigger();
  EXPECT_EQ(Questions.Errors.size(), 1);
  EXPECT_FALSE(QFile::exists(Path("missing/plan.png")));
}

TEST_F(EditorWindow, CommandsShowTheirIcons) {
  for (const char* name : {"acNewDiagram", "DiagramCut1", "acBold", "DiagramAlign15"})
    EXPECT_FALSE(Act(name)->icon().isNull()) << name;
}

TEST_F(EditorWindow, CategoryTabsListTheRegistrysCategoriesOnceAndFilterTheObjectsBar) {
  QTabBar* tabs = Window.CategoryTabs()->findChild<QTabBar*>();
  auto* bar = Window.CategoryTabs()->findChild<TDiagramToolBar*>("DiagramToolBar1");
  ASSERT_NE(tabs, nullptr);
  ASSERT_NE(bar, nullptr);
  EXPECT_FALSE(Window.CategoryTabs()->isVisible());
  QStringList captions;
  for (int i = 0; i < tabs->count(); ++i) captions << tabs->tabText(i);
  EXPECT_EQ(captions.first(), "All objects");
  EXPECT_TRUE(captions.contains("Flowchart"));
  EXPECT_EQ(captions.removeDuplicates(), 0);
  tabs->setCurrentIndex(captions.indexOf("Flowchart"));
  EXPECT_EQ(bar->GetCategory(), "Flowchart");
  tabs->setCurrentIndex(0);
  EXPECT_EQ(bar->GetCategory(), "");
}
