// The arrows' shaft: its bounds and their clamping, the shaft handle dragged in code and by
// mouse, link points that follow the stored shaft, and shaft values in documents (read
// whatever the order of value and bounds, written whenever they differ from the class's).
#include <gtest/gtest.h>

#include <cmath>

#include "../diagram/DocumentText.h"
#include "BlockSetFixture.h"
#include "diagram/model/StretchHandles.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

class Arrows : public ::testing::Test, public TBlockSetFixture {
 protected:
  template <class T = TStandardArrowBlock>
  T* Make(const TSquare& R, double AAngle = 0) {
    auto* b = Create<T>(Form);
    b->SetBoundsRect(R);
    b->SetAngle(AAngle);
    b->SetDiagram(Diagram);
    return b;
  }
  // One step of a shaft handle drag by ADelta diagram units.
  static void Step(TCustomArrowBlock* A, THandleMoveAction AAction, TDot ADelta) {
    THandleMoveInfo info;
    info.AHandle = A->GetShaftHandle();
    info.Action = AAction;
    info.Delta = ADelta;
    A->UpdateHandleMove(info);
  }
};

TEST_F(Arrows, TheShaftStaysWithinItsBounds) {
  auto* a = Create<TStandardArrowBlock>(Form);
  EXPECT_EQ(a->GetShaftLength(), 60);
  EXPECT_EQ(a->GetShaftWidth(), 40);
  a->SetShaftLength(120);
  EXPECT_EQ(a->GetShaftLength(), 95);
  a->SetShaftLength(-5);
  EXPECT_EQ(a->GetShaftLength(), 0);
  a->SetShaftLength(60);
  a->SetMaxShaftLength(50);
  EXPECT_EQ(a->GetShaftLength(), 50) << "a lower maximum lowers the length";
  a->SetMinShaftWidth(50);
  EXPECT_EQ(a->GetShaftWidth(), 50) << "a higher minimum raises the width";
  a->SetShaftWidth(std::nan(""));
  a->SetShaftLength(INFINITY);
  EXPECT_EQ(a->GetShaftWidth(), 50) << "not a number is refused";
  EXPECT_EQ(a->GetShaftLength(), 50);
}

TEST_F(Arrows, WhenTheBoundsCrossTheMinimumWinsInTheSetterAndTheDragAlike) {
  auto* a = Make(TSquare{100, 100, 200, 150});
  a->SetMaxShaftLength(70);
  a->SetMinShaftLength(80);
  a->SetShaftLength(75);
  EXPECT_EQ(a->GetShaftLength(), 80);
  Step(a, haPositionCursor, TDot{-5, 0});
  a->EnterCursorState();
  TDotArray preview;
  a->GetSurroundPts(preview);
  a->LeaveCursorState();
  Step(a, haMoved, TDot{-5, 0});
  EXPECT_EQ(a->GetShaftLength(), 80);
  TDotArray after;
  a->GetSurroundPts(after);
  EXPECT_EQ(preview, after) << "the preview showed what the drop stored";
}

TEST_F(Arrows, DraggingTheStandardHandleUpWidensTheShaftTwiceAndRightLengthensIt) {
  // 100 x 50: one original unit is 1 diagram unit across x and 0.5 across y.
  auto* a = Make(TSquare{100, 100, 200, 150});
  Step(a, haMoved, TDot{0, -2.5});
  EXPECT_DOUBLE_EQ(a->GetShaftWidth(), 50);
  Step(a, haMoved, TDot{5, 0});
  EXPECT_DOUBLE_EQ(a->GetShaftLength(), 65);
  // Turned a quarter, the arrow's length runs down the screen.
  auto* t = Make(TSquare{300, 100, 400, 150}, 90);
  Step(t, haMoved, TDot{0, 5});
  EXPECT_NEAR(t->GetShaftLength(), 65, 1e-9);
  EXPECT_NEAR(t->GetShaftWidth(), 40, 1e-9);
}

TEST_F(Arrows, TheShaftHandleDraggedByMouseReshapesTheArrow) {
  for (double angle : {0.0, 30.0}) {
    auto* a = Make(TSquare{100, 100, 300, 200}, angle);
    a->SetSelected(true);
    const TDot h = a->GetShaftHandlePoint();
    // 10 units along the arrow and 10 towards its top, in the arrow's own directions.
    const double r = angle * M_PI / 180;
    const TDot along{std::cos(r), std::sin(r)}, up{std::sin(r), -std::cos(r)};
    const TDot to{h.X + 10 * along.X + 10 * up.X, h.Y + 10 * along.Y + 10 * up.Y};
    Operations.clear();
    DragFromTo(At(h.X, h.Y), At(to.X, to.Y));
    // 200 x 100: 10 units are 5 original units along and 10 across, within a pixel.
    EXPECT_NEAR(a->GetShaftLength(), 65, 0.6) << angle;
    EXPECT_NEAR(a->GetShaftWidth(), 60, 2.2) << angle;
    EXPECT_EQ(Operations, QStringList{"resize"});
    EXPECT_EQ(a->GetBoundsRect(), (TSquare{100, 100, 300, 200})) << "the block itself stays";
    a->Free();
  }
}

TEST_F(Arrows, TheChevronsNotchPointFollowsTheStoredLengthOnly) {
  auto* c = Make<TChevronArrowBlock>(TSquare{0, 0, 100, 100});
  TLinkPoint* notch = c->GetLinkPoints()->GetItems(0);
  EXPECT_EQ(notch->GetOrPoint(), (TDot{30, 50}));
  Step(c, haPositionCursor, TDot{-10, 0});
  c->EnterCursorState();
  EXPECT_EQ(notch->GetOrPoint(), (TDot{30, 50})) << "not during the drag";
  c->LeaveCursorState();
  Step(c, haMoved, TDot{-10, 0});
  EXPECT_EQ(c->GetShaftLength(), 80);
  EXPECT_EQ(c->GetLinkPoints()->GetItems(0), notch) << "the same point object";
  EXPECT_EQ(notch->GetOrPoint(), (TDot{40, 50}));
}

TEST_F(Arrows, ANewBlockDoubleArrowHasItsBoxInTheMiddle) {
  Diagram->SetGraphicLib(dglGDI);
  auto* a = Make<TBlockDoubleArrowBlock>(TSquare{0, 0, 100, 100});
  EXPECT_EQ(a->GetShaftLength(), 40);
  EXPECT_EQ(a->GetShaftWidth(), 20);
  TDotArray pts;
  a->GetSurroundPts(pts);
  ASSERT_GE(pts.size(), 18u);
  EXPECT_EQ(pts[0], (TDot{20, 0}));
  EXPECT_EQ(pts[1], (TDot{80, 0}));
  EXPECT_NEAR(pts[4].Y, 30, 1e-9) << "the head stands 10 above the shaft's edge at 40";
}

TEST_F(Arrows, ValuesAreReadWhateverTheirOrderAndZeroSurvives) {
  TDocumentFixture one;
  auto* a = one.NewBlock<TStandardArrowBlock>(0, 0, 100, 50);
  a->SetName("Arrow1");
  a->SetMaxShaftLength(99);
  a->SetShaftLength(97);
  a->SetMinShaftWidth(0);
  a->SetShaftWidth(0);
  const QString text = SaveText(one.Diagram);
  // The value comes before its bounds in the document.
  EXPECT_LT(text.indexOf(" ShaftLength = 97."), text.indexOf(" MaxShaftLength = 99."));
  EXPECT_TRUE(text.contains(" ShaftWidth = 0.")) << "differs from the class's 40";
  EXPECT_TRUE(text.contains(" MinShaftWidth = 0."));
  TDocumentFixture other;
  LoadText(other.Diagram, text);
  auto* read = dynamic_cast<TStandardArrowBlock*>(other.Diagram->GetBlocks(0));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->GetShaftLength(), 97);
  EXPECT_EQ(read->GetMaxShaftLength(), 99);
  EXPECT_EQ(read->GetShaftWidth(), 0);
  const QString again = SaveText(other.Diagram);
  EXPECT_EQ(again, text) << FirstDifference(again, text).toStdString();
}

TEST_F(Arrows, AFreshArrowWritesNoShaftValuesAndOutOfBoundsValuesAreClampedWhenRead) {
  TDocumentFixture one;
  one.NewBlock<TStandardArrowBlock>(0, 0, 100, 50)->SetName("Arrow1");
  const QString text = SaveText(one.Diagram);
  EXPECT_FALSE(text.contains("Shaft")) << text.toStdString();
  QString bad = text;
  bad.replace("object Arrow1: TStandardArrowBlock\r\n",
              "object Arrow1: TStandardArrowBlock\r\n    ShaftLength = 500.0\r\n");
  ASSERT_NE(bad, text);
  TDocumentFixture other;
  LoadText(other.Diagram, bad);
  auto* read = dynamic_cast<TStandardArrowBlock*>(other.Diagram->GetBlocks(0));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->GetShaftLength(), 95);
}

TEST_F(Arrows, ALineOnALinkPointFollowsItWhenTheShaftChanges) {
  auto* c = Make<TCornerSingleArrowBlock>(TSquare{0, 0, 100, 100});
  TLinkPoint* down = c->GetLinkPoints()->GetItems(0);
  EXPECT_EQ(down->GetOrientation(), aoDown);
  TTestLine* line = AddLine({0, 0}, {10, 10});
  line->Source()->SetAnchorLink(down);
  line->Log.clear();
  c->SetShaftWidth(60);
  EXPECT_EQ(down->GetOrPoint(), (TDot{30, 100}));
  EXPECT_NE(std::find(line->Log.begin(), line->Log.end(), "position"), line->Log.end());
}

}  // namespace
