// The navigator: the miniature's scale and rectangle, moving and centring the view by
// mouse, zooming from the rectangle's edge, the cursors, what it paints, and a navigator
// without room or a diagram without extent, which must paint nothing and ignore the mouse.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <QWidget>

#include "diagram/Registration.h"
#include "diagram/model/DiagramBlock.h"
#include "diagram/view/Diagram.h"
#include "editor/navigator/DiagramNavigator.h"
#include "platform/gui/ColorUtils.h"

using namespace tarnwick;

namespace {

struct Navigator : ::testing::Test {
  Navigator() {
    RegisterAllClasses();
    Form = Create<TComponent>(nullptr);
    Diagram = Create<TdvDiagram>(Form);
    Window.resize(800, 400);
    Diagram->SetParentWidget(&Window);
    Diagram->SetBounds(0, 0, 400, 300);
    Nav = new TDiagramNavigator(&Window);
    Nav->setGeometry(500, 0, 200, 200);
    Nav->SetDiagram(Diagram);
    // The far corner of the drawing at (1000, 500).
    Far = AddBlock(900, 400, 100, 100);
    Window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Window));
    Diagram->UpdateScrollRanges();
    Nav->UpdateGeometry();
  }
  ~Navigator() override { Form->Free(); }

  TDiagramBlock* AddBlock(double X, double Y, double W, double H) {
    auto* b = Create<TDiagramBlock>(Form);
    b->SetDiagram(Diagram);
    b->SetBoundsRect(TSquare{X, Y, X + W, Y + H});
    return b;
  }
  int HPos() const { return Diagram->GetHorzScrollBar()->GetPosition(); }
  int VPos() const { return Diagram->GetVertScrollBar()->GetPosition(); }
  void Move(QPoint P, Qt::MouseButtons AButtons = Qt::LeftButton) {
    QMouseEvent e(QEvent::MouseMove, QPointF(P), QPointF(Nav->mapToGlobal(P)), Qt::NoButton, AButtons, {});
    QCoreApplication::sendEvent(Nav, &e);
  }
  TDiagramNavigatorController& C() const { return Nav->Controller(); }

  QWidget Window;
  TComponent* Form = nullptr;
  TdvDiagram* Diagram = nullptr;
  TDiagramNavigator* Nav = nullptr;
  TDiagramBlock* Far = nullptr;
};

TEST_F(Navigator, TheMiniatureFitsTheExtentAndMarksTheVisibleArea) {
  ASSERT_EQ(C().DiagramExtent().X, 1000);
  ASSERT_EQ(C().DiagramExtent().Y, 500);
  EXPECT_DOUBLE_EQ(C().GetPaintArea().Right, 200);
  EXPECT_DOUBLE_EQ(C().GetPaintArea().Bottom, 100);
  EXPECT_DOUBLE_EQ(C().GetOffset().X, 0.2);
  EXPECT_DOUBLE_EQ(C().GetOffset().Y, 0.2);
  // The window's client area, in diagram units, scaled.
  const TSquare seen =
      Diagram->CanvasToClient(TSquare{0, 0, double(Diagram->GetClientWidth()), double(Diagram->GetClientHeight())});
  const TSquare& h = C().GetHighlightRect();
  EXPECT_DOUBLE_EQ(h.Left, seen.Left * 0.2);
  EXPECT_DOUBLE_EQ(h.Right, seen.Right * 0.2);
  EXPECT_DOUBLE_EQ(h.Bottom, seen.Bottom * 0.2);

  // A taller than wide drawing is fitted by height.
  Nav->resize(400, 50);
  Nav->UpdateGeometry();
  EXPECT_DOUBLE_EQ(C().GetPaintArea().Bottom, 50);
  EXPECT_DOUBLE_EQ(C().GetPaintArea().Right, 100);

  // Everything visible: no rectangle.
  Far->SetDiagram(nullptr);
  Diagram->UpdateScrollRanges();
  Nav->resize(200, 200);
  Nav->UpdateGeometry();
  EXPECT_EQ(C().GetHighlightRect(), TSquare{});
  EXPECT_EQ(C().PointInHighlightRect(1, 1), nhrOutside);
}

TEST_F(Navigator, PaintsBlocksBackgroundAndTheRectangle) {
  Far->SetColor(clLime);
  const QImage image = Nav->grab().toImage();
  EXPECT_EQ(image.pixelColor(190, 90), ColorToQColor(clLime)) << "the block, scaled into the miniature";
  EXPECT_EQ(image.pixelColor(100, 50), ColorToQColor(0xFFFFFF)) << "the miniature's background";
  EXPECT_EQ(image.pixelColor(100, 150), ColorToQColor(clBtnFace)) << "below the miniature";
  EXPECT_EQ(image.pixelColor(1, 20), ColorToQColor(0x0000FF)) << "the rectangle's left edge, moved in to 1";
  EXPECT_TRUE(Diagram->InternalAfterPaint) << "the diagram repaints the navigator";
}

namespace {
struct TPaintCounter : QObject {
  int Paints = 0;
  bool eventFilter(QObject*, QEvent* AEvent) override {
    Paints += AEvent->type() == QEvent::Paint;
    return false;
  }
};
}  // namespace

TEST_F(Navigator, ABurstOfPaintsOfTheDrawingRepaintsTheMiniatureOnce) {
  QApplication::processEvents();
  TPaintCounter counter;
  Nav->installEventFilter(&counter);
  // What a drag does: the drawing paints frame after frame.
  for (int i = 0; i < 20; ++i) {
    Diagram->InternalAfterPaint(Diagram, nullptr);
    QApplication::processEvents();
  }
  QTest::qWait(300);
  EXPECT_EQ(counter.Paints, 1);
  Nav->removeEventFilter(&counter);
}

TEST_F(Navigator, DragScrollsByTheScaledDistanceAndAPressOutsideCentres) {
  const double ratio = Diagram->GetZoomRatio();
  QTest::mousePress(Nav, Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_EQ(C().GetState(), nsMoving);
  Move(QPoint(40, 30));
  QTest::mouseRelease(Nav, Qt::LeftButton, {}, QPoint(40, 30));
  EXPECT_EQ(C().GetState(), nsNormal);
  EXPECT_EQ(HPos(), Round(ratio * 20 / 0.2));
  EXPECT_EQ(VPos(), Round(ratio * 10 / 0.2));

  // Back to the start, then a press right of the rectangle centres the view there.
  Diagram->GetHorzScrollBar()->SetPosition(0);
  Diagram->GetVertScrollBar()->SetPosition(0);
  Nav->UpdateGeometry();
  const TSquare h = C().GetHighlightRect();
  QTest::mousePress(Nav, Qt::LeftButton, {}, QPoint(150, 40));
  const int left = 150 - Round(h.Right - h.Left) / 2;
  EXPECT_EQ(HPos(), Round(ratio * left / 0.2));
  // The press goes on as a drag from there.
  const int afterPress = HPos();
  Move(QPoint(155, 40));
  QTest::mouseRelease(Nav, Qt::LeftButton, {}, QPoint(155, 40));
  EXPECT_EQ(HPos(), afterPress + Round(ratio * 5 / 0.2));

  // Other buttons and modified presses do nothing.
  Diagram->GetHorzScrollBar()->SetPosition(0);
  QTest::mousePress(Nav, Qt::RightButton, {}, QPoint(150, 40));
  QTest::mousePress(Nav, Qt::LeftButton, Qt::ShiftModifier, QPoint(150, 40));
  EXPECT_EQ(HPos(), 0);
  EXPECT_EQ(C().GetState(), nsNormal);
}

TEST_F(Navigator, CursorsAndZoomingFromTheEdge) {
  const TSquare h = C().GetHighlightRect();
  const int right = Round(h.Right), midY = Round((h.Top + h.Bottom) / 2);
  Move(QPoint(10, 10), Qt::NoButton);
  EXPECT_EQ(Nav->cursor().shape(), Qt::PointingHandCursor);
  Move(QPoint(right, midY), Qt::NoButton);
  EXPECT_NE(Nav->cursor().shape(), Qt::CrossCursor) << "zooming is off";
  Move(QPoint(190, 95), Qt::NoButton);
  EXPECT_EQ(Nav->cursor().shape(), Qt::ArrowCursor);

  Nav->SetEnableZoom(true);
  Move(QPoint(right, midY), Qt::NoButton);
  EXPECT_EQ(Nav->cursor().shape(), Qt::CrossCursor);
  EXPECT_EQ(C().PointInHighlightRect(right, 95), nhrOutside) << "far along the edge's line is not the edge";
  // Dragging the right edge in to half the width zooms in on that half.
  const int zoomBefore = Diagram->GetZoom();
  QTest::mousePress(Nav, Qt::LeftButton, {}, QPoint(right, midY));
  EXPECT_EQ(C().GetState(), nsZoom);
  Move(QPoint(right / 2, midY + 5));
  QTest::mouseRelease(Nav, Qt::LeftButton, {}, QPoint(right / 2, midY + 5));
  EXPECT_EQ(C().GetState(), nsNormal);
  EXPECT_GT(Diagram->GetZoom(), zoomBefore);
}

TEST_F(Navigator, NoRoomOrNoExtentPaintsNothingAndIgnoresTheMouse) {
  // A collapsed dock.
  Nav->resize(200, 0);
  Nav->UpdateGeometry();
  EXPECT_FALSE(C().HasScale());
  QTest::mousePress(Nav, Qt::LeftButton, {}, QPoint(5, 0));
  Move(QPoint(50, 0));
  QTest::mouseRelease(Nav, Qt::LeftButton, {}, QPoint(50, 0));
  EXPECT_EQ(C().GetState(), nsNormal);
  EXPECT_EQ(HPos(), 0);
  EXPECT_EQ(VPos(), 0);
  EXPECT_FALSE(C().ComputePaintArea(0, 0));

  // A diagram of no size without controls has no extent.
  TComponent* other = Create<TComponent>(nullptr);
  auto* empty = Create<TdvDiagram>(other);
  empty->SetBounds(0, 0, 0, 0);
  TDiagramNavigatorController headless;
  headless.SetDiagram(empty);
  EXPECT_FALSE(headless.ComputePaintArea(200, 200));
  headless.StartMoving(10, 10);
  EXPECT_EQ(headless.GetState(), nsNormal);
  QImage image(50, 50, QImage::Format_ARGB32);
  image.fill(Qt::black);
  {
    QPainter painter(&image);
    headless.PaintTo(painter, 50, 50);
  }
  EXPECT_EQ(image.pixelColor(25, 25), ColorToQColor(clBtnFace)) << "only the control's own colour";
  headless.SetDiagram(nullptr);
  other->Free();
}

TEST_F(Navigator, ForgetsADiagramThatGoesAndUnhooksTheOldOne) {
  Nav->SetDiagram(nullptr);
  EXPECT_FALSE(Diagram->InternalAfterPaint);
  Nav->SetDiagram(Diagram);
  Form->Free();
  Form = Create<TComponent>(nullptr);
  EXPECT_EQ(Nav->GetDiagram(), nullptr);
  QTest::mousePress(Nav, Qt::LeftButton, {}, QPoint(20, 20));
  Nav->grab();
}

}  // namespace
