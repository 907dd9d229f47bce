// The inserting commands: the keep-inserting modes, the checked marks that follow what
// the diagram is inserting, and toggling the line drawn out of link points.
#include "ActionFixture.h"
#include "diagram/view/actions/DiagramInsertActions.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

struct InsertActions : TActionFixture {
  // Places the armed object with a drag and reports whether the diagram stays armed.
  bool StaysArmed() {
    DragFromTo(At(100, 100), At(200, 160));
    const bool armed = Diagram->GetInsertDControl() != nullptr;
    Diagram->CancelInsertingBlock();
    return armed;
  }
};

TEST_F(InsertActions, KeepModesDecideWhetherTheDiagramStaysArmed) {
  TDiagramInsertBlock block;
  block.SetDiagram(Diagram);
  block.SetDControlID("TDiagramBlock");
  EXPECT_EQ(block.GetKeepInsertingMode(), kmNever);
  bool shift = false;
  block.ShiftPressed = [&] { return shift; };

  struct Case {
    QString Id;
    TKeepInsertingMode Mode;
    bool Shift;
    bool Kept;
  };
  for (const Case& c :
       {Case{"TDiagramBlock", kmNever, true, false}, Case{"TDiagramBlock", kmAlways, false, true},
        Case{"TDiagramBlock", kmOnShiftPressed, false, false}, Case{"TDiagramBlock", kmOnShiftPressed, true, true},
        Case{"TDiagramBlock", kmLinesOnly, true, false}, Case{"TDiagramLine", kmLinesOnly, false, true},
        Case{"NoSuchThing", kmLinesOnly, false, false}}) {
    SCOPED_TRACE(c.Id.toStdString() + " mode " + std::to_string(c.Mode) + (c.Shift ? " shift" : ""));
    block.SetDControlID(c.Id);
    block.SetKeepInsertingMode(c.Mode);
    shift = c.Shift;
    EXPECT_TRUE(block.Execute());
    ASSERT_NE(Diagram->GetInsertDControl(), nullptr);
    EXPECT_TRUE(block.isChecked());
    EXPECT_EQ(StaysArmed(), c.Kept);
  }
}

TEST_F(InsertActions, CheckMarksFollowWhatIsBeingInserted) {
  TDiagramInsertBlock block;
  TDiagramInsertBlock line;
  TDiagramCancelInsert cancel;
  EXPECT_EQ(cancel.GetHint(), "Cancel inserting");
  EXPECT_FALSE(Enabled(block));
  EXPECT_FALSE(Enabled(cancel));
  for (TDiagramAction* a : std::initializer_list<TDiagramAction*>{&block, &line, &cancel}) a->SetDiagram(Diagram);
  block.SetDControlID("TDiagramBlock");
  line.SetDControlID("tdiagramline");
  EXPECT_TRUE(Enabled(block));
  EXPECT_FALSE(block.isChecked());
  EXPECT_TRUE(Checked(cancel));
  line.trigger();
  EXPECT_TRUE(Checked(line)) << "identifiers compare without letter case";
  EXPECT_FALSE(Checked(block));
  EXPECT_FALSE(Checked(cancel));
  cancel.trigger();
  EXPECT_EQ(Diagram->GetInsertDControl(), nullptr);
  EXPECT_TRUE(cancel.isChecked());
  EXPECT_FALSE(Checked(line));
}

TEST_F(InsertActions, ConnectionIdTogglesTheLineDrawnOutOfLinkPoints) {
  TDiagramConnectionId plain;
  TDiagramConnectionId side;
  EXPECT_FALSE(Enabled(plain));
  plain.SetDiagram(Diagram);
  side.SetDiagram(Diagram);
  plain.SetConnectionLineID("TDiagramLine");
  side.SetConnectionLineID("TDiagramSideLine");
  Diagram->SetConnectionLineId(QString());
  EXPECT_TRUE(Enabled(plain));
  EXPECT_FALSE(plain.isChecked());
  plain.trigger();
  EXPECT_EQ(Diagram->GetConnectionLineId(), "TDiagramLine");
  EXPECT_TRUE(plain.isChecked());
  EXPECT_FALSE(Checked(side));
  side.Execute();
  EXPECT_EQ(Diagram->GetConnectionLineId(), "TDiagramSideLine");
  EXPECT_FALSE(Checked(plain));
  side.trigger();
  EXPECT_EQ(Diagram->GetConnectionLineId(), "");
  EXPECT_FALSE(side.isChecked());
}

}  // namespace
