// The gradient and shadow commands: the working copy they start from, what a confirmed
// edit gives the selected blocks, the one undo step, and that a cancel changes nothing.
#include "ActionFixture.h"
#include "diagram/model/Gradient.h"
#include "diagram/model/GroupBlock.h"
#include "diagram/model/Shadow.h"
#include "diagram/view/actions/DiagramFillActions.h"
#include "diagram/view/actions/DiagramStyleEditor.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

using FillActions = TTwoBlocksAndALine;

TEST_F(FillActions, GradientStartsFromTheFirstBlockAndGoesToEverySelectedBlock) {
  TDiagramGradientSetting action;
  action.SetDiagram(Diagram);
  EXPECT_FALSE(Enabled(action));
  Select({L});
  EXPECT_TRUE(Enabled(action)) << "any selection enables it";

  A->SetColor(clAqua);
  Select({A, B, L});
  TColor seenStart = clNone, seenEnd = clNone;
  bool seenVisible = true;
  Chooser.GradientEdit = [&](TDiagramGradient& g) {
    seenStart = g.GetStartColor();
    seenEnd = g.GetEndColor();
    seenVisible = g.GetVisible();
    g.SetDirection(grInOut);
    g.SetEndColor(clRed);
  };
  Forget();
  action.Execute();
  EXPECT_EQ(seenStart, clAqua) << "a hidden gradient starts from the block colour at both ends";
  EXPECT_EQ(seenEnd, clAqua);
  EXPECT_FALSE(seenVisible);
  for (TDiagramBlock* b : {A, B}) {
    EXPECT_TRUE(b->GetGradient()->GetVisible());
    EXPECT_EQ(b->GetGradient()->GetDirection(), grInOut);
    EXPECT_EQ(b->GetGradient()->GetStartColor(), clAqua);
    EXPECT_EQ(b->GetGradient()->GetEndColor(), clRed);
  }
  EXPECT_EQ(Operations, QStringList{"gradient"});
  EXPECT_EQ(Modifieds, 1);

  // A shown gradient is edited as it is.
  Chooser.GradientEdit = [&](TDiagramGradient& g) { seenEnd = g.GetEndColor(); };
  Select({B});
  action.Execute();
  EXPECT_EQ(seenEnd, clRed);
}

TEST_F(FillActions, ShadowKeepsEachBlocksTransparencyAndIsOneStep) {
  TDiagramShadow action;
  action.SetDiagram(Diagram);
  A->GetShadow()->SetHOffset(7);
  B->GetShadow()->SetTransparency(40);
  Select({A, B});
  int seenH = 0;
  Chooser.ShadowEdit = [&](TBlockShadow& s) {
    seenH = s.GetHOffset();
    s.SetVOffset(-5);
    s.SetColor(clNavy);
  };
  Forget();
  action.Execute();
  EXPECT_EQ(seenH, 7);
  for (TDiagramBlock* b : {A, B}) {
    EXPECT_TRUE(b->GetShadow()->GetVisible());
    EXPECT_EQ(b->GetShadow()->GetHOffset(), 7);
    EXPECT_EQ(b->GetShadow()->GetVOffset(), -5);
    EXPECT_EQ(b->GetShadow()->GetColor(), clNavy);
  }
  EXPECT_EQ(B->GetShadow()->GetTransparency(), 40);
  EXPECT_EQ(Operations, QStringList{"shadow"});
  EXPECT_EQ(Modifieds, 1);
}

TEST_F(FillActions, CancelGroupsAndLinesChangeNothing) {
  TDiagramGradientSetting gradient;
  TDiagramShadow shadow;
  gradient.SetDiagram(Diagram);
  shadow.SetDiagram(Diagram);
  Select({A});
  Forget();
  gradient.Execute();
  shadow.Execute();
  EXPECT_EQ(Chooser.Asked, (QStringList{"gradient", "shadow"}));
  EXPECT_FALSE(A->GetGradient()->GetVisible());
  EXPECT_FALSE(A->GetShadow()->GetVisible());
  EXPECT_TRUE(Operations.isEmpty());
  EXPECT_EQ(Modifieds, 0);

  // Confirmed over a line alone: nothing to apply, no empty step.
  Chooser.GradientEdit = [](TDiagramGradient&) {};
  Select({L});
  gradient.Execute();
  EXPECT_TRUE(Operations.isEmpty());

  // A group passes the setting to its members, which are selected with it.
  Select({A, B});
  TGroupBlock* group = Diagram->GroupSelectedBlocks();
  ASSERT_NE(group, nullptr);
  Chooser.ShadowEdit = [](TBlockShadow&) {};
  Forget();
  shadow.Execute();
  EXPECT_FALSE(group->GetShadow()->GetVisible());
  EXPECT_TRUE(A->GetShadow()->GetVisible());
  EXPECT_EQ(Operations, QStringList{"shadow"});
}

TEST_F(FillActions, WithoutAChooserAnswerTheInstalledEditorIsAsked) {
  struct TEditor : IDiagramStyleEditor {
    int Gradients = 0;
    bool EditGradient(TDiagramGradient& g) override {
      ++Gradients;
      g.SetStartColor(clLime);
      return true;
    }
    bool EditShadow(TBlockShadow&) override { return false; }
  } editor;
  struct TPlainChooser : TScriptedChooser {
    // Falls back on the base's forwarding, as the Qt chooser does.
    bool EditGradient(TDiagramGradient& g) override { return IDiagramChooser::EditGradient(g); }
  } plain;
  TDiagramGradientSetting action;
  action.SetDiagram(Diagram);
  action.SetChooser(&plain);
  Select({A});
  action.Execute();
  EXPECT_FALSE(A->GetGradient()->GetVisible()) << "no editor installed: cancel";
  SetDefaultDiagramStyleEditor(&editor);
  action.Execute();
  SetDefaultDiagramStyleEditor(nullptr);
  EXPECT_EQ(editor.Gradients, 1);
  EXPECT_EQ(A->GetGradient()->GetStartColor(), clLime);
  EXPECT_TRUE(A->GetGradient()->GetVisible());
}

}  // namespace
