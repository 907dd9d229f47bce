// The diagram's window: its scroll bars mirror the diagram's, and using them scrolls the
// drawing and tells the application.
#include <gtest/gtest.h>

#include <QScrollBar>

#include "../blocks/BlockFixture.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

class DiagramWindow : public ::testing::Test, public TBlockFixture {
 protected:
  DiagramWindow() {
    ShowInWindow();
    Diagram->SetBounds(0, 0, 400, 300);
    NewBlock(50, 50, 100, 100);
    NewBlock(1500, 1200, 100, 100);
    Diagram->UpdateScrollRanges();
  }
  QScrollBar* Bar(Qt::Orientation AOrientation) {
    for (QScrollBar* b : Diagram->GetHandle()->findChildren<QScrollBar*>())
      if (b->orientation() == AOrientation) return b;
    return nullptr;
  }
};

TEST_F(DiagramWindow, TheWindowsBarsMirrorTheDiagramsBars) {
  QScrollBar* horz = Bar(Qt::Horizontal);
  ASSERT_NE(horz, nullptr);
  EXPECT_FALSE(horz->isHidden());
  EXPECT_GT(horz->maximum(), 0);
  Diagram->GetHorzScrollBar()->SetPosition(120);
  Diagram->UpdateScrollBars();
  EXPECT_EQ(horz->value(), 120);
}

TEST_F(DiagramWindow, ALineStepScrollsAndTellsTheApplication) {
  int scrolled = 0;
  Diagram->OnVertScrolled = [&](TObject*) { ++scrolled; };
  QScrollBar* vert = Bar(Qt::Vertical);
  ASSERT_NE(vert, nullptr);
  vert->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(Diagram->GetVertScrollBar()->GetPosition(), Diagram->GetVertScrollBar()->GetIncrement());
  EXPECT_EQ(scrolled, 1);
  vert->triggerAction(QAbstractSlider::SliderToMinimum);
  EXPECT_EQ(Diagram->GetVertScrollBar()->GetPosition(), 0);
  EXPECT_EQ(scrolled, 2);
  vert->triggerAction(QAbstractSlider::SliderToMinimum);
  EXPECT_EQ(scrolled, 2) << "no move, no event";
}

TEST_F(DiagramWindow, ScrollingMovesTheDrawing) {
  const TDot before = Diagram->ClientToCanvas(TDot{50, 50});
  Bar(Qt::Horizontal)->triggerAction(QAbstractSlider::SliderPageStepAdd);
  const TDot after = Diagram->ClientToCanvas(TDot{50, 50});
  EXPECT_LT(after.X, before.X);
  EXPECT_EQ(after.Y, before.Y);
}

}  // namespace
