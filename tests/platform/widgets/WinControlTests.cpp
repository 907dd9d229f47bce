// Windowed controls: the window appears only on demand, Qt's events reach the virtual
// methods, and errors raised by handlers never escape into Qt's event loop.
#include <gtest/gtest.h>

#include <QPainter>
#include <QTest>
#include <QWidget>
#include <vector>

#include "platform/widgets/Timer.h"
#include "platform/widgets/WinControl.h"

using namespace tarnwick;

namespace {

class TProbe : public TWinControl {
 public:
  using TWinControl::TWinControl;
  std::vector<std::string> log;
  bool failOnMouse = false;

 protected:
  void MouseDown(TMouseButton b, TShiftState s, int X, int Y) override {
    if (failOnMouse) throw Exception("handler failed");
    log.push_back("down " + std::to_string(b) + " " + std::to_string(X) + "," + std::to_string(Y) +
                  (s.Contains(ssShift) ? " shift" : ""));
  }
  void MouseUp(TMouseButton, TShiftState, int X, int Y) override {
    log.push_back("up " + std::to_string(X) + "," + std::to_string(Y));
  }
  void Click() override { log.push_back("click"); }
  void DblClick() override { log.push_back("dblclick"); }
  void KeyDown(uint16_t& Key, TShiftState) override {
    log.push_back("key " + std::to_string(Key));
    if (Key == vk::DELETE_) Key = 0;
  }
  void Resize() override { log.push_back("resize " + std::to_string(GetWidth())); }
  void PaintWindow(QPainter& p, const TRect& r) override {
    p.fillRect(r.Left, r.Top, r.Width(), r.Height(), Qt::red);
    log.push_back("paint");
  }
};

}  // namespace

TEST(WinControls, WorkWithoutAWindowUntilOneIsAskedFor) {
  auto* c = Create<TProbe>(nullptr);
  EXPECT_FALSE(c->HandleAllocated());
  c->Invalidate();
  c->SetBounds(0, 0, 200, 120);
  EXPECT_FALSE(c->HandleAllocated());
  EXPECT_EQ(c->log, std::vector<std::string>{"resize 200"});
  QWidget* w = c->GetHandle();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->width(), 200);
  c->Free();
}

TEST(WinControls, QtMouseAndKeyEventsReachTheVirtualMethods) {
  auto* c = Create<TProbe>(nullptr);
  c->SetBounds(0, 0, 100, 100);
  QWidget* w = c->GetHandle();
  w->show();
  c->log.clear();
  QTest::mouseClick(w, Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 20));
  QTest::keyClick(w, Qt::Key_Delete);
  QTest::keyClick(w, Qt::Key_A);
  std::vector<std::string> expected{"down 0 10,20 shift", "click", "up 10,20", "key 46", "key 65"};
  EXPECT_EQ(c->log, expected);
  c->log.clear();
  QImage shot = w->grab().toImage();
  EXPECT_EQ(c->log, std::vector<std::string>{"paint"});
  EXPECT_EQ(shot.pixelColor(50, 50), QColor(Qt::red));
  c->Free();
}

TEST(WinControls, ErrorsInHandlersGoToTheApplicationHandlerNotToQt) {
  std::vector<QString> shown;
  SetApplicationExceptionHandler([&](const Exception& e) { shown.push_back(e.Message()); });
  auto* c = Create<TProbe>(nullptr);
  c->failOnMouse = true;
  QWidget* w = c->GetHandle();
  w->show();
  QTest::mousePress(w, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(5, 5));
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], "handler failed");
  SetApplicationExceptionHandler({});
  c->Free();
}

TEST(WinControls, TheWindowDiesWithItsControlEvenWhenEmbedded) {
  QWidget parent;
  auto* c = Create<TProbe>(nullptr);
  c->SetParentWidget(&parent);
  QPointer<QWidget> w = c->GetHandle();
  EXPECT_EQ(w->parentWidget(), &parent);
  c->Free();
  EXPECT_TRUE(w.isNull());
  // And the other way round: a parent widget that goes first takes the window with it,
  // and the control notices.
  auto* d = Create<TProbe>(nullptr);
  {
    QWidget parent2;
    d->SetParentWidget(&parent2);
  }
  EXPECT_FALSE(d->HandleAllocated());
  d->Free();
}

TEST(Timers, FireWhileEnabledAndNeverWithZeroInterval) {
  auto* t = Create<TTimer>(nullptr);
  int fired = 0;
  t->OnTimer = [&](TObject*) { ++fired; };
  t->SetInterval(5);
  QTest::qWait(60);
  EXPECT_GT(fired, 0);
  t->SetEnabled(false);
  int before = fired;
  QTest::qWait(30);
  EXPECT_EQ(fired, before);
  t->SetEnabled(true);
  t->SetInterval(0);
  QTest::qWait(30);
  EXPECT_EQ(fired, before);
  t->Free();
}
