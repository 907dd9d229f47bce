// New, open, save, save as and closing: the questions with their answers, the file name
// and modified state, and nothing lost when a file cannot be read or written.
#include <QFile>
#include <QFileInfo>

#include "EditorFixture.h"
#include "diagram/view/DiagramRuler.h"
#include "diagram/view/DiagramMemo.h"

using namespace tarnwick;
using namespace tarnwick::test;

using EditorFiles = TEditorFixture;

namespace {
QByteArray Read(const QString& AFile) {
  QFile file(AFile);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
}  // namespace

TEST_F(EditorFiles, SaveIsAvailableForANewDiagramAndAfterChangesOnly) {
  EXPECT_TRUE(Updated("acSaveDiagram")->isEnabled());
  Questions.SaveFile = Path("first");
  Act("acSaveDiagram")->trigger();
  // ".dgr" is added to a name typed without it.
  EXPECT_TRUE(QFileInfo::exists(Path("first.dgr")));
  EXPECT_EQ(M().GetCurrentDiagramFileName(), Path("first.dgr"));
  EXPECT_EQ(Window.windowTitle(), "Tarnwick - first.dgr[*]");
  EXPECT_FALSE(Updated("acSaveDiagram")->isEnabled());
  AddBlock(10, 10);
  D()->Modified();
  EXPECT_TRUE(Updated("acSaveDiagram")->isEnabled());
  // Save now goes to the same file without asking.
  Questions.SaveFile.reset();
  Act("acSaveDiagram")->trigger();
  EXPECT_FALSE(M().GetModified());
  EXPECT_TRUE(Read(Path("first.dgr")).contains("TDiagramBlock"));
}

TEST_F(EditorFiles, CancelledSaveDialogChangesNothing) {
  AddBlock(10, 10);
  D()->Modified();
  Act("acSaveDiagram")->trigger();
  EXPECT_TRUE(M().GetModified());
  EXPECT_TRUE(M().IsNewDiagram());
  EXPECT_EQ(M().GetCurrentDiagramFileName(), "");
}

TEST_F(EditorFiles, SaveAsStartsFromTheCurrentNameAndSwitchesToTheNewOne) {
  Questions.SaveFile = Path("a.dgr");
  Act("acSaveDiagramAs")->trigger();
  Questions.SaveFile = Path("b.dgr");
  Act("acSaveDiagramAs")->trigger();
  EXPECT_EQ(Questions.SaveInitials, QStringList({"", Path("a.dgr")}));
  EXPECT_EQ(M().GetCurrentDiagramFileName(), Path("b.dgr"));
}

TEST_F(EditorFiles, AFailedSaveKeepsTheNameTheModifiedStateAndTheFileOnDisk) {
  Questions.SaveFile = Path("kept.dgr");
  Act("acSaveDiagramAs")->trigger();
  const QByteArray before = Read(Path("kept.dgr"));
  AddBlock(10, 10);
  D()->Modified();
  Questions.SaveFile = Path("no/such/folder/x.dgr");
  Act("acSaveDiagramAs")->trigger();
  ASSERT_EQ(Questions.Errors.size(), 1);
  EXPECT_EQ(M().GetCurrentDiagramFileName(), Path("kept.dgr"));
  EXPECT_TRUE(M().GetModified());
  EXPECT_EQ(Read(Path("kept.dgr")), before);
}

TEST_F(EditorFiles, OpenAsksBeforeDiscardingChangesAndAFailedOpenKeepsTheDocument) {
  AddBlock(10, 10, "mine");
  Questions.SaveFile = Path("mine.dgr");
  Act("acSaveDiagramAs")->trigger();
  QFile bad(Path("bad.dgr"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("object TdvDiagram\n  Zoom = \n");
  bad.close();
  AddBlock(200, 10);
  D()->Modified();
  // "No" after choosing the file: nothing changes.
  Questions.OpenFile = Path("bad.dgr");
  Questions.Answers = {TAnswer::No};
  Act("acOpenDiagram")->trigger();
  EXPECT_EQ(Questions.Asked, QStringList({"Open new diagram and discard current changes?"}));
  EXPECT_EQ(D()->DControlCount(), 2);
  // "Yes", but the file does not read: the error is shown, the document stays.
  Questions.Answers = {TAnswer::Yes};
  Act("acOpenDiagram")->trigger();
  EXPECT_EQ(Questions.Errors.size(), 1);
  EXPECT_EQ(D()->DControlCount(), 2);
  EXPECT_EQ(M().GetCurrentDiagramFileName(), Path("mine.dgr"));
  EXPECT_TRUE(M().GetModified());
  // A later Save still goes to the document's own file.
  Act("acSaveDiagram")->trigger();
  EXPECT_TRUE(Read(Path("bad.dgr")).startsWith("object TdvDiagram\n  Zoom = "));
  // A good file opens, clears the modified state and takes the name.
  Questions.OpenFile = Path("mine.dgr");
  Act("acOpenDiagram")->trigger();
  EXPECT_EQ(D()->DControlCount(), 2);
  EXPECT_FALSE(M().GetModified());
  EXPECT_FALSE(M().IsNewDiagram());
  EXPECT_FALSE(Updated("acSaveDiagram")->isEnabled());
}

TEST_F(EditorFiles, NewAsksClearsTheUndoHistoryAndBringsTheViewSettingsBack) {
  AddBlock(10, 10);
  D()->Modified();
  Questions.Answers = {TAnswer::No};
  Act("acNewDiagram")->trigger();
  EXPECT_EQ(Questions.Asked, QStringList({"Create new diagram and discard changes?"}));
  EXPECT_EQ(D()->DControlCount(), 1);
  Questions.Answers = {TAnswer::Yes};
  Act("acNewDiagram")->trigger();
  EXPECT_EQ(D()->DControlCount(), 0);
  EXPECT_FALSE(M().GetModified());
  EXPECT_TRUE(M().IsNewDiagram());
  // Undo cannot bring the discarded document back.
  EXPECT_EQ(D()->NextUndoAction(), "");
  EXPECT_TRUE(D()->GetLeftRuler()->GetVisible());
}

TEST_F(EditorFiles, UndoAfterSavingMarksTheDocumentModifiedAgain) {
  Questions.SaveFile = Path("u.dgr");
  Act("acSaveDiagramAs")->trigger();
  TDiagramBlock* block = AddBlock(10, 10);
  Select({block});
  Updated("DiagramBringToFront1")->trigger();
  ASSERT_EQ(D()->NextUndoAction(), "bring to front");
  Act("acSaveDiagram")->trigger();
  ASSERT_FALSE(M().GetModified());
  D()->Undo();
  EXPECT_TRUE(M().GetModified());
  EXPECT_EQ(Window.StatusText(), "Modified");
}

TEST_F(EditorFiles, ClosingAsksYesNoCancel) {
  AddBlock(10, 10);
  D()->Modified();
  // Cancel keeps the window.
  EXPECT_FALSE(Window.close());
  EXPECT_EQ(Questions.Asked, QStringList({"Save changes to the current diagram?"}));
  // Yes, then a cancelled save dialog, keeps it too.
  Questions.Answers = {TAnswer::Yes};
  EXPECT_FALSE(Window.close());
  EXPECT_TRUE(Window.isVisible());
  // Yes with a file saves and closes.
  Questions.Answers = {TAnswer::Yes};
  Questions.SaveFile = Path("closing.dgr");
  bool closed = false;
  Window.OnCloseDesigner = [&] { closed = true; };
  EXPECT_TRUE(Window.close());
  EXPECT_TRUE(closed);
  EXPECT_TRUE(QFileInfo::exists(Path("closing.dgr")));
}

TEST_F(EditorFiles, NoClosesWithoutSavingAndAnUnchangedDocumentClosesWithoutAsking) {
  EXPECT_TRUE(Window.close());
  EXPECT_TRUE(Questions.Asked.isEmpty());
  Window.show();
  AddBlock(10, 10);
  D()->Modified();
  Questions.Answers = {TAnswer::No};
  EXPECT_TRUE(Window.close());
}

TEST_F(EditorFiles, ATextBeingTypedIsTakenBeforeTheCloseQuestion) {
  TDiagramBlock* block = AddBlock(10, 10);
  Questions.SaveFile = Path("typed.dgr");
  Act("acSaveDiagramAs")->trigger();
  ASSERT_FALSE(M().GetModified());
  D()->EditControlText(block);
  ASSERT_TRUE(D()->EditingText());
  QTest::keyClicks(D()->GetInplaceMemo(), "Hello");
  Questions.Answers = {TAnswer::Yes};
  EXPECT_TRUE(Window.close());
  EXPECT_EQ(Questions.Asked.size(), 1);
  EXPECT_TRUE(Read(Path("typed.dgr")).contains("Hello"));
}
