// Every operation a user completes is one undo step under its own name: undoing it gives
// back the document byte for byte, redoing it the document it made.
#include <gtest/gtest.h>

#include <QtTest/QTest>
#include <functional>

#include "../interaction/MouseFixture.h"
#include "diagram/model/GroupBlock.h"
#include "diagram/view/DiagramMemo.h"
#include "diagram/view/DiagramUndoStack.h"
#include "diagram/view/actions/DiagramAlign.h"
#include "platform/core/Stream.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

// Read back, as an opened document is: the state the stream reproduces.
void Reopen(TdvDiagram& D) {
  TMemoryStream s;
  D.SaveToStream(s, false);
  s.SetPosition(0);
  D.LoadFromStream(s, false);
}

std::string Document(TdvDiagram& D) {
  TMemoryStream s;
  D.SaveToStream(s, true);
  return s.Bytes().toStdString();
}

struct TStepCase {
  const char* Label;
  // Runs the operation on a document of three blocks at (100,100), (300,100), (100,300).
  std::function<void(TMouseFixture&)> Do;
};

void SelectFirstTwo(TMouseFixture& f) {
  f.Diagram->GetBlocks(0)->SetSelected(true);
  f.Diagram->GetBlocks(1)->SetSelected(true);
}

const TStepCase Cases[] = {
    {"move", [](TMouseFixture& f) { f.DragFromTo(f.At(125, 125), f.At(165, 145)); }},
    {"resize",
     [](TMouseFixture& f) {
       f.Diagram->GetBlocks(0)->SetSelected(true);
       f.DragFromTo(f.At(150, 150), f.At(190, 170));
     }},
    {"insert",
     [](TMouseFixture& f) {
       f.Diagram->StartInsertingControl(&TDiagramBlock::StaticClassInfo(), false);
       f.DragFromTo(f.At(400, 300), f.At(480, 350));
     }},
    {"delete",
     [](TMouseFixture& f) {
       SelectFirstTwo(f);
       f.Diagram->DeleteSelecteds();
     }},
    {"text edit",
     [](TMouseFixture& f) {
       QTest::mouseDClick(f.W(), Qt::LeftButton, {}, f.At(125, 125));
       ASSERT_TRUE(f.Diagram->EditingText());
       QTest::keyClicks(f.Diagram->GetInplaceMemo(), "typed");
       f.Diagram->CloseEditor(true);
     }},
    {"group",
     [](TMouseFixture& f) {
       SelectFirstTwo(f);
       f.Diagram->GroupSelectedBlocks();
     }},
    {"Align",
     [](TMouseFixture& f) {
       SelectFirstTwo(f);
       f.Diagram->GetBlocks(2)->SetSelected(true);
       TDiagramAlign align;
       align.SetDiagram(f.Diagram);
       align.SetBlockAlignment(baLeft);
       align.Execute();
     }},
};

}  // namespace

TEST(UndoSteps, EachOperationIsOneNamedStepThatUndoAndRedoRestoreExactly) {
  for (const TStepCase& c : Cases) {
    SCOPED_TRACE(c.Label);
    TMouseFixture f;
    f.NewBlock(100, 100, 50, 50);
    f.NewBlock(300, 100, 50, 50);
    f.NewBlock(100, 300, 50, 50);
    Reopen(*f.Diagram);
    const std::string before = Document(*f.Diagram);

    c.Do(f);
    EXPECT_EQ(f.Operations, QStringList{c.Label});
    EXPECT_EQ(f.Diagram->NextUndoAction(), c.Label);
    EXPECT_EQ(f.Diagram->GetUndoStack().Count(), 2);
    const std::string after = Document(*f.Diagram);
    EXPECT_NE(after, before);

    f.Diagram->Undo();
    EXPECT_EQ(Document(*f.Diagram), before);
    EXPECT_EQ(f.Diagram->NextRedoAction(), c.Label);
    f.Diagram->Redo();
    EXPECT_EQ(Document(*f.Diagram), after);
  }
}

TEST(UndoSteps, UngroupingIsOneStepAndUndoBringsTheGroupBack) {
  TMouseFixture f;
  f.NewBlock(100, 100, 50, 50)->SetSelected(true);
  f.NewBlock(300, 100, 50, 50)->SetSelected(true);
  f.Diagram->GroupSelectedBlocks();
  Reopen(*f.Diagram);
  f.Diagram->SelectAll();
  const std::string grouped = Document(*f.Diagram);
  f.Operations.clear();
  f.Diagram->UngroupSelectedBlocks();
  EXPECT_EQ(f.Operations, QStringList{"ungroup"});
  f.Diagram->Undo();
  EXPECT_EQ(Document(*f.Diagram), grouped);
  int groups = 0;
  for (int i = 0; i < f.Diagram->BlockCount(); ++i) groups += f.Diagram->GetBlocks(i)->IsGroup();
  EXPECT_EQ(groups, 1);
}
