#include "editor/navigator/DiagramNavigator.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QtDebug>
#include <exception>

#include "diagram/view/Diagram.h"
#include "platform/core/ComponentWatch.h"
#include "platform/core/Exception.h"
#include "platform/widgets/WinControl.h"

namespace tarnwick {

namespace {

// Qt is not exception-safe: nothing may leave an event handler.
template <class F>
void Guarded(F&& AWork) {
  try {
    AWork();
  } catch (const Exception& e) {
    qWarning().noquote() << e.Message();
  } catch (const std::exception& e) {
    qWarning().noquote() << e.what();
  }
}

}  // namespace

TDiagramNavigator::TDiagramNavigator(QWidget* AParent) : QWidget(AParent), FWatch(MakeOwned<TComponentWatch>()) {
  setObjectName(QStringLiteral("DiagramNavigator"));
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(0, 0);
  FWatch->OnFreed = [this](TComponent* AComponent) {
    if (AComponent != FController.GetDiagram()) return;
    FController.SetDiagram(nullptr);
    update();
  };
  FController.OnChange = [this] { update(); };
  // The miniature paints every control. The drawing repaints many times a second while
  // something is dragged; the miniature follows at most ten times a second, so a large
  // document is not painted twice per frame.
  FFollow = new QTimer(this);
  FFollow->setSingleShot(true);
  FFollow->setInterval(100);
  connect(FFollow, &QTimer::timeout, this, qOverload<>(&QWidget::update));
}

TDiagramNavigator::~TDiagramNavigator() { SetDiagram(nullptr); }

void TDiagramNavigator::UnhookDiagram() {
  TdvDiagram* old = FController.GetDiagram();
  if (!old) return;
  FWatch->Unwatch(old);
  if (!old->IsDestroying()) old->InternalAfterPaint = nullptr;
}

void TDiagramNavigator::SetDiagram(TdvDiagram* Value) {
  if (Value == FController.GetDiagram()) return;
  UnhookDiagram();
  FController.SetDiagram(Value);
  if (Value) {
    FWatch->Watch(Value);
    Value->InternalAfterPaint = [this](TObject*, TCanvas*) {
      if (!FFollow->isActive()) FFollow->start();
    };
  }
  unsetCursor();
  update();
}

void TDiagramNavigator::Changed() { update(); }

void TDiagramNavigator::SetBackgroundColor(TColor Value) {
  FController.SetBackgroundColor(Value);
  Changed();
}
void TDiagramNavigator::SetBlockShape(TDiagramNavigatorBlockShape Value) {
  FController.SetBlockShape(Value);
  Changed();
}
void TDiagramNavigator::SetColor(TColor Value) {
  FController.SetColor(Value);
  Changed();
}
void TDiagramNavigator::SetEnableZoom(bool Value) {
  FController.SetEnableZoom(Value);
  Changed();
}
void TDiagramNavigator::SetHighlightColor(TColor Value) {
  FController.SetHighlightColor(Value);
  Changed();
}
void TDiagramNavigator::SetHighlightWidth(int Value) {
  FController.SetHighlightWidth(Value);
  Changed();
}
void TDiagramNavigator::SetPaintLines(bool Value) {
  FController.SetPaintLines(Value);
  Changed();
}

void TDiagramNavigator::paintEvent(QPaintEvent*) {
  // Painted straight onto the widget's backing store, which Qt keeps at the screen's
  // device pixel ratio: the miniature is as sharp as the screen allows.
  QPainter painter(this);
  Guarded([&] { FController.PaintTo(painter, width(), height()); });
}

void TDiagramNavigator::mousePressEvent(QMouseEvent* AEvent) {
  if (AEvent->button() != Qt::LeftButton || AEvent->modifiers() != Qt::NoModifier) return;
  const QPoint p = AEvent->position().toPoint();
  Guarded([&] {
    TDiagramNavigatorController& c = FController;
    UpdateGeometry();
    if (!c.GetDiagram() || !c.HasScale()) return;
    switch (c.PointInHighlightRect(p.x(), p.y())) {
      case nhrBorder:
        c.StartZoom(p.x(), p.y());
        break;
      case nhrInside:
        c.StartMoving(p.x(), p.y());
        break;
      case nhrOutside: {
        // Centre the view on the point, then let a drag go on from there.
        const TSquare& r = c.GetHighlightRect();
        c.StartMoving(Round(r.Left), Round(r.Top));
        c.MoveTo(p.x() - Round(r.Right - r.Left) / 2, p.y() - Round(r.Bottom - r.Top) / 2);
        c.EndMoving();
        UpdateGeometry();
        c.StartMoving(p.x(), p.y());
        break;
      }
    }
  });
}

void TDiagramNavigator::mouseMoveEvent(QMouseEvent* AEvent) {
  const QPoint p = AEvent->position().toPoint();
  Guarded([&] {
    TDiagramNavigatorController& c = FController;
    switch (c.GetState()) {
      case nsMoving:
        c.MoveTo(p.x(), p.y());
        return;
      case nsZoom:
        c.ZoomTo(p.x(), p.y());
        return;
      case nsNormal:
        break;
    }
    UpdateGeometry();
    const TDiagramNavigatorHighlightRegion region = c.HasScale() ? c.PointInHighlightRect(p.x(), p.y()) : nhrOutside;
    if (region == nhrInside)
      setCursor(CursorShapeFor(FMoveCursor));
    else if (region == nhrBorder)
      setCursor(CursorShapeFor(FZoomCursor));
    else
      unsetCursor();
  });
}

void TDiagramNavigator::mouseReleaseEvent(QMouseEvent*) {
  Guarded([&] {
    if (FController.GetState() == nsMoving)
      FController.EndMoving();
    else if (FController.GetState() == nsZoom)
      FController.EndZoom();
  });
}

}  // namespace tarnwick
