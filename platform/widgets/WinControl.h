#pragma once
// TWinControl: a component that owns a QWidget as its window, created only when first
// needed, and forwards the widget's paint, mouse, wheel, key, resize and focus events to
// virtual methods. Without a window the control still works (documents load, save and
// export headless); Invalidate() is then a no-op.
#include <QPointer>
#include <functional>

#include "platform/core/Colors.h"
#include "platform/core/Component.h"
#include "platform/core/Events.h"
#include "platform/core/Exception.h"
#include "platform/core/Types.h"
#include "platform/widgets/Input.h"

class QPainter;
class QWidget;

namespace tarnwick {

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, QChar& Key)>;
using TMouseWheelEvent =
    std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;

class TWinControl : public TComponent {
 public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;
  void BeforeDestruction() override;

  bool HandleAllocated() const { return !FWidget.isNull(); }
  // The window, created on first use.
  QWidget* GetHandle();
  // Places the window inside an application's widget (creating it when needed).
  void SetParentWidget(QWidget* Parent);

  int GetLeft() const { return FBounds.Left; }
  int GetTop() const { return FBounds.Top; }
  int GetWidth() const { return FBounds.Width(); }
  int GetHeight() const { return FBounds.Height(); }
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  void SetWidth(int Value) { SetBounds(GetLeft(), GetTop(), Value, GetHeight()); }
  void SetHeight(int Value) { SetBounds(GetLeft(), GetTop(), GetWidth(), Value); }
  virtual int GetClientWidth() const { return GetWidth(); }
  virtual int GetClientHeight() const { return GetHeight(); }

  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }

  TCursor GetCursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);

  // Asks for a repaint; does nothing without a window.
  void Invalidate();
  // Paints now if a repaint is pending.
  void Update();
  bool Focused() const;
  void SetFocus();

  TMouseEvent OnMouseDown, OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnClick, OnDblClick, OnResize, OnMouseLeave;
  TKeyEvent OnKeyDown, OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TMouseWheelEvent OnMouseWheel;

  // Event entry points the window calls; public so tests can drive a control directly.
  // Each runs the virtual method inside an exception boundary.
  void DispatchPaint(QPainter& Painter, const TRect& UpdateRect);
  void DispatchMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y, bool Double);
  void DispatchMouseMove(TShiftState Shift, int X, int Y);
  void DispatchMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  bool DispatchMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
  bool DispatchKeyDown(uint16_t Key, TShiftState Shift, const QString& Text);
  void DispatchKeyUp(uint16_t Key, TShiftState Shift);
  void DispatchResize(int AWidth, int AHeight);
  void DispatchMouseLeave();

 protected:
  // Paints the window; the painter is set up on the widget for this paint event.
  virtual void PaintWindow(QPainter& Painter, const TRect& UpdateRect);
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void Click();
  virtual void DblClick();
  virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
  virtual void KeyDown(uint16_t& Key, TShiftState Shift);
  virtual void KeyPress(QChar& Key);
  virtual void KeyUp(uint16_t& Key, TShiftState Shift);
  virtual void Resize();
  virtual void MouseLeave();
  virtual void CreateWnd();
  virtual void DestroyWnd();

 private:
  template <class F>
  void Guard(F&& f);

  QPointer<QWidget> FWidget;
  TRect FBounds{0, 0, 100, 100};
  bool FVisible = true;
  bool FClickPending = false;
  TCursor FCursor = crDefault;
  TColor FColor = clWindow;
};

// Where errors from event handlers go: an error box by default (standard error under the
// offscreen platform, where nobody could close a box). Tests and embedding applications
// may install their own.
using TExceptionHandler = std::function<void(const Exception&)>;
void SetApplicationExceptionHandler(TExceptionHandler Handler);
void ShowException(const Exception& E);

// Qt cursor shape for a cursor identifier.
Qt::CursorShape CursorShapeFor(TCursor Cursor);

}  // namespace tarnwick
