#include "platform/widgets/WinControl.h"

#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <cstdio>

#include "platform/gui/ColorUtils.h"

namespace tarnwick {

namespace {

TExceptionHandler& Handler() {
  static TExceptionHandler handler;
  return handler;
}

// The window of a TWinControl: translates Qt events into the control's calls.
class TControlWidget : public QWidget {
 public:
  explicit TControlWidget(TWinControl* control) : FControl(control) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent* e) override {
    QPainter p(this);
    QRect r = e->rect();
    FControl->DispatchPaint(p, TRect{r.left(), r.top(), r.right() + 1, r.bottom() + 1});
  }
  void mousePressEvent(QMouseEvent* e) override {
    QPoint pos = e->position().toPoint();
    FControl->DispatchMouseDown(MouseButtonFrom(e->button()), ShiftStateFrom(e->modifiers(), e->buttons()), pos.x(),
                                pos.y(), false);
  }
  void mouseDoubleClickEvent(QMouseEvent* e) override {
    QPoint pos = e->position().toPoint();
    FControl->DispatchMouseDown(MouseButtonFrom(e->button()),
                                ShiftStateFrom(e->modifiers(), e->buttons()) + ssDouble, pos.x(), pos.y(), true);
  }
  void mouseMoveEvent(QMouseEvent* e) override {
    QPoint pos = e->position().toPoint();
    FControl->DispatchMouseMove(ShiftStateFrom(e->modifiers(), e->buttons()), pos.x(), pos.y());
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    QPoint pos = e->position().toPoint();
    FControl->DispatchMouseUp(MouseButtonFrom(e->button()), ShiftStateFrom(e->modifiers(), e->buttons()), pos.x(),
                              pos.y());
  }
  void wheelEvent(QWheelEvent* e) override {
    QPoint pos = e->position().toPoint();
    if (FControl->DispatchMouseWheel(ShiftStateFrom(e->modifiers(), e->buttons()), e->angleDelta().y(),
                                     TPoint{pos.x(), pos.y()}))
      e->accept();
    else
      e->ignore();
  }
  void keyPressEvent(QKeyEvent* e) override {
    if (!FControl->DispatchKeyDown(VirtualKeyFrom(e->key()), ShiftStateFrom(e->modifiers(), Qt::NoButton),
                                   e->text()))
      QWidget::keyPressEvent(e);
  }
  void keyReleaseEvent(QKeyEvent* e) override {
    FControl->DispatchKeyUp(VirtualKeyFrom(e->key()), ShiftStateFrom(e->modifiers(), Qt::NoButton));
  }
  void resizeEvent(QResizeEvent* e) override { FControl->DispatchResize(e->size().width(), e->size().height()); }
  void leaveEvent(QEvent*) override { FControl->DispatchMouseLeave(); }

 private:
  TWinControl* FControl;
};

}  // namespace

void SetApplicationExceptionHandler(TExceptionHandler H) { Handler() = std::move(H); }

void ShowException(const Exception& E) {
  if (Handler()) {
    Handler()(E);
    return;
  }
  if (!qApp || QGuiApplication::platformName() == QLatin1String("offscreen") ||
      !qobject_cast<QApplication*>(QCoreApplication::instance())) {
    std::fprintf(stderr, "%s\n", E.what());
    return;
  }
  QMessageBox::critical(nullptr, QStringLiteral("Error"), E.Message());
}

Qt::CursorShape CursorShapeFor(TCursor Cursor) {
  switch (Cursor) {
    case crCross:
      return Qt::CrossCursor;
    case crIBeam:
      return Qt::IBeamCursor;
    case crSizeNESW:
      return Qt::SizeBDiagCursor;
    case crSizeNS:
      return Qt::SizeVerCursor;
    case crSizeNWSE:
      return Qt::SizeFDiagCursor;
    case crSizeWE:
      return Qt::SizeHorCursor;
    case crUpArrow:
      return Qt::UpArrowCursor;
    case crHourGlass:
    case crSQLWait:
      return Qt::WaitCursor;
    case crDrag:
    case crMultiDrag:
      return Qt::DragCopyCursor;
    case crNoDrop:
    case crNo:
      return Qt::ForbiddenCursor;
    case crHSplit:
      return Qt::SplitHCursor;
    case crVSplit:
      return Qt::SplitVCursor;
    case crAppStart:
      return Qt::BusyCursor;
    case crHelp:
      return Qt::WhatsThisCursor;
    case crHandPoint:
      return Qt::PointingHandCursor;
    case crSizeAll:
      return Qt::SizeAllCursor;
    case crNone:
      return Qt::BlankCursor;
    default:
      return Qt::ArrowCursor;
  }
}

TWinControl::TWinControl(TComponent* AOwner) : TComponent(AOwner) {}

TWinControl::~TWinControl() { delete FWidget.data(); }

void TWinControl::BeforeDestruction() {
  DestroyWnd();
  TComponent::BeforeDestruction();
}

template <class F>
void TWinControl::Guard(F&& f) {
  // Qt is not exception-safe: nothing may propagate out of an event handler.
  try {
    f();
  } catch (const Exception& e) {
    ShowException(e);
  } catch (const std::exception& e) {
    ShowException(Exception(QString::fromUtf8(e.what())));
  }
}

QWidget* TWinControl::GetHandle() {
  if (!FWidget) CreateWnd();
  return FWidget.data();
}

void TWinControl::CreateWnd() {
  auto* w = new TControlWidget(this);
  FWidget = w;
  w->setGeometry(FBounds.Left, FBounds.Top, FBounds.Width(), FBounds.Height());
  w->setCursor(CursorShapeFor(FCursor));
  w->setVisible(false);
}

void TWinControl::DestroyWnd() {
  delete FWidget.data();
  FWidget.clear();
}

void TWinControl::SetParentWidget(QWidget* Parent) {
  QWidget* w = GetHandle();
  w->setParent(Parent);
  w->setVisible(FVisible);
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TRect r{ALeft, ATop, ALeft + std::max(0, AWidth), ATop + std::max(0, AHeight)};
  if (r == FBounds) return;
  bool resized = r.Width() != FBounds.Width() || r.Height() != FBounds.Height();
  FBounds = r;
  if (FWidget)
    FWidget->setGeometry(r.Left, r.Top, r.Width(), r.Height());  // the widget reports the resize
  else if (resized)
    Guard([&] { Resize(); });
}

void TWinControl::SetVisible(bool Value) {
  FVisible = Value;
  if (FWidget) FWidget->setVisible(Value);
}

void TWinControl::SetCursor(TCursor Value) {
  if (FCursor == Value) return;
  FCursor = Value;
  if (FWidget) FWidget->setCursor(CursorShapeFor(Value));
}

void TWinControl::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  Invalidate();
}

void TWinControl::Invalidate() {
  if (FWidget) FWidget->update();
}

void TWinControl::Update() {
  if (FWidget) FWidget->repaint();
}

bool TWinControl::Focused() const { return FWidget && FWidget->hasFocus(); }

void TWinControl::SetFocus() {
  if (FWidget) FWidget->setFocus();
}

void TWinControl::DispatchPaint(QPainter& Painter, const TRect& UpdateRect) {
  Guard([&] { PaintWindow(Painter, UpdateRect); });
}

void TWinControl::DispatchMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y, bool Double) {
  Guard([&] {
    FClickPending = Button == mbLeft && !Double;
    if (Double) DblClick();
    MouseDown(Button, Shift, X, Y);
  });
}

void TWinControl::DispatchMouseMove(TShiftState Shift, int X, int Y) { Guard([&] { MouseMove(Shift, X, Y); }); }

void TWinControl::DispatchMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  Guard([&] {
    bool click = FClickPending && Button == mbLeft;
    FClickPending = false;
    if (click) Click();
    MouseUp(Button, Shift, X, Y);
  });
}

bool TWinControl::DispatchMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  bool handled = false;
  Guard([&] { handled = DoMouseWheel(Shift, WheelDelta, MousePos); });
  return handled;
}

bool TWinControl::DispatchKeyDown(uint16_t Key, TShiftState Shift, const QString& Text) {
  bool handled = false;
  Guard([&] {
    uint16_t k = Key;
    KeyDown(k, Shift);
    handled = (k == 0 && Key != 0);
    if (!handled && !Text.isEmpty() && Text[0].isPrint()) {
      QChar c = Text[0];
      KeyPress(c);
      handled = c.isNull();
    }
  });
  return handled;
}

void TWinControl::DispatchKeyUp(uint16_t Key, TShiftState Shift) {
  Guard([&] {
    uint16_t k = Key;
    KeyUp(k, Shift);
  });
}

void TWinControl::DispatchResize(int AWidth, int AHeight) {
  FBounds.Right = FBounds.Left + AWidth;
  FBounds.Bottom = FBounds.Top + AHeight;
  Guard([&] { Resize(); });
}

void TWinControl::DispatchMouseLeave() { Guard([&] { MouseLeave(); }); }

void TWinControl::PaintWindow(QPainter& Painter, const TRect& UpdateRect) {
  Painter.fillRect(UpdateRect.Left, UpdateRect.Top, UpdateRect.Width(), UpdateRect.Height(),
                   ColorToQColor(FColor));
}

void TWinControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  Fire(OnMouseDown, this, Button, Shift, X, Y);
}
void TWinControl::MouseMove(TShiftState Shift, int X, int Y) { Fire(OnMouseMove, this, Shift, X, Y); }
void TWinControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  Fire(OnMouseUp, this, Button, Shift, X, Y);
}
void TWinControl::Click() { Fire(OnClick, this); }
void TWinControl::DblClick() { Fire(OnDblClick, this); }

bool TWinControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  bool handled = false;
  Fire(OnMouseWheel, this, Shift, WheelDelta, MousePos, handled);
  return handled;
}

void TWinControl::KeyDown(uint16_t& Key, TShiftState Shift) { Fire(OnKeyDown, this, Key, Shift); }
void TWinControl::KeyPress(QChar& Key) { Fire(OnKeyPress, this, Key); }
void TWinControl::KeyUp(uint16_t& Key, TShiftState Shift) { Fire(OnKeyUp, this, Key, Shift); }
void TWinControl::Resize() { Fire(OnResize, this); }
void TWinControl::MouseLeave() { Fire(OnMouseLeave, this); }

}  // namespace tarnwick
