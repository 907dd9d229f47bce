// The editing commands on a shown diagram: their enabling rules, what they do, the undo
// steps they leave, and the focus rule of the commands a text box also understands.
#include <QApplication>
#include <QClipboard>
#include <QtTest/QTest>
#include <typeinfo>

#include "ActionFixture.h"
#include "diagram/model/GroupBlock.h"
#include "diagram/view/actions/DiagramEditActions.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

struct EditActions : TActionFixture {
  EditActions() {
    for (TDiagramAction* a :
         std::initializer_list<TDiagramAction*>{&Delete, &Cut, &Copy, &Paste, &Undo, &Redo, &SelectAll, &EditText})
      a->SetDiagram(Diagram);
    QGuiApplication::clipboard()->clear();
  }
  TDiagramDelete Delete;
  TDiagramCut Cut;
  TDiagramCopy Copy;
  TDiagramPaste Paste;
  TDiagramUndoAction Undo;
  TDiagramRedoAction Redo;
  TDiagramSelectAll SelectAll;
  TDiagramEditText EditText;
};

TEST_F(EditActions, ConstructorsSetTheHints) {
  EXPECT_EQ(Delete.GetHint(), "Delete");
  EXPECT_EQ(Cut.GetHint(), "Cut");
  EXPECT_EQ(Copy.GetHint(), "Copy");
  EXPECT_EQ(Paste.GetHint(), "Paste");
  EXPECT_EQ(EditText.GetHint(), "Edit text");
  EXPECT_EQ(Undo.GetHint(), "");
  EXPECT_FALSE(Delete.GetOnlyFocused());
}

TEST_F(EditActions, DeleteNeedsASelectionAndNoMouseOperationOrTextEdit) {
  auto* block = NewBlock(50, 50, 80, 40);
  EXPECT_FALSE(Enabled(Delete));
  Select({block});
  EXPECT_TRUE(Enabled(Delete));
  Diagram->StartPanning();
  EXPECT_FALSE(Enabled(Delete));
  Diagram->CancelPanning();
  Diagram->EditControlText(block);
  ASSERT_TRUE(Diagram->EditingText());
  EXPECT_FALSE(Enabled(Delete));
  Delete.setEnabled(true);  // a stale state: the command still keeps out of the edit
  EXPECT_FALSE(Delete.Execute());
  EXPECT_EQ(Diagram->BlockCount(), 1);
  Diagram->CloseEditor(false);
  EXPECT_TRUE(Enabled(Delete));
  Forget();
  EXPECT_TRUE(Delete.Execute());
  EXPECT_EQ(Diagram->BlockCount(), 0);
  EXPECT_EQ(Operations, QStringList{"delete"});
}

TEST_F(EditActions, CutCopyAndPasteGoThroughTheClipboard) {
  auto* block = NewBlock(50, 50, 80, 40);
  EXPECT_FALSE(Enabled(Copy));
  EXPECT_FALSE(Enabled(Cut));
  EXPECT_FALSE(Enabled(Paste)) << "empty clipboard";
  Select({block});
  EXPECT_TRUE(Enabled(Copy));
  EXPECT_TRUE(Enabled(Cut));
  EXPECT_TRUE(Copy.Execute());
  EXPECT_TRUE(Enabled(Paste));
  Forget();
  EXPECT_TRUE(Cut.Execute());
  EXPECT_EQ(Diagram->BlockCount(), 0);
  EXPECT_TRUE(Paste.Execute());
  EXPECT_TRUE(Paste.Execute());
  EXPECT_EQ(Diagram->BlockCount(), 2);
  EXPECT_EQ(Operations, (QStringList{"delete", "paste", "paste"}));
}

TEST_F(EditActions, UndoAndRedoFollowTheHistory) {
  auto* block = NewBlock(50, 50, 80, 40);
  Diagram->ClearUndoStack();
  EXPECT_FALSE(Enabled(Undo));
  EXPECT_FALSE(Enabled(Redo));
  Select({block});
  Delete.Execute();
  EXPECT_TRUE(Enabled(Undo));
  EXPECT_FALSE(Enabled(Redo));
  EXPECT_TRUE(Undo.Execute());
  EXPECT_EQ(Diagram->BlockCount(), 1);
  EXPECT_TRUE(Enabled(Redo));
  EXPECT_TRUE(Redo.Execute());
  EXPECT_EQ(Diagram->BlockCount(), 0);
}

TEST_F(EditActions, OnlyFocusedCommandsActOnlyWhileTheDiagramHasTheFocus) {
  auto* block = NewBlock(50, 50, 80, 40);
  Diagram->ClearUndoStack();
  W()->setFocusPolicy(Qt::StrongFocus);
  QWidget other(Window.get());
  other.setFocusPolicy(Qt::StrongFocus);
  other.show();
  Window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
  other.setFocus();
  ASSERT_FALSE(Diagram->Focused());
  Select({block});
  Copy.Execute();
  Delete.Execute();
  Undo.Execute();  // the block is back, a redo step waits
  block = static_cast<TDiagramBlock*>(Diagram->GetBlocks(0));
  Select({block});
  Forget();
  for (TDiagramFocusedAction* a :
       std::initializer_list<TDiagramFocusedAction*>{&Delete, &Cut, &Copy, &Paste, &Undo, &Redo}) {
    SCOPED_TRACE(typeid(*a).name());
    a->SetOnlyFocused(true);
    EXPECT_FALSE(Enabled(*a));
    EXPECT_FALSE(a->Execute()) << "left to the focused control";
  }
  EXPECT_TRUE(Operations.isEmpty());
  EXPECT_EQ(Diagram->BlockCount(), 1);
  W()->setFocus();
  ASSERT_TRUE(Diagram->Focused());
  for (TDiagramFocusedAction* a : std::initializer_list<TDiagramFocusedAction*>{&Delete, &Cut, &Copy, &Paste, &Redo})
    EXPECT_TRUE(Enabled(*a)) << typeid(*a).name();
  EXPECT_TRUE(Copy.Execute());
  EXPECT_TRUE(Delete.Execute());
  EXPECT_TRUE(Undo.Execute());
  EXPECT_EQ(Diagram->BlockCount(), 1);
}

TEST_F(EditActions, SelectAllNeedsNoMouseOperation) {
  auto* a = NewBlock(50, 50, 80, 40);
  auto* b = NewBlock(200, 50, 80, 40);
  EXPECT_TRUE(Enabled(SelectAll));
  Diagram->StartPanning();
  EXPECT_FALSE(Enabled(SelectAll));
  Diagram->CancelPanning();
  EXPECT_TRUE(SelectAll.Execute());
  EXPECT_TRUE(a->GetSelected() && b->GetSelected());
}

TEST_F(EditActions, EditTextOpensTheEditorUnlessTheOutermostGroupForbidsIt) {
  auto* a = NewBlock(50, 50, 80, 40);
  auto* b = NewBlock(200, 50, 80, 40);
  EXPECT_FALSE(Enabled(EditText));
  EXPECT_TRUE(EditText.Execute()) << "nothing selected: nothing happens";
  EXPECT_FALSE(Diagram->EditingText());
  Select({a});
  EXPECT_TRUE(Enabled(EditText));
  EXPECT_TRUE(EditText.Execute());
  EXPECT_TRUE(Diagram->EditingText());
  Diagram->CloseEditor(false);

  Select({a, b});
  TGroupBlock* group = Diagram->GroupSelectedBlocks();
  ASSERT_NE(group, nullptr);
  Select({a});
  ASSERT_TRUE(a->IsMember());
  EXPECT_TRUE(Enabled(EditText));
  group->SetRestrictions({crNoEdit});
  EXPECT_FALSE(Enabled(EditText)) << "the member's outermost group decides";
  EXPECT_TRUE(EditText.Execute());
  EXPECT_FALSE(Diagram->EditingText());
  a->SetRestrictions({crNoEdit});
  group->SetRestrictions({});
  EXPECT_TRUE(Enabled(EditText));
}

TEST_F(EditActions, NothingIsEnabledWithoutADiagram) {
  for (TDiagramAction* a :
       std::initializer_list<TDiagramAction*>{&Delete, &Cut, &Copy, &Paste, &Undo, &Redo, &SelectAll, &EditText}) {
    a->SetDiagram(nullptr);
    EXPECT_FALSE(Enabled(*a));
  }
  EXPECT_FALSE(Delete.Execute());
  EXPECT_TRUE(SelectAll.Execute());
  EXPECT_TRUE(EditText.Execute());
}

}  // namespace
