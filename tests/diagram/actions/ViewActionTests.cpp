// The view commands: rulers and grid follow and flip the diagram's state as one undoable
// step each, the grid reporting a change; a fixed zoom is clamped and names itself.
#include "ActionFixture.h"
#include "diagram/view/actions/DiagramViewActions.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

struct ViewActions : TActionFixture {
  ViewActions() {
    Top.SetDiagram(Diagram);
    Left.SetDiagram(Diagram);
    Grid.SetDiagram(Diagram);
    Zoom.SetDiagram(Diagram);
  }
  TDiagramViewTopRuler Top;
  TDiagramViewLeftRuler Left;
  TDiagramGrid Grid;
  TDiagramSetZoom Zoom;
};

TEST_F(ViewActions, RulersFlipTheirVisibilityAsViewStepsWithoutAChangeReport) {
  Diagram->GetTopRuler()->SetVisible(false);
  Diagram->GetLeftRuler()->SetVisible(true);
  EXPECT_TRUE(Enabled(Top));
  EXPECT_FALSE(Checked(Top));
  EXPECT_TRUE(Checked(Left));
  Forget();
  EXPECT_TRUE(Top.Execute());
  EXPECT_TRUE(Diagram->GetTopRuler()->GetVisible());
  EXPECT_TRUE(Top.isChecked());
  Left.trigger();
  EXPECT_FALSE(Diagram->GetLeftRuler()->GetVisible());
  EXPECT_FALSE(Left.isChecked()) << "the trigger's own flip does not count twice";
  EXPECT_EQ(Operations, (QStringList{"view top ruler", "view left ruler"}));
  EXPECT_EQ(Modifieds, 0);
  EXPECT_EQ(Diagram->NextUndoAction(), "view left ruler");
}

TEST_F(ViewActions, AStaleCheckMarkDoesNotDecideTheNewState) {
  Diagram->GetTopRuler()->SetVisible(false);
  Top.Update();
  Diagram->GetTopRuler()->SetVisible(true);  // changed elsewhere, no update since
  Top.Execute();
  EXPECT_FALSE(Diagram->GetTopRuler()->GetVisible());
  EXPECT_FALSE(Top.isChecked());
}

TEST_F(ViewActions, GridFlipsAndReportsAChange) {
  EXPECT_FALSE(Checked(Grid));
  Forget();
  Grid.trigger();
  EXPECT_TRUE(Diagram->GetSnapGrid()->GetVisible());
  EXPECT_TRUE(Checked(Grid));
  EXPECT_EQ(Operations, QStringList{"view snap grid"});
  EXPECT_EQ(Modifieds, 1);
  Grid.Execute();
  EXPECT_FALSE(Diagram->GetSnapGrid()->GetVisible());
}

TEST_F(ViewActions, ZoomIsClampedAndCaptioned) {
  EXPECT_EQ(Zoom.GetZoom(), 100);
  EXPECT_EQ(Zoom.GetCaption(), "100%");
  Zoom.SetZoom(150);
  EXPECT_EQ(Zoom.GetCaption(), "150%");
  Zoom.SetZoom(0);
  EXPECT_EQ(Zoom.GetZoom(), 1);
  EXPECT_EQ(Zoom.GetCaption(), "1%");
  Zoom.SetZoom(5000);
  EXPECT_EQ(Zoom.GetZoom(), 1000);
  EXPECT_EQ(Zoom.GetCaption(), "1000%");
  Zoom.SetZoom(-20);
  EXPECT_EQ(Zoom.GetZoom(), 1);
}

TEST_F(ViewActions, ZoomSetsTheDiagramsZoomAsAViewStep) {
  EXPECT_TRUE(Enabled(Zoom));
  Zoom.SetZoom(150);
  Forget();
  EXPECT_TRUE(Zoom.Execute());
  EXPECT_EQ(Diagram->GetZoom(), 150);
  EXPECT_EQ(Operations, QStringList{"zoom"});
  EXPECT_EQ(Modifieds, 0);
  Zoom.SetDiagram(nullptr);
  EXPECT_FALSE(Enabled(Zoom));
  EXPECT_TRUE(Zoom.Execute());
}

}  // namespace
