// The undo history: one step per completed operation, each step restoring the document
// byte for byte, bounded depth, and the history's life across loads and drags.
#include <gtest/gtest.h>

#include "../interaction/MouseFixture.h"
#include "benchmarks/BlockRing.h"
#include "diagram/lines/LineClasses.h"
#include "diagram/model/LinkPoints.h"
#include "diagram/view/DiagramScrollBar.h"
#include "diagram/view/DiagramUndoStack.h"
#include "platform/core/Stream.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

// The text form: a difference shows as readable lines.
std::string Bytes(TdvDiagram& D) {
  TMemoryStream s;
  D.SaveToStream(s, true);
  return s.Bytes().toStdString();
}

// Saves and reads the document back, as opening it would: a diagram built in code holds
// settings (the rulers' sizes) that only reach their stored form when read.
void Reopen(TdvDiagram& D) {
  TMemoryStream s;
  D.SaveToStream(s, false);
  s.SetPosition(0);
  D.LoadFromStream(s, false);
}

}  // namespace

TEST(UndoStack, HoldsTenStatesSoNineStepsCanBeUndone) {
  TMouseFixture f;
  EXPECT_EQ(f.Diagram->GetUndoStack().Count(), 1);
  EXPECT_EQ(f.Diagram->NextUndoAction(), "");
  for (int i = 0; i < 12; ++i) {
    f.NewBlock(10 + 60 * i, 10, 50, 50);
    f.Diagram->PushUndoStack(QStringLiteral("step %1").arg(i));
  }
  EXPECT_EQ(f.Diagram->GetUndoStack().Count(), 10);
  EXPECT_EQ(f.Diagram->NextUndoAction(), "step 11");
  for (int i = 0; i < 9; ++i) f.Diagram->Undo();
  EXPECT_EQ(f.Diagram->BlockCount(), 3);
  EXPECT_EQ(f.Diagram->NextUndoAction(), "step 2");
  f.Diagram->Undo();
  EXPECT_EQ(f.Diagram->BlockCount(), 3);
  EXPECT_EQ(f.Diagram->NextRedoAction(), "step 3");

  // A new step gives up the states a redo would have brought back.
  f.Diagram->Redo();
  EXPECT_EQ(f.Diagram->BlockCount(), 4);
  f.Diagram->PushUndoStack(QStringLiteral("other"));
  EXPECT_EQ(f.Diagram->NextRedoAction(), "");
  EXPECT_EQ(f.Diagram->NextUndoAction(), "other");
}

TEST(UndoStack, AMouseMoveIsOneStepThatUndoAndRedoRestoreExactly) {
  TMouseFixture f;
  f.NewBlock(100, 100, 50, 50);
  f.NewBlock(300, 100, 50, 50);
  Reopen(*f.Diagram);
  TDiagramControl* a = f.Diagram->GetBlocks(0);
  const std::string before = Bytes(*f.Diagram);
  f.DragFromTo(f.At(125, 125), f.At(145, 165));
  ASSERT_EQ(a->ControlRect(), (TSquare{120, 140, 170, 190}));
  EXPECT_EQ(f.Diagram->NextUndoAction(), "move");
  const std::string after = Bytes(*f.Diagram);
  int modified = 0;
  f.Diagram->OnModified = [&](TObject*) { ++modified; };

  f.Diagram->Undo();
  EXPECT_EQ(Bytes(*f.Diagram), before);
  EXPECT_EQ(modified, 1);
  EXPECT_EQ(f.Diagram->SelectedCount(), 0);
  EXPECT_EQ(f.Diagram->NextRedoAction(), "move");
  f.Diagram->Redo();
  EXPECT_EQ(Bytes(*f.Diagram), after);
  EXPECT_EQ(modified, 2);
  // The steps themselves add nothing to the history.
  EXPECT_EQ(f.Diagram->GetUndoStack().Count(), 2);
}

TEST(UndoStack, AnInsertedAndConnectedDrawingComesBackWithItsAnchors) {
  TMouseFixture f;
  auto* a = f.NewBlock(100, 100, 50, 50);
  auto* b = f.NewBlock(300, 100, 50, 50);
  a->GetLinkPoints()->Add(100, 50, aoRight);
  b->GetLinkPoints()->Add(0, 50, aoLeft);
  f.Diagram->SetConnectionLineClass(&TDiagramLine::StaticClassInfo());
  Reopen(*f.Diagram);
  f.DragFromTo(f.At(150, 125), f.At(300, 125));
  ASSERT_EQ(f.Diagram->LinkCount(), 1);
  const std::string connected = Bytes(*f.Diagram);
  f.Diagram->UnselectAll();
  f.DragFromTo(f.At(325, 140), f.At(325, 240));
  EXPECT_EQ(f.Operations, (QStringList{"insert", "move"}));

  f.Diagram->Undo();
  EXPECT_EQ(Bytes(*f.Diagram), connected);
  // The restored line is anchored to the restored blocks and follows them again.
  auto* line = dynamic_cast<TDiagramLine*>(f.Diagram->GetLinks(0));
  ASSERT_NE(line, nullptr);
  ASSERT_NE(line->GetTargetLinkPoint()->GetAnchorLink(), nullptr);
  TDiagramControl* target = line->GetTargetLinkPoint()->GetAnchorLink()->GetDControl();
  EXPECT_EQ(target->ControlRect(), (TSquare{300, 100, 350, 150}));
  target->SetSelected(true);
  f.DragFromTo(f.At(325, 140), f.At(325, 200));
  EXPECT_NEAR(line->GetPoints().back().Y, 185, 1);

  f.Diagram->Undo();
  f.Diagram->Undo();
  EXPECT_EQ(f.Diagram->LinkCount(), 0);
  EXPECT_EQ(f.Diagram->NextUndoAction(), "");
}

TEST(UndoStack, UndoDuringADragEndsTheDragFirst) {
  TMouseFixture f;
  f.NewBlock(100, 100, 50, 50);
  Reopen(*f.Diagram);
  f.DragFromTo(f.At(125, 125), f.At(125, 145));
  const std::string moved = Bytes(*f.Diagram);
  f.Press(f.At(125, 145));
  f.Drag(f.At(200, 200));
  ASSERT_EQ(f.Diagram->GetMouseState(), msMoving);
  f.Diagram->Undo();
  EXPECT_EQ(f.Diagram->GetMouseState(), msBrowsing);
  f.Drag(f.At(220, 220));
  f.Release(f.At(220, 220));
  EXPECT_EQ(f.Diagram->BlockCount(), 1);
  EXPECT_EQ(f.Diagram->GetBlocks(0)->ControlRect(), (TSquare{100, 100, 150, 150}));
  f.Diagram->Redo();
  EXPECT_EQ(Bytes(*f.Diagram), moved);
}

TEST(UndoStack, ReadingADocumentStartsANewHistory) {
  TMouseFixture f;
  f.NewBlock(100, 100, 50, 50);
  f.Diagram->PushUndoStack(QStringLiteral("insert"));
  TMemoryStream doc;
  f.Diagram->SaveToStream(doc, true);
  doc.SetPosition(0);
  f.Diagram->LoadFromStream(doc, true);
  EXPECT_EQ(f.Diagram->GetUndoStack().Count(), 1);
  EXPECT_EQ(f.Diagram->NextUndoAction(), "");
  f.Diagram->Undo();
  EXPECT_EQ(f.Diagram->BlockCount(), 1);
}

TEST(UndoStack, AStepBackToAnUnscrolledStateLeavesTheViewAtTheOrigin) {
  TMouseFixture f;
  f.NewBlock(100, 100, 50, 50);
  f.NewBlock(100, 2000, 50, 50);
  Reopen(*f.Diagram);
  const std::string unscrolled = Bytes(*f.Diagram);
  {
    TDiagramUpdate operation(*f.Diagram, QStringLiteral("scroll"));
    f.Diagram->GetVertScrollBar()->SetPosition(300);
  }
  ASSERT_EQ(f.Diagram->GetVertScrollBar()->GetPosition(), 300);
  f.Diagram->Undo();
  // The stored state names no position; the one the diagram had must not survive the read.
  EXPECT_EQ(f.Diagram->GetVertScrollBar()->GetPosition(), 0);
  EXPECT_EQ(Bytes(*f.Diagram), unscrolled);
  f.Diagram->Redo();
  EXPECT_EQ(f.Diagram->GetVertScrollBar()->GetPosition(), 300);
}

TEST(UndoStack, ALargeDocumentComesBackWholeFromItsSnapshots) {
  // 700 blocks chained by 700 anchored lines: enough controls for the snapshot to be
  // written by two threads, with lines in the second half anchored in the first.
  TMouseFixture f;
  f.Diagram->BeginUpdate();
  std::vector<TDiagramBlock*> blocks;
  for (int i = 0; i < 700; ++i) {
    auto* b = f.NewBlock(20 + (i % 25) * 90, 20 + (i / 25) * 70, 60, 40);
    b->GetLinkPoints()->Add(100, 50, aoRight);
    b->GetLinkPoints()->Add(0, 50, aoLeft);
    b->DefaultTextCell()->SetText(QStringLiteral("Block %1").arg(i));
    blocks.push_back(b);
  }
  for (int i = 0; i < 700; ++i) bench::JoinBlocks(f.Form, f.Diagram, blocks[i], blocks[(i * 7 + 350) % 700]);
  f.Diagram->EndUpdate();
  Reopen(*f.Diagram);
  const std::string built = Bytes(*f.Diagram);

  // The reopened document's blocks are new objects.
  static_cast<TCustomDiagramBlock*>(f.Diagram->GetBlocks(3))->SetBoundsRect(TSquare{5, 5, 65, 45});
  f.Diagram->PushUndoStack(QStringLiteral("move"));
  const std::string moved = Bytes(*f.Diagram);
  ASSERT_TRUE(moved != built);

  // Compared whole, not by gtest's line diff, which takes minutes on 1,400 controls.
  f.Diagram->Undo();
  EXPECT_TRUE(Bytes(*f.Diagram) == built);
  f.Diagram->Redo();
  EXPECT_TRUE(Bytes(*f.Diagram) == moved);
  ASSERT_EQ(f.Diagram->DControlCount(), 1400);
  // Every restored line is anchored at both ends.
  for (int i = 0; i < f.Diagram->LinkCount(); ++i) {
    auto* line = dynamic_cast<TDiagramLine*>(f.Diagram->GetLinks(i));
    ASSERT_NE(line, nullptr);
    ASSERT_NE(line->GetSourceLinkPoint()->GetAnchorLink(), nullptr) << i;
    ASSERT_NE(line->GetTargetLinkPoint()->GetAnchorLink(), nullptr) << i;
  }
}
