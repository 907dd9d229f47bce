// Dragging handles, the rubber band and pan mode, through the widget.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QCursor>
#include <QTimerEvent>
#include <QFocusEvent>
#include <QImage>
#include <QWidget>

#include "MouseFixture.h"
#include "diagram/view/interaction/DiagramTools.h"
#include "diagram/view/interaction/RubberBandTool.h"

using namespace tarnwick;
using namespace tarnwick::test;

TEST(MouseResize, ABottomRightHandleResizesOnceAndEscapeCancels) {
  TMouseFixture f;
  auto* b = f.NewBlock(100, 100, 50, 50);
  b->SetSelected(true);
  int before = 0, after = 0;
  f.Diagram->OnBeforeResize = [&](TObject*) { ++before; };
  f.Diagram->OnAfterResize = [&](TObject*) { ++after; };
  const QPoint corner = f.At(150, 150);
  f.DragFromTo(corner, corner + QPoint(30, 20));
  EXPECT_EQ(b->GetBoundsRect(), (TSquare{100, 100, 180, 170}));
  EXPECT_EQ(before, 1);
  EXPECT_EQ(after, 1);
  EXPECT_EQ(f.Operations, QStringList{"resize"});
  EXPECT_TRUE(b->GetSelected());

  f.Operations.clear();
  f.Diagram->SetDragStyle(dsShape);
  const QPoint c2 = f.At(180, 170);
  f.Press(c2);
  EXPECT_EQ(f.Diagram->GetMouseState(), msResizing);
  f.Drag(c2 + QPoint(40, 40));
  f.W()->repaint();
  f.Escape();
  f.Release(c2 + QPoint(40, 40));
  EXPECT_EQ(b->GetBoundsRect(), (TSquare{100, 100, 180, 170}));
  EXPECT_TRUE(f.Operations.isEmpty());
  EXPECT_EQ(b->GetIntPaintMode(), pmNormal);
}

TEST(MouseRubberBand, SelectsWhatItTouchesAndStopsItsTimer) {
  TMouseFixture f;
  auto* a = f.NewBlock(100, 100, 50, 50);
  auto* b = f.NewBlock(300, 100, 50, 50);
  auto* c = f.NewBlock(100, 300, 50, 50);
  c->SetSelected(true);
  // The band only overlaps a corner of a; the press cleared the earlier selection.
  f.Press(f.At(80, 80));
  EXPECT_EQ(f.Diagram->GetMouseState(), msSelecting);
  auto* band = dynamic_cast<TRubberBandTool*>(&f.Diagram->GetActiveTool());
  ASSERT_NE(band, nullptr);
  EXPECT_TRUE(band->TimerActive());
  f.Drag(f.At(110, 110));
  EXPECT_NE(band->CurRect(), TRect{});
  f.Release(f.At(110, 110));
  EXPECT_FALSE(band->TimerActive());
  EXPECT_TRUE(a->GetSelected());
  EXPECT_FALSE(b->GetSelected());
  EXPECT_FALSE(c->GetSelected());

  // Escape ends the band with nothing selected.
  f.Press(f.At(280, 80));
  f.Drag(f.At(500, 200));
  f.Escape();
  EXPECT_FALSE(band->TimerActive());
  EXPECT_EQ(f.Diagram->GetMouseState(), msBrowsing);
  EXPECT_EQ(f.Diagram->SelectedCount(), 0);
  f.Release(f.At(500, 200));
  EXPECT_EQ(f.Diagram->SelectedCount(), 0);
}

TEST(MouseRubberBand, IsDrawnOverASnapshotOfTheDiagramWhileItIsDragged) {
  TMouseFixture f;
  f.NewBlock(100, 100, 50, 50);
  const QImage before = f.W()->grab().toImage();
  f.Press(f.At(300, 300));
  EXPECT_TRUE(f.Diagram->UsingCache());
  f.Drag(f.At(120, 120));
  // The band ends inside the block; the snapshot still shows the block's left edge.
  const QImage during = f.W()->grab().toImage();
  QPoint edge;
  for (QPoint p = f.At(95, 125); p.x() <= f.At(105, 125).x() && edge.isNull(); p.rx()++)
    if (qGray(before.pixel(p)) < 128) edge = p;
  ASSERT_FALSE(edge.isNull());
  EXPECT_EQ(during.pixel(edge), before.pixel(edge));
  f.Release(f.At(120, 120));
  EXPECT_FALSE(f.Diagram->UsingCache());
  f.Press(f.At(300, 300));
  f.Escape();
  EXPECT_FALSE(f.Diagram->UsingCache());
  f.Release(f.At(300, 300));
}

TEST(MouseRubberBand, ABandDraggedPastTheEdgeScrollsOnEachTickAndCatchesWhatComesIntoView) {
  TMouseFixture f;
  auto* far = f.NewBlock(900, 100, 50, 50);
  f.Diagram->UpdateScrollRanges();
  ASSERT_TRUE(f.Diagram->GetHorzScrollBar()->GetVisible());
  f.Press(f.At(500, 80));
  auto* band = dynamic_cast<TRubberBandTool*>(&f.Diagram->GetActiveTool());
  ASSERT_NE(band, nullptr);
  // The pointer rests 40 pixels beyond the right edge; each tick scrolls by that much.
  const QPoint outside(f.Diagram->GetClientWidth() + 40, f.At(500, 130).y());
  QCursor::setPos(f.W()->mapToGlobal(outside));
  ASSERT_EQ(f.W()->mapFromGlobal(QCursor::pos()), outside) << "the platform cannot place the pointer";
  f.Drag(outside);
  // Ticks until the view stops at the end of the drawing.
  int last = -1;
  for (int tick = 0; tick < 50 && f.Diagram->GetHorzScrollBar()->GetPosition() != last; ++tick) {
    last = f.Diagram->GetHorzScrollBar()->GetPosition();
    QTimerEvent e(band->AutoScrollTimer().timerId());
    QCoreApplication::sendEvent(&band->AutoScrollTimer(), &e);
  }
  EXPECT_GT(f.Diagram->GetHorzScrollBar()->GetPosition(), 300);
  EXPECT_EQ(f.Diagram->GetVertScrollBar()->GetPosition(), 0) << "only the crossed edge scrolls";
  f.Release(outside);
  EXPECT_FALSE(band->TimerActive());
  EXPECT_TRUE(far->GetSelected()) << "the band grew with the scrolling and reached the block";
}

TEST(MouseRubberBand, LosingTheFocusStopsTheAutoScroll) {
  TMouseFixture f;
  f.W()->setFocusPolicy(Qt::StrongFocus);
  QWidget other(f.Window.get());
  other.setFocusPolicy(Qt::StrongFocus);
  other.show();
  f.Window->activateWindow();
  f.Press(f.At(80, 80));
  auto* band = dynamic_cast<TRubberBandTool*>(&f.Diagram->GetActiveTool());
  ASSERT_NE(band, nullptr);
  ASSERT_TRUE(band->TimerActive());
  QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  QCoreApplication::sendEvent(f.W(), &out);
  EXPECT_FALSE(band->TimerActive());
  EXPECT_EQ(f.Diagram->GetMouseState(), msBrowsing);
}

TEST(MousePan, PanModeScrollsWithThePointerAndStaysArmed) {
  TMouseFixture f;
  f.NewBlock(2000, 2000, 50, 50);
  f.Diagram->UpdateScrollRanges();
  f.Diagram->StartPanning();
  EXPECT_EQ(f.Diagram->GetMouseState(), msToPan);
  f.DragFromTo(QPoint(300, 300), QPoint(250, 260));
  EXPECT_EQ(f.Diagram->GetHorzScrollBar()->GetPosition(), 50);
  EXPECT_EQ(f.Diagram->GetVertScrollBar()->GetPosition(), 40);
  EXPECT_EQ(f.Diagram->GetMouseState(), msToPan);
  f.Diagram->CancelPanning();
  EXPECT_EQ(f.Diagram->GetMouseState(), msBrowsing);
}
