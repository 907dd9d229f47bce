// The layer manager driven through its tool bar, its images and its in-place editor:
// every edit is one undo step that marks the document modified, and the removals ask
// first through a scripted question box.
#include <QLineEdit>
#include <QToolBar>
#include <QTreeWidget>

#include "EditorFixture.h"
#include "diagram/view/DiagramUndoStack.h"
#include "editor/layers/LayerManager.h"
#include "editor/layers/LayerQuestions.h"
#include "platform/core/Exception.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

struct TScriptedLayerQuestions : ILayerQuestions {
  std::deque<bool> Answers;  // empty: No
  QStringList Asked;
  std::vector<bool> Warnings;
  bool Confirm(const QString& AText, bool AWarning) override {
    Asked << AText;
    Warnings.push_back(AWarning);
    if (Answers.empty()) return false;
    const bool answer = Answers.front();
    Answers.pop_front();
    return answer;
  }
};

struct TLayerManagerTest : TEditorFixture {
  TLayerManagerTest() {
    Manager.SetQuestions(&Asks);
    Manager.OnError = [this](const QString& AMessage) { Errors << AMessage; };
    Manager.SetDiagram(D());
    Manager.resize(240, 200);
    Manager.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Manager));
  }
  ~TLayerManagerTest() override { EXPECT_TRUE(Errors.isEmpty()) << Errors.join("; ").toStdString(); }

  QTreeWidget& List() const { return *Manager.LayerList(); }
  TDiagramLayers& Layers() const { return *D()->GetLayers(); }
  int Steps() const { return D()->GetUndoStack().Current(); }
  void Click(QAction* AAction) {
    Manager.IdleUpdate();
    ASSERT_TRUE(AAction->isEnabled()) << AAction->text().toStdString();
    QTest::mouseClick(Manager.ToolBar()->widgetForAction(AAction), Qt::LeftButton);
    Manager.IdleUpdate();
  }
  void SelectRow(int ARow) {
    QTreeWidgetItem* item = List().topLevelItem(ARow);
    const QRect rect = List().visualItemRect(item);
    QTest::mouseClick(List().viewport(), Qt::LeftButton, {},
                      QPoint(List().columnViewportPosition(2) + 10, rect.center().y()));
    Manager.IdleUpdate();
  }
  void ClickImage(int ARow, int AColumn) {
    const QRect rect = List().visualItemRect(List().topLevelItem(ARow));
    QTest::mouseClick(List().viewport(), Qt::LeftButton, {},
                      QPoint(List().columnViewportPosition(AColumn) + 8, rect.center().y()));
    Manager.IdleUpdate();
  }
  // The open caption editor (a closed one lingers until deferred deletes run).
  QLineEdit* Editor() const {
    for (QLineEdit* editor : List().viewport()->findChildren<QLineEdit*>())
      if (editor->isVisible()) return editor;
    return nullptr;
  }
  // Types into the open caption editor and confirms.
  void TypeName(const QString& AText) {
    QLineEdit* editor = Editor();
    ASSERT_TRUE(editor) << "no caption editor open";
    editor->selectAll();
    QTest::keyClicks(editor, AText);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Manager.IdleUpdate();
  }
  // What the code made so far becomes the state the first undo returns to.
  void Baseline() { D()->PushUndoStack(QStringLiteral("setup")); }
  QStringList Names() const {
    QStringList names;
    for (int i = 0; i < List().topLevelItemCount(); ++i) names << List().topLevelItem(i)->text(2);
    return names;
  }

  TScriptedLayerQuestions Asks;
  QStringList Errors;
  TDgrLayerManager Manager;
};

}  // namespace

TEST_F(TLayerManagerTest, AddCreatesTheNextLayerAndOpensItsCaptionForRenaming) {
  const int before = Steps();
  Click(Manager.acAdd);
  ASSERT_EQ(Layers().Count(), 1);
  EXPECT_EQ(Layers().GetItems(0)->GetLayerName(), "Layer1");
  EXPECT_EQ(Steps(), before + 1);
  EXPECT_EQ(D()->NextUndoAction(), "add layer");
  EXPECT_TRUE(M().GetModified());
  TypeName("Walls");
  EXPECT_EQ(Layers().GetItems(0)->GetLayerName(), "Walls");
  EXPECT_EQ(Names(), QStringList{"Walls"});
  EXPECT_EQ(Steps(), before + 2);
  EXPECT_EQ(D()->NextUndoAction(), "rename layer");

  // Undone twice, the list follows the recreated layers at the next idle pass.
  D()->Undo();
  Manager.IdleUpdate();
  EXPECT_EQ(Names(), QStringList{"Layer1"});
  D()->Undo();
  Manager.IdleUpdate();
  EXPECT_EQ(Layers().Count(), 0);
  EXPECT_TRUE(Names().isEmpty());
}

TEST_F(TLayerManagerTest, ARenameToBlanksOrToAnotherLayersNameInAnyCaseKeepsTheOldName) {
  Layers().Add("Back");
  Layers().Add("Front");
  Manager.RefreshLayerList();
  SelectRow(1);
  const int before = Steps();
  for (const char* name : {"   ", "BACK", "front"}) {
    Manager.acRename->trigger();
    TypeName(QString::fromLatin1(name));
    EXPECT_EQ(Layers().GetItems(1)->GetLayerName(), "Front") << name;
    EXPECT_EQ(List().topLevelItem(1)->text(2), "Front") << name;
  }
  EXPECT_EQ(Steps(), before);
  Manager.acRename->trigger();
  TypeName("Top");
  EXPECT_EQ(Layers().GetItems(1)->GetLayerName(), "Top");
  EXPECT_EQ(Steps(), before + 1);
}

TEST_F(TLayerManagerTest, ClickingTheImagesShowsHidesLocksAndUnlocksOneStepEach) {
  Layers().Add("Back");
  TDiagramBlock* block = AddBlock(40, 40);
  block->SetLayerName("Back");
  Select({block});
  Manager.RefreshLayerList();
  const int before = Steps();
  ClickImage(0, TDgrLayerManager::colVisible);
  TDiagramLayer* layer = Layers().GetItems(0);
  EXPECT_FALSE(layer->GetVisible());
  EXPECT_FALSE(block->GetSelected()) << "a hidden control leaves the selection";
  EXPECT_EQ(D()->NextUndoAction(), "hide layer");
  EXPECT_TRUE(List().topLevelItem(0)->isSelected());
  EXPECT_FALSE(Manager.acVisible->isChecked());
  ClickImage(0, TDgrLayerManager::colEditable);
  EXPECT_FALSE(layer->GetEditable());
  EXPECT_EQ(D()->NextUndoAction(), "lock layer");
  ClickImage(0, TDgrLayerManager::colVisible);
  EXPECT_TRUE(layer->GetVisible());
  EXPECT_EQ(Steps(), before + 3);
  EXPECT_TRUE(M().GetModified());

  // A click with a modifier key is an ordinary click.
  const QRect rect = List().visualItemRect(List().topLevelItem(0));
  QTest::mouseClick(List().viewport(), Qt::LeftButton, Qt::ControlModifier,
                    QPoint(List().columnViewportPosition(0) + 8, rect.center().y()));
  EXPECT_EQ(Steps(), before + 3);
}

TEST_F(TLayerManagerTest, RemoveAsksAndLeavesTheControlsOnNoLayer) {
  Layers().Add("Back");
  TDiagramBlock* block = AddBlock(40, 40);
  block->SetLayerName("Back");
  Manager.RefreshLayerList();
  SelectRow(0);
  const int before = Steps();
  Click(Manager.acRemove);
  EXPECT_EQ(Asks.Asked, QStringList{"Remove layer \"Back\"?"});
  EXPECT_EQ(Layers().Count(), 1) << "answered No";
  EXPECT_EQ(Steps(), before);
  Asks.Answers = {true};
  Click(Manager.acRemove);
  EXPECT_EQ(Layers().Count(), 0);
  EXPECT_EQ(D()->BlockCount(), 1);
  EXPECT_TRUE(block->GetLayerName().isEmpty());
  EXPECT_EQ(Steps(), before + 1);
  EXPECT_EQ(D()->NextUndoAction(), "remove layer");
  // The last layer gone: only "Add layer" is left.
  Manager.IdleUpdate();
  EXPECT_TRUE(Manager.acAdd->isEnabled());
  for (QAction* a : {Manager.acRemove, Manager.acDeleteControls, Manager.acMoveUp, Manager.acMoveDown,
                     Manager.acVisible, Manager.acEditable, Manager.acRename})
    EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
}

TEST_F(TLayerManagerTest, DeletingALayerWithItsControlsWarnsAndCanBeUndone) {
  Layers().Add("Back");
  AddBlock(40, 40)->SetLayerName("Back");
  AddBlock(240, 40);
  Baseline();
  Manager.RefreshLayerList();
  SelectRow(0);
  Asks.Answers = {true};
  const int before = Steps();
  Click(Manager.acDeleteControls);
  EXPECT_EQ(Asks.Asked.back(), "Delete layer \"Back\" and all its controls from diagram?");
  EXPECT_TRUE(Asks.Warnings.back());
  EXPECT_EQ(Layers().Count(), 0);
  EXPECT_EQ(D()->BlockCount(), 1);
  EXPECT_EQ(Steps(), before + 1);
  EXPECT_EQ(D()->NextUndoAction(), "delete layer controls");
  D()->Undo();
  EXPECT_EQ(Layers().Count(), 1);
  EXPECT_EQ(D()->BlockCount(), 2);
  Manager.IdleUpdate();
  EXPECT_EQ(Names(), QStringList{"Back"});
}

TEST_F(TLayerManagerTest, MovingReordersTheLayersKeepsTheRowSelectedAndOrderAloneIsNoChange) {
  Layers().Add("A");
  Layers().Add("B");
  Layers().Add("C");
  Manager.RefreshLayerList();
  SelectRow(0);
  EXPECT_FALSE(Manager.acMoveUp->isEnabled());
  const int before = Steps();
  Click(Manager.acMoveDown);
  EXPECT_EQ(Layers().GetItems(1)->GetLayerName(), "A");
  EXPECT_EQ(Names(), (QStringList{"B", "A", "C"}));
  EXPECT_EQ(Manager.GetSelectedLayer(), Layers().GetItems(1));
  Click(Manager.acMoveDown);
  EXPECT_FALSE(Manager.acMoveDown->isEnabled()) << "now the last";
  EXPECT_EQ(Steps(), before + 2);
  EXPECT_EQ(D()->NextUndoAction(), "move layer");

  // Reordered by code, the list stays as it is until a name or the set changes.
  Layers().GetItems(0)->SetIndex(2);  // B to the end: C, A, B
  EXPECT_FALSE(Manager.LayersChanged());
  Layers().Add("D");
  EXPECT_TRUE(Manager.LayersChanged());
  Manager.IdleUpdate();
  EXPECT_EQ(Names(), (QStringList{"C", "A", "B", "D"}));
}

TEST(LayerManager, ExecuteWithoutADiagramRaises) {
  TDgrLayerManager manager;
  EXPECT_THROW(manager.Execute(), Exception);
  EXPECT_EQ(manager.windowTitle(), "Diagram layers");
  EXPECT_GE(manager.minimumWidth(), 120);
}

TEST_F(TLayerManagerTest, ALayerAddedAndHiddenHereHidesItsBlockInTheSavedDocument) {
  TDiagramBlock* block = AddBlock(40, 40);
  Click(Manager.acAdd);
  TypeName("Notes");
  block->SetLayerName("Notes");
  SelectRow(0);
  ClickImage(0, TDgrLayerManager::colVisible);
  D()->SaveToFile(Path("layers.dgr"));

  TOwned<TComponent> owner = MakeOwned<TComponent>(nullptr);
  auto* read = Create<TdvDiagram>(owner.get());
  read->LoadFromFile(Path("layers.dgr"));
  ASSERT_EQ(read->GetLayers()->Count(), 1);
  EXPECT_FALSE(read->GetLayers()->GetItems(0)->GetVisible());
  ASSERT_EQ(read->BlockCount(), 1);
  EXPECT_EQ(read->GetBlocks(0)->GetLayerName(), "Notes");
  EXPECT_FALSE(read->GetBlocks(0)->IsVisible());
}

TEST_F(TLayerManagerTest, KeysInTheListAddRenameAndHideALayer) {
  List().setFocus();
  Manager.IdleUpdate();
  QTest::keyClick(&List(), Qt::Key_Insert);
  TypeName("Keys");
  ASSERT_EQ(D()->GetLayers()->Count(), 1);
  EXPECT_EQ(D()->GetLayers()->GetItems(0)->GetLayerName(), "Keys");
  List().setFocus();
  QTest::keyClick(&List(), Qt::Key_Home);
  Manager.IdleUpdate();
  QTest::keyClick(&List(), Qt::Key_Space);
  EXPECT_FALSE(D()->GetLayers()->GetItems(0)->GetVisible());
  EXPECT_EQ(D()->NextUndoAction(), "hide layer");
}
